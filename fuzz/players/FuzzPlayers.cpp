// Feeds arbitrary bytes to the readers of player files and of the players
// index, all in memory, through the same workout as the damaged-input test:
// a crash or any path outside the players folder is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "players/PlayersWorkout.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!WorkStaysInsidePlayersDir(std::string(reinterpret_cast<const char*>(data), size)))
        std::abort();
    return 0;
}
