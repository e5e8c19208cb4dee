#include <gtest/gtest.h>

#include "players/CTextFile.h"
#include "players/PlayersWorkout.h"

namespace {

const std::string kLongLine(1'000'000, 'x');

// File bytes and the lines read from them; writing is checked with the files that use it.
const std::pair<std::string, std::vector<std::string>> kReadCases[] = {
    {"a\r\nb\nc\r\n\n", {"a", "b", "c", ""}},
    {"", {}},
    {"a\rb\r\r\nTRUE\r", {"a\rb\r", "TRUE\r"}},  // only a CR right before LF goes
    {std::string("\xC3\xA9t\0x\xFF\n", 7), {std::string("\xC3\xA9t\0x\xFF", 6)}},
    {kLongLine + "\r\nend", {kLongLine, "end"}}};

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

// Each is both the players index and Ann's player file; the fuzz target tries any bytes so.
const std::string kDamaged[] = {
    "\xFF" + std::string(1, '\0') + "\r\r\n\x80Start Game Stats\n\n\r",
    "Ann\r\n../outside.ply\r\nStart Game Stats\r\n",
    "Eve\r\n../outside.ply\r\nMal\r\n..\r\nDot\r\n.\r\nRoot\r\n/\r\nBack\r\n..\\outside.ply\r\n"
    "Abs\r\n/tmp/x.ply\r\nGuest\r\n\r\nDangling",
    "Nul\r\nAnn0.ply" + std::string(1, '\0') + "/../../outside.ply\r\n",
};

TEST(DamagedInput, NeitherCrashesNorReachesOutsideThePlayersDirectory) {
    for (const std::string& bytes : kDamaged) EXPECT_TRUE(WorkStaysInsidePlayersDir(bytes));
}

}  // namespace
