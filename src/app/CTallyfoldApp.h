#pragma once

#include <QObject>
#include <string>
#include <vector>

#include "platform/CMenuTemplate.h"
#include "play/CGameDlg.h"
#include "players/CPlayerApp.h"

class IClock;
class IRandom;
class ISound;

// The application: starts the program, owns the main window and runs it
// modally for the program's whole life, answers the menu's commands, and
// makes the accelerator keys work in every window of the program, dialogs
// and message boxes included.
class CTallyfoldApp : public QObject, public CPlayerApp {
    Q_OBJECT
public:
    static constexpr int kMenu = 129;
    enum ECommand {
        IdExit = 32772,
        IdInstructions = 32773,
        IdAbout = 32774,
        IdNewGame = 32775,
        IdQuickInstructions = 32776,
        IdNewPlayers = 32778,
        IdPlayerStatistics = 32779,
        IdDeletePlayers = 32780,
        IdGameCode = 32781,
        IdNewGameFromCode = 32782,
        IdShowAllMoves = 32783,
        IdHelp = 57670,  // the help key, F1
    };

    CTallyfoldApp(ISound& sound, IRandom& random, IClock& clock);
    ~CTallyfoldApp() override;

    // Start-up, the main window's modal run, then ExitInstance; the exit code.
    int Run(const std::vector<std::string>& arguments);
    bool InitInstance(const std::vector<std::string>& arguments) override;

    void OnCommand(int nCommand);
    CGameDlg& MainWindow() { return m_dlgMain; }

protected:
    // The accelerator hook: sees every key of every window first.
    bool eventFilter(QObject* watched, QEvent* event) override;
    static bool InHelpWindow(QObject* watched);

private:
    void OnPlayerStatistics();
    void OnDeletePlayers();
    void OnHelp(int nContext);

    ISound& m_sound;
    IClock& m_clock;
    CMenuTemplate m_menu;
    CGameDlg m_dlgMain;
};
