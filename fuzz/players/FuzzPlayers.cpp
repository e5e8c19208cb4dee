// Feeds arbitrary bytes to the player-file and players-index readers, all in
// memory: the bytes are both the index and the player file it names. Every
// entry is loaded, saved, reported and removed; any path outside the players
// folder, or any crash, is a finding.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <string>

#include "players/CMemoryFileSystem.h"
#include "players/CPlayersIndex.h"
#include "players/PlayersWorkout.h"
#include "support/CFixedClock.h"

namespace {

const std::string kPlayersDir = "players/";

std::tm FixedTime() {
    std::tm time{};
    time.tm_year = 99;
    time.tm_mday = 7;
    time.tm_mon = 2;
    return time;
}

void Check(bool condition) {
    if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CMemoryFileSystem files;
    files.m_files[kPlayersDir + CPlayersIndex::kFileName] = bytes;
    files.m_files[kPlayersDir + "Ann0.ply"] = bytes;
    CFixedClock clock(FixedTime());
    UseEveryIndexEntry(files, clock, kPlayersDir, {{"Ann", "Ann0.ply"}});
    Check(files.TouchedOnlyInside(kPlayersDir));
    return 0;
}
