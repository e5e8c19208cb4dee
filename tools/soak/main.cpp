// tallyfold-soak [--games N] [--seed S] [--data DIR]
//
// Plays N whole games through the real main window, offscreen, both seats
// driven by a seeded mix of best moves, weaker moves, passes, hints and both
// answers to every question, across all four sizes and several operator sets.
// After every move it checks that each score equals the points taken minus
// the hints paid, that no piece was taken twice or changed hands, and that
// the records agree with what happened. Prints games per second; exits 1 on
// the first broken invariant.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>

#include "game/GameNames.h"
#include "game/SetupRules.h"
#include "platform/CSystemRandom.h"
#include "play/CGameDlg.h"
#include "play/CHintDlg.h"
#include "players/CGameStats.h"
#include "players/CPlayerApp.h"
#include "platform/CSystemClock.h"
#include "support/CGameDriver.h"
#include "support/CScriptedUser.h"
#include "support/CSoundRecorder.h"

namespace {

struct STally {
    std::array<int, 2> points{};
    std::array<int, 2> hintCost{};
    std::array<int, 2> passes{};
    std::array<int, 2> missed{};
    std::array<int, 2> optimal{};
    std::array<int, 2> operators{};
    std::array<int, kCells> owner{};
};

class CSoak {
public:
    CSoak(unsigned seed, const std::string& dir)
        : m_pick(seed),
          m_random(seed),
          m_app({}, [dir] { return dir; }),
          m_dlg(m_app, m_sound, m_random, m_clock),
          m_drive(m_dlg) {
        m_app.InitInstance({});
        QDir().mkpath(QString::fromStdString(m_app.PlayersDir()));
        m_user.m_chooser = [this](const CModal::SRequest& request) { return Choose(request); };
        m_dlg.m_fnNewGame = [this](bool) { StartRandomGame(); };
        m_dlg.show();
    }

    bool Run(int nGames) {
        StartRandomGame();
        while (m_nGames < nGames) {
            if (!Turn()) return false;
        }
        return true;
    }
    static constexpr int kMaxGameMoves = 400;
    int Games() const { return m_nGames; }
    int Abandoned() const { return m_nAbandoned; }
    long Moves() const { return m_nMoves; }

private:
    int Percent() { return std::uniform_int_distribution<int>(0, 99)(m_pick); }

    void StartRandomGame() {
        COperatorSet ops;
        int sign = 0;
        do {
            ops = COperatorSet{Percent() < 60, Percent() < 60, Percent() < 60, Percent() < 40};
            sign = Percent() % 3;
        } while (BrokenSetupRule(ops, sign) != ESetupRule::Valid);
        const int pieces = std::array<int, 4>{10, 16, 26, 32}[std::size_t(Percent() % 4)];
        const bool onePlayer = Percent() < 60;
        for (int seat = 0; seat < 2; ++seat) {
            auto& record = m_app.m_pPlayers[seat];
            if (seat == 1 && onePlayer) {
                record.reset();
                continue;
            }
            record = std::make_unique<CGamePlayer>(m_clock);
            record->m_strName = seat == 0 ? "Ann" : "Bob";
            record->m_strFile = record->m_strName + "0.ply";
            record->StartStats(GameTitle(pieces, ops, sign));
        }
        m_tally = STally{};
        m_nGameMoves = 0;
        m_dlg.StartGame(SignLetter(sign), pieces, ops, "Ann", "Bob", onePlayer, Percent() < 50);
        SnapshotOwners();
        ++m_nStarted;
    }

    int Choose(const CModal::SRequest& request) {
        const std::string caption = request.caption.toStdString();
        if (caption == "Game Over") ++m_nGames;
        if (caption == "Confirm Pass") {
            m_bPassConfirmed = Percent() < 70;
            return m_bPassConfirmed ? CModal::IdYes : CModal::IdNo;
        }
        if (caption == "Better Move" && request.buttons == CModal::YesNo) {
            ++m_tally.missed[std::size_t(m_nMover)];
            return Percent() < 50 ? CModal::IdYes : CModal::IdNo;
        }
        if (request.buttons == CModal::YesNo) return Percent() < 50 ? CModal::IdYes : CModal::IdNo;
        if (caption == "Types of Hints") {
            const int roll = Percent();
            return roll < 40 ? CHintDlg::kOptimal : roll < 80 ? CHintDlg::kOperators : CModal::IdCancel;
        }
        return CModal::IdOk;
    }

    void SnapshotOwners() {
        for (int i = 0; i < kCells; ++i) m_tally.owner[std::size_t(i)] = m_dlg.Board().Model().Piece(i).m_nTakenBy;
    }

    bool Turn() {
        m_drive.Deal();
        const CGameState& game = m_dlg.Game();
        m_nMover = game.CurrentPlayer();
        const int started = m_nStarted;
        if (game.IsComputersTurn()) {
            if (game.State().m_nBestCase >= 0) Take(game.State().m_nBestPiece);
        } else {
            const int roll = Percent();
            if (roll < 15) Hint();
            const auto weaker = m_drive.WeakerMove();
            if (game.State().m_nBestValue == kNoResult || roll < 25) {
                Pass();
            } else if (roll < 45 && weaker) {
                if (m_drive.Compose(weaker->first)) Take(weaker->second);
            } else if (m_drive.Compose(game.State().m_nBestCase)) {
                Take(game.State().m_nBestPiece);
            }
        }
        ++m_nMoves;
        // Some boards hold pieces no deal can reach; such a game never ends.
        if (m_nStarted == started && ++m_nGameMoves > kMaxGameMoves) {
            ++m_nAbandoned;
            ++m_nGames;
            StartRandomGame();
        }
        // A finished game was replaced by the next one inside the move.
        return m_nStarted != started || Check();
    }

