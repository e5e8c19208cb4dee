#include "app/CTallyfoldApp.h"

#include <QApplication>
#include <QKeyEvent>

#include "platform/CHelp.h"
#include "platform/CHelpWindow.h"
#include "platform/CModal.h"
#include "players/CDeletePlayersDlg.h"
#include "players/CSelectPlayer.h"
#include "shell/CAboutDlg.h"

CTallyfoldApp::CTallyfoldApp(ISound& sound, IRandom& random, IClock& clock)
    : CPlayerApp([](const std::string& text, const std::string&) {
          CModal::AppMessage(QString::fromStdString(text));
      }),
      m_sound(sound),
      m_clock(clock),
      m_menu(kMenu),
      m_dlgMain(*this, sound, random, clock) {
    m_dlgMain.SetMenu([this] { return m_menu.Build(&m_dlgMain); });
    m_dlgMain.m_fnCommand = [this](int nCommand) { OnCommand(nCommand); };
    m_dlgMain.m_fnQuickInstructions = [this] { OnCommand(IdQuickInstructions); };
    m_dlgMain.m_fnSplash = [this] { ShowAboutBox(m_sound, m_bSound); };
    qApp->installEventFilter(this);
}

CTallyfoldApp::~CTallyfoldApp() {
    qApp->removeEventFilter(this);
}

bool CTallyfoldApp::InitInstance(const std::vector<std::string>& arguments) {
    // A refused command line has shown its message; the program starts all the same.
    CPlayerApp::InitInstance(arguments);
    return false;
}

int CTallyfoldApp::Run(const std::vector<std::string>& arguments) {
    InitInstance(arguments);
    CModal::Run(m_dlgMain);
    return ExitInstance();
}

bool CTallyfoldApp::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || InHelpWindow(watched))
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QKeySequence pressed(key->keyCombination());
    for (const CMenuTemplate::SKey& accelerator : m_menu.Accelerators()) {
        if (accelerator.key == pressed) {
            OnCommand(accelerator.id);
            return true;
        }
    }
    if (key->key() == Qt::Key_F1 && key->modifiers() == Qt::NoModifier) {
        OnCommand(IdHelp);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

// The help viewer is a program of its own to the player: its keys are its own
// (Ctrl+X cuts in its find field, F1 is nothing there), not the game's.
bool CTallyfoldApp::InHelpWindow(QObject* watched) {
    const auto* widget = qobject_cast<QWidget*>(watched);
    return widget && qobject_cast<CHelpWindow*>(widget->window());
}

void CTallyfoldApp::OnCommand(int nCommand) {
    // Game commands wait for an operation of the game (a turn's box, a dialog
    // of another command) to return; the rest change nothing and run at once.
    switch (nCommand) {
    case IdExit:
        m_dlgMain.RequestQuit();
        break;
    case IdNewGame:
    case IdNewPlayers:
        m_dlgMain.RequestNewGame(nCommand == IdNewPlayers);
        break;
    case IdNewGameFromCode:
        m_dlgMain.RequestNewGameFromCode();
        break;
    case IdShowAllMoves:
        m_dlgMain.ShowAllMoves();
        break;
    case IdGameCode:
        m_dlgMain.ShowGameCode();
        break;
    case IdPlayerStatistics:
        m_dlgMain.Commands().Submit(nCommand, [this] { OnPlayerStatistics(); });
        break;
    case IdDeletePlayers:
        m_dlgMain.Commands().Submit(nCommand, [this] { OnDeletePlayers(); });
        break;
    case IdInstructions:
    case IdHelp:
        OnHelp(CHelp::kContents);
        break;
    case IdQuickInstructions:
        OnHelp(CHelp::kQuickInstructions);
        break;
    case IdAbout:
        ShowAboutBox(m_sound, m_bSound);
        break;
    default:
        break;
    }
}

void CTallyfoldApp::OnPlayerStatistics() {
    CSelectPlayer dlg(*this, m_clock);
    dlg.m_bStatsMode = true;
    dlg.DoModal(0);
}

void CTallyfoldApp::OnDeletePlayers() {
    CDeletePlayersDlg dlg(*this);
    CModal::Run(dlg);
}

void CTallyfoldApp::OnHelp(int nContext) {
    CHelp::Show(&m_dlgMain, nContext);
}
