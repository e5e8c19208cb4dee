#include <QApplication>
#include <string>
#include <vector>

#include "platform/CModal.h"
#include "platform/CSoundPlayer.h"
#include "platform/CSystemClock.h"
#include "platform/CSystemRandom.h"
#include "play/CGameDlg.h"
#include "players/CPlayerApp.h"

// Until the application with its setup and player dialogs is assembled, the
// program opens straight into a one-player game of 26 pieces with every
// operator, without player records.
int main(int argc, char* argv[]) {
    QApplication qapp(argc, argv);
    CPlayerApp app([](const std::string& text, const std::string&) {
        CModal::AppMessage(QString::fromStdString(text));
    });
    app.InitInstance(std::vector<std::string>(argv + 1, argv + argc));
    CSoundPlayer sound;
    CSystemRandom random;
    CSystemClock clock;
    CGameDlg dlg(app, sound, random, clock);
    dlg.StartGame('A', 26, COperatorSet{}, "Name", "Name", true, app.m_bSound);
    CModal::Run(dlg);
    return app.ExitInstance();
}
