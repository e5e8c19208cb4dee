#include "CSoak.h"

#include "game/CMoveList.h"
#include "game/SetupRules.h"
#include "players/CGameStats.h"

CSoak::CSoak(unsigned seed, const std::string& playersRoot, ISound& sound)
    : m_pick(seed),
      m_random(seed),
      m_app({}, [playersRoot] { return playersRoot; }),
      m_user(*this, sound),
      m_game(m_user.Game()) {
    m_app.InitInstance({});
}

bool CSoak::Run(int nGames) {
    StartRandomGame();
    while (m_nGames < nGames && m_strFailure.empty()) {
        if (!Turn()) break;
    }
    return m_strFailure.empty();
}

void CSoak::StartRandomGame() {
    CGameOptions options;
    do {
        options.m_operators = COperatorSet{Chance(60), Chance(60), Chance(60), Chance(40)};
        options.m_nSignMode = Percent() % 3;
    } while (BrokenSetupRule(options.m_operators, options.m_nSignMode) != ESetupRule::Valid);
    options.m_nPieces = CGameOptions::PiecesForSize(Percent() % 4);
    options.m_bOnePlayer = Chance(60);
    options.m_bSound = Chance(50);
    options.m_bShowQuickInstructions = false;
    options.m_strName1 = "Ann";
    options.m_strName2 = "Bob";
    for (int seat = 0; seat < 2; ++seat) {
        auto& record = m_app.m_pPlayers[seat];
        record.reset();
        if (seat == 1 && options.m_bOnePlayer) continue;
        record = std::make_unique<CGamePlayer>(m_clock);
        record->m_strName = seat == 0 ? "Ann" : "Bob";
        record->m_strFile = record->m_strName + "0.ply";
    }
    m_tally = STally{};
    m_nGameMoves = 0;
    m_user.m_bNextGame = false;
    m_game.StartGame(options);
    for (int i = 0; i < kCells; ++i) m_tally.owner[std::size_t(i)] = m_game.Board().Piece(i).m_nTakenBy;
}

bool CSoak::Turn() {
    m_user.Deal();
    m_nMover = m_game.CurrentPlayer();
    const CGameState::SState& state = m_game.State();
    if (!m_game.IsComputersTurn()) {
        HumanMove();
    } else if (state.m_nBestCase >= 0) {
        Take(state.m_nBestPiece);
    }
    ++m_nMoves;
    if (!m_strFailure.empty()) return false;
    // The window holds the next game until the move that ended this one returns.
    if (m_user.m_bNextGame) {
        ++m_nGames;
        StartRandomGame();
        return true;
    }
    // Some boards hold pieces no deal can reach; such a game never ends.
    if (++m_nGameMoves > kMaxGameMoves) {
        ++m_nAbandoned;
        ++m_nGames;
        StartRandomGame();
        return true;
    }
    return Check();
}

void CSoak::HumanMove() {
    const CGameState::SState& state = m_game.State();
    const int roll = Percent();
    if (roll < 15) m_game.OnHint();
    // A weaker move: a reachable piece worth fewer points than the best.
    const auto& dealt = m_game.Equations().m_nNumber;
    int weakerCase = kUnset, weakerPiece = kUnset;
    for (const CMove& move : CMoveList::For(m_game.Board(), dealt[0], dealt[1], dealt[2])) {
        if (move.m_nPoints > state.m_nBestNeighbours) continue;
        weakerCase = move.m_nCase;
        weakerPiece = move.m_nIndex;
        break;
    }
    if (state.m_nBestValue == kNoResult || roll < 25) {
        m_game.OnPass();
    } else if (roll < 45 && weakerCase != kUnset) {
        if (m_user.Compose(weakerCase)) Take(weakerPiece);
    } else if (m_user.Compose(state.m_nBestCase)) {
        Take(state.m_nBestPiece);
    }
}

void CSoak::Take(int nIndex) {
    const CTakeOutcome take = m_game.OnPieceClicked(nIndex);
    if (take.m_eKind != CTakeOutcome::Taken || m_user.m_bNextGame) return;
    m_tally.points[std::size_t(take.m_nPlayer)] += take.m_nPoints;
    m_tally.owner[std::size_t(nIndex)] = take.m_nPlayer + 1;
}

bool CSoak::Fail(const std::string& what, int nSeat) {
    m_strFailure = "game " + std::to_string(m_nGames + 1) + ", move " + std::to_string(m_nMoves) +
                   ", seat " + std::to_string(nSeat) + ": " + what;
    return false;
}

bool CSoak::Check() {
    const CGameState::SState& state = m_game.State();
    for (int i = 0; i < kCells; ++i) {
        if (m_game.Board().Piece(i).m_nTakenBy != m_tally.owner[std::size_t(i)])
            return Fail("a piece was taken twice, or by nobody's click", i);
    }
    for (std::size_t seat = 0; seat < 2; ++seat) {
        if (state.m_nScore[seat] != m_tally.points[seat] - m_tally.hintCost[seat])
            return Fail("score is not points taken minus hints", int(seat));
        const CGamePlayer* record = m_app.m_pPlayers[seat].get();
        if (!record) continue;
        const CGameStats* stats = record->m_pCurrentStats;
        if (!stats) return Fail("no current record", int(seat));
        if (stats->m_nPasses != m_tally.passes[seat] || stats->m_nMissedMoves != m_tally.missed[seat] ||
            stats->m_nOptimalHints != m_tally.optimal[seat] ||
            stats->m_nOperatorHints != m_tally.operators[seat])
            return Fail("the record's counts differ from the moves", int(seat));
    }
    return true;
}

// ---- the user -----------------------------------------------------------------------

CSoak::CUser::CUser(CSoak& soak, ISound& sound) : CHeadlessGame(soak.m_random, sound, soak.m_app), m_soak(soak) {}

void CSoak::CUser::ShowMessage(const std::string& title, const std::string& text) {
    STally& tally = m_soak.m_tally;
    const std::size_t seat = std::size_t(m_soak.m_nMover);
    if (title != "Hint") return;
    const bool operators = text == "The operators have been set.";
    tally.hintCost[seat] += operators ? CGameState::kOperatorHintCost : CGameState::kOptimalHintCost;
    ++(operators ? tally.operators : tally.optimal)[seat];
}

bool CSoak::CUser::Ask(const std::string&, const std::string& caption) {
    const bool yes = m_soak.Chance(caption == "Confirm Pass" ? 70 : 50);
    const std::size_t seat = std::size_t(m_soak.m_nMover);
    if (caption == "Better Move") ++m_soak.m_tally.missed[seat];
    // A confirmed pass counts only when a piece was on offer, which is when it is asked.
    if (caption == "Confirm Pass" && yes) ++m_soak.m_tally.passes[seat];
    return yes;
}

void CSoak::CUser::Notify(const std::string& text, const std::string& caption) {
    if (caption == "File Error") m_soak.Fail(text + " (the soak needs the game's data folder)", m_soak.m_nMover);
}

int CSoak::CUser::RunHintDialog() {
    const int roll = m_soak.Percent();
    return roll < 40 ? CGameState::kHintOptimal : roll < 80 ? CGameState::kHintOperators : 2;
}
