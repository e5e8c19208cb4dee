#include "play/CGameStarter.h"

#include "platform/CModal.h"
#include "play/CGameCodeDlg.h"
#include "play/CGameState.h"
#include "players/CPlayerApp.h"
#include "players/CSelectPlayer.h"
#include "shell/CGameSetupDlg.h"

CGameStarter::CGameStarter(CGameState& game, CPlayerApp& app, IClock& clock, QWidget& owner,
                           std::function<void()> quit)
    : m_game(game), m_app(app), m_clock(clock), m_owner(owner), m_fnQuit(std::move(quit)) {}

void CGameStarter::NewGame(bool bNewPlayers) {
    CGameSetupDlg setup(&m_owner);
    setup.SetOptions(m_game.Options(), m_game.State().m_bGameInProgress, bNewPlayers);
    const int result = CModal::Run(setup);
    if (result == CGameSetupDlg::kQuitGame) {
        m_game.AbandonRecords();
        m_fnQuit();
        return;
    }
    if (result != CModal::IdOk) return;
    CGameOptions options = setup.Options();
    if (bNewPlayers) SeatPlayers(options);
    m_game.StartGame(options);
}

void CGameStarter::SeatPlayers(CGameOptions& options) {
    m_game.AbandonRecords();
    CSelectPlayer select(m_app, m_clock, &m_owner);
    std::string* names[2] = {&options.m_strName1, &options.m_strName2};
    for (int seat = 0; seat < (options.m_bOnePlayer ? 1 : 2); ++seat) {
        auto& record = m_app.m_pPlayers[seat];
        record = std::make_unique<CGamePlayer>(m_clock, [](const std::string& text, const std::string&) {
            CModal::AppMessage(QString::fromStdString(text));
        });
        record->m_strName = *names[seat];
        if (select.DoModal(seat) == CModal::IdOk) *names[seat] = record->m_strName;
    }
}

void CGameStarter::ShowGameCode() {
    const std::string& code = m_game.State().m_strCode;
    if (code.empty()) {
        CModal::Message(&m_owner, QStringLiteral("No game has been started yet."),
                        QStringLiteral("Game Code"), CModal::OkOnly, CModal::Information);
        return;
    }
    CGameCodeDlg dlg(code, &m_owner);
    CModal::Run(dlg);
}

void CGameStarter::NewGameFromCode() {
    CGameCodeDlg dlg(m_game.Options(), &m_owner);
    if (CModal::Run(dlg) != CModal::IdOk) return;
    CGameOptions options = dlg.m_options;
    const bool seated = m_app.m_pPlayers[0] != nullptr;
    const bool twoSeated = m_app.m_pPlayers[1] != nullptr;
    if (!seated || twoSeated == options.m_bOnePlayer) SeatPlayers(options);
    m_game.StartGame(options, dlg.m_nSeed);
}
