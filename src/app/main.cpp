#include <QApplication>
#include <QTimer>
#include <string>
#include <vector>

#include "platform/CSoundModule.h"
#include "platform/CSystemClock.h"
#include "platform/CSystemRandom.h"
#include "app/CTallyfoldApp.h"

namespace {
constexpr int kPreloadMs = 100;
}  // namespace

int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    CSoundModule sound;
    // The audio stack loads while the splash is up, not before it shows.
    QTimer::singleShot(kPreloadMs, [&sound] { sound.Preload(); });
    CSystemRandom random;
    CSystemClock clock;
    CTallyfoldApp app(sound, random, clock);
    return app.Run(std::vector<std::string>(argv + 1, argv + argc));
}
