// tallyfold-soak [--games N] [--seed S] [--data DIR]
//
// Plays N whole games on the rules with no window (see CSoak) and prints
// games per second; exits 1 on the first broken invariant or a board that
// cannot be loaded, 2 when the data folder cannot be used. DIR defaults to
// the data folder the build prepared beside the game.
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include "CSoak.h"
#include "platform/ISound.h"

namespace {

// The soak listens to nothing.
class CSilence : public ISound {
public:
    void Play(const std::string&, ESoundMode) override {}
};

}  // namespace

int main(int argc, char* argv[]) {
    namespace fs = std::filesystem;
    int games = 500;
    unsigned seed = 1;
    fs::path data = TALLYFOLD_SOAK_DATA;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (!std::strcmp(argv[i], "--games")) games = std::atoi(argv[i + 1]);
        else if (!std::strcmp(argv[i], "--seed")) seed = unsigned(std::atoi(argv[i + 1]));
        else if (!std::strcmp(argv[i], "--data")) data = argv[i + 1];
    }
    // The game reads data/ and writes players/ under its working directory.
    std::error_code error;
    std::string pattern = (fs::temp_directory_path(error) / "tallyfold-soak-XXXXXX").string();
    const char* dir = mkdtemp(pattern.data());
    const fs::path work = dir ? fs::path(dir) : fs::path();
    if (!dir || !fs::is_directory(data, error) ||
        (fs::create_directory_symlink(fs::absolute(data), work / "data", error), error) ||
        !fs::create_directory(work / "players", error)) {
        std::fprintf(stderr, "tallyfold-soak: cannot prepare a working directory with %s\n",
                     data.c_str());
        return 2;
    }
    fs::current_path(work, error);
    CSilence sound;
    const auto start = std::chrono::steady_clock::now();
    CSoak soak(seed, work.string() + "/", sound);
    const bool ok = soak.Run(games);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    fs::remove_all(work, error);
    if (!ok) std::fprintf(stderr, "tallyfold-soak: %s\n", soak.Failure().c_str());
    std::printf("%d games (%d stopped after %d moves), %ld moves in %.1f s: %.1f games per second%s\n",
                soak.Games(), soak.Abandoned(), CSoak::kMaxGameMoves, soak.Moves(), seconds,
                soak.Games() / (seconds > 0 ? seconds : 1), ok ? "" : " (stopped)");
    return ok ? 0 : 1;
}
