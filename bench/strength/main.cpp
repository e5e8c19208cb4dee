// tallyfold-strength [GAMES [PIECES]]   (GAMES per level: 1000; PIECES: 32)
//
// Plays seeded one-player games on the committed boards with no window: a
// stand-in for player one always writes and takes the best piece (it never
// passes while a piece is on offer, takes no hint), against the computer at
// each level. Prints, per level, the stand-in's win rate and both sides' mean
// points per move on full boards (PIECES), then the win rate on every board
// size. Operators and signs vary from game to game as a class's games would;
// the same games are played against every level.
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "CHeadlessGame.h"
#include "game/SetupRules.h"
#include "platform/CSystemRandom.h"
#include "platform/ISound.h"
#include "players/CPlayerApp.h"

namespace {

class CSilence : public ISound {
public:
    void Play(const std::string&, ESoundMode) override {}
};

struct SResult {
    int games = 0, wins = 0, ties = 0, unfinished = 0;
    long catchUps = 0;  // the stand-in's deals that the catch-up rule made richer
    long moves[2] = {0, 0}, points[2] = {0, 0};
};

constexpr int kMaxMoves = 400;  // some boards hold pieces no deal reaches

CGameOptions GameOptions(std::mt19937& pick, int nLevel, int nPieces) {
    std::uniform_int_distribution<int> percent(0, 99);
    CGameOptions options;
    do {
        options.m_operators = COperatorSet{percent(pick) < 60, percent(pick) < 60, percent(pick) < 60,
                                           percent(pick) < 40};
        options.m_nSignMode = percent(pick) % 3;
    } while (BrokenSetupRule(options.m_operators, options.m_nSignMode) != ESetupRule::Valid);
    options.m_nPieces = nPieces;
    options.m_bShowQuickInstructions = false;
    options.m_nLevel = nLevel;
    return options;
}

void Play(CHeadlessGame& headless, const CGameOptions& options, std::uint32_t seed, SResult& result) {
    CGameState& game = headless.Game();
    headless.m_bNextGame = false;
    game.StartGame(options, seed);
    for (int move = 0; move < kMaxMoves && !headless.m_bNextGame; ++move) {
        const int mover = game.CurrentPlayer();
        const std::array<int, 2> before = game.State().m_nScore;
        headless.Deal();
        const CGameState::SState& state = game.State();
        // The deal marks a set kept by the catch-up rule with "!" on its diagnostic.
        const std::string& kept = state.m_strBestValue;
        if (mover == 0 && !kept.empty() && kept.back() == '!') ++result.catchUps;
        // A computer with nothing to take has passed inside its deal.
        if (game.CurrentPlayer() == mover) {
            if (state.m_nBestCase < 0) {
                game.OnPass();
            } else if (mover == 1 || headless.Compose(state.m_nBestCase)) {
                game.OnPieceClicked(state.m_nBestPiece);
            }
        }
        ++result.moves[mover];
        result.points[mover] += game.State().m_nScore[std::size_t(mover)] - before[std::size_t(mover)];
    }
    ++result.games;
    if (!headless.m_bNextGame) return void(++result.unfinished);
    // The game ended inside the last move: its scores are still the state's.
    const auto& score = game.State().m_nScore;
    if (score[0] > score[1]) ++result.wins;
    if (score[0] == score[1]) ++result.ties;
}

double WinRate(const SResult& result) {
    const int finished = result.games - result.unfinished;
    return 100.0 * result.wins / (finished ? finished : 1);
}

// Of a side's moves: its points per move, or (times 100) the stand-in's catch-up share.
double PerMove(const SResult& result, int side, long total) {
    return double(total) / double(result.moves[side] ? result.moves[side] : 1);
}

SResult PlayLevel(CHeadlessGame& headless, int games, int nLevel, int nPieces) {
    std::mt19937 pick(7);  // the same games for every level
    SResult result;
    for (int i = 0; i < games; ++i) {
        const CGameOptions options = GameOptions(pick, nLevel, nPieces);
        Play(headless, options, std::uint32_t(pick()), result);
    }
    return result;
}

constexpr int kLevels[] = {kLevelBeginner, kLevelIntermediate, kLevelExpert};

}  // namespace

int main(int argc, char* argv[]) {
    const int games = argc > 1 ? std::atoi(argv[1]) : 1000;
    const int pieces = argc > 2 ? std::atoi(argv[2]) : CGameOptions::PiecesForSize(3);
    if (chdir(TALLYFOLD_DATA_DIR "/..") != 0) {
        std::fprintf(stderr, "tallyfold-strength: cannot enter %s/..\n", TALLYFOLD_DATA_DIR);
        return 2;
    }
    CSilence sound;
    CSystemRandom random(1);
    CPlayerApp app({});
    CHeadlessGame headless(random, sound, app);
    std::printf("%d games of %d pieces per level against a best-move stand-in:\n", games, pieces);
    std::printf("%-13s %8s %8s %12s %16s %10s %10s\n", "level", "wins", "ties", "win rate",
                "points/move", "catch-up", "unfinished");
    for (int level : kLevels) {
        const SResult result = PlayLevel(headless, games, level, pieces);
        std::printf("%-13s %8d %8d %11.1f%% %7.2f vs %5.2f %9.1f%% %10d\n",
                    CGameOptions::LevelName(level), result.wins, result.ties, WinRate(result),
                    PerMove(result, 0, result.points[0]), PerMove(result, 1, result.points[1]),
                    100.0 * PerMove(result, 0, result.catchUps), result.unfinished);
    }
    // Short games leave luck more room, so the levels part less on small boards.
    std::printf("\nwin rate by board size (%d games each):\n%-13s", games, "level");
    for (int nSize = 0; nSize < 4; ++nSize)
        std::printf(" %7d pcs", CGameOptions::PiecesForSize(nSize));
    std::printf("\n");
    for (int level : kLevels) {
        std::printf("%-13s", CGameOptions::LevelName(level));
        for (int nSize = 0; nSize < 4; ++nSize) {
            const int nPieces = CGameOptions::PiecesForSize(nSize);
            std::printf(" %10.1f%%", WinRate(PlayLevel(headless, games, level, nPieces)));
        }
        std::printf("\n");
    }
    return 0;
}