    void Hint() {
        const std::size_t before = m_user.m_log.size();
        m_drive.Click(m_drive.Button(CGameDlg::IdHint));
        const std::size_t seat = std::size_t(m_nMover);
        for (std::size_t i = before; i < m_user.m_log.size(); ++i) {
            if (m_user.m_log[i] == "Hint: The operators have been set.") {
                m_tally.hintCost[seat] += 1;
                ++m_tally.operators[seat];
            } else if (m_user.m_log[i].rfind("Hint: The value", 0) == 0) {
                m_tally.hintCost[seat] += 3;
                ++m_tally.optimal[seat];
            }
        }
    }

    void Pass() {
        const bool obtainable = m_dlg.Game().State().m_nBestValue != kNoResult;
        m_bPassConfirmed = false;
        m_drive.Click(m_drive.Button(CGameDlg::IdPass));
        if (obtainable && m_bPassConfirmed) ++m_tally.passes[std::size_t(m_nMover)];
    }

    void Take(int nIndex) {
        const CPiece& piece = m_dlg.Board().Model().Piece(nIndex);
        const int points = piece.m_nTakenNeighbours + 1;
        const bool untaken = piece.IsUntaken();
        const int started = m_nStarted;
        m_drive.ClickPiece(nIndex);
        // The last piece ends the game, and the next game starts inside the click.
        if (m_nStarted == started && untaken && m_dlg.Board().Model().Piece(nIndex).IsTaken()) {
            m_tally.points[std::size_t(m_nMover)] += points;
            m_tally.owner[std::size_t(nIndex)] = m_nMover + 1;
        }
    }

    bool Fail(const char* what, int seat) {
        std::fprintf(stderr, "game %d, move %ld, seat %d: %s\n", m_nGames + 1, m_nMoves, seat, what);
        return false;
    }

    bool Check() {
        const CGameState::SState& state = m_dlg.Game().State();
        for (int i = 0; i < kCells; ++i) {
            if (m_dlg.Board().Model().Piece(i).m_nTakenBy != m_tally.owner[std::size_t(i)]) {
                return Fail("a piece was taken twice, or by nobody's click", i);
            }
        }
        for (std::size_t seat = 0; seat < 2; ++seat) {
            if (state.m_nScore[seat] != m_tally.points[seat] - m_tally.hintCost[seat]) {
                return Fail("score is not points taken minus hints", int(seat));
            }
            const CGamePlayer* record = m_app.m_pPlayers[seat].get();
            if (!record) continue;
            const CGameStats* stats = record->m_pCurrentStats;
            if (!stats) return Fail("no current record", int(seat));
            if (stats->m_nPasses != m_tally.passes[seat] || stats->m_nMissedMoves != m_tally.missed[seat] ||
                stats->m_nOptimalHints != m_tally.optimal[seat] ||
                stats->m_nOperatorHints != m_tally.operators[seat]) {
                return Fail("the record's counts differ from the moves", int(seat));
            }
        }
        return true;
    }

    std::mt19937 m_pick;
    CSystemRandom m_random;
    CSystemClock m_clock;
    CSoundRecorder m_sound;
    CScriptedUser m_user;
    CPlayerApp m_app;
    CGameDlg m_dlg;
    CGameDriver m_drive;
    STally m_tally;
    int m_nGames = 0;
    int m_nStarted = 0;
    int m_nGameMoves = 0;
    int m_nAbandoned = 0;
    long m_nMoves = 0;
    int m_nMover = 0;
    bool m_bPassConfirmed = false;
};

}  // namespace

int main(int argc, char* argv[]) {
    int games = 500;
    unsigned seed = 1;
    QString data = QStringLiteral("data");
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--games")) games = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--seed")) seed = unsigned(std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--data")) data = QString::fromLocal8Bit(argv[i + 1]);
    }
    QApplication app(argc, argv);
    QTemporaryDir dir;
    // The game reads data/ and writes players/ under its working directory.
    if (!dir.isValid() || !QFile::link(QDir(data).absolutePath(), dir.filePath("data"))) {
        std::fprintf(stderr, "cannot prepare a working directory with %s\n", qPrintable(data));
        return 2;
    }
    QDir::setCurrent(dir.path());
    QElapsedTimer clock;
    clock.start();
    CSoak soak(seed, dir.path().toStdString() + "/");
    const bool ok = soak.Run(games);
    const double seconds = double(clock.elapsed()) / 1000.0;
    std::printf("%d games (%d stopped after %d moves), %ld moves in %.1f s: %.1f games per second%s\n",
                soak.Games(), soak.Abandoned(), CSoak::kMaxGameMoves, soak.Moves(), seconds, soak.Games() / (seconds > 0 ? seconds : 1), ok ? "" : " (stopped: invariant broken)");
    return ok ? 0 : 1;
}
