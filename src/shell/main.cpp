#include <QApplication>
#include <string>
#include <vector>

#include "platform/CSoundPlayer.h"
#include "platform/CSystemClock.h"
#include "platform/CSystemRandom.h"
#include "shell/CTallyfoldApp.h"

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    CSoundPlayer sound;
    CSystemRandom random;
    CSystemClock clock;
    CTallyfoldApp app(sound, random, clock);
    return app.Run(std::vector<std::string>(argv + 1, argv + argc));
}
