#include <gtest/gtest.h>

#include "players/CTextFile.h"
#include "players/PlayersWorkout.h"

namespace {

// File bytes and the lines read from them; writing is checked with the files that use it.
const std::pair<std::string, std::vector<std::string>> kReadCases[] = {
    {"a\r\nb\nc\r\n\n", {"a", "b", "c", ""}},
    {"", {}},
    {"a\rb\r\r\nTRUE\r", {"a\rb\r", "TRUE\r"}}};  // only a CR right before LF goes

TEST(TextFile, ReadsEachLineWithoutItsLineEnd) {
    CMemoryFileSystem files;
    for (const auto& [bytes, expected] : kReadCases) {
        files.m_files["f"] = bytes;
        CTextFile file(files);
        ASSERT_TRUE(file.Open("f", CTextFile::ModeRead));
        std::vector<std::string> lines;
        std::string line = "x";
        while (file.ReadString(line)) lines.push_back(line);
        EXPECT_EQ(line, "");  // the failed read at the end leaves the line empty
        EXPECT_EQ(lines, expected);
    }
}

// Both the players index and Ann's player file; the fuzz target tries any bytes so.
const std::string kDamaged =
    "Ann\r\n../outside.ply\r\nMal\r\n..\r\nDot\r\n.\r\nRoot\r\n/\r\nBack\r\n..\\outside.ply\r\n"
    "Abs\r\n/tmp/x.ply\r\nNul\r\nAnn0.ply" +
    std::string(1, '\0') + "/../x.ply\r\nDangling";

TEST(DamagedInput, NeitherCrashesNorReachesOutsideThePlayersDirectory) {
    EXPECT_TRUE(WorkStaysInsidePlayersDir(kDamaged));
}

}  // namespace
