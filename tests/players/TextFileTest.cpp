#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/CMemoryFileSystem.h"
#include "players/CTextFile.h"

namespace {

struct SReadCase {
    const char* what;
    std::string bytes;
    std::vector<std::string> lines;
};

class TextFileReading : public testing::TestWithParam<SReadCase> {};

TEST_P(TextFileReading, GivesEachLineWithoutItsLineEnd) {
    CMemoryFileSystem files;
    files.m_files["f"] = GetParam().bytes;
    CTextFile file(files);
    ASSERT_TRUE(file.Open("f", CTextFile::ModeRead));
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line)) lines.push_back(line);
    EXPECT_EQ(line, "");  // the failed read at the end leaves the line empty
    EXPECT_EQ(lines, GetParam().lines) << GetParam().what;
}

const std::string kHugeLine(5'000'000, 'x');

INSTANTIATE_TEST_SUITE_P(
    LineEnds, TextFileReading,
    testing::Values(SReadCase{"mixed", "a\r\nb\nc\r\n\n", {"a", "b", "c", ""}},
                    SReadCase{"empty file", "", {}},
                    SReadCase{
                        "only the CR before LF goes", "a\rb\r\r\nTRUE\r", {"a\rb\r", "TRUE\r"}},
                    SReadCase{"bytes as given",
                              std::string("\xC3\xA9t\xC3\xA9\0x\xFF\n", 9),
                              {std::string("\xC3\xA9t\xC3\xA9\0x\xFF", 8)}},
                    SReadCase{"any length", kHugeLine + "\r\nend\r\n", {kHugeLine, "end"}}));

TEST(TextFile, WritesTheBytesGivenWithCrLfLineEndsOnlyWhenClosed) {
    CMemoryFileSystem files;
    files.m_files["f"] = "old\r\n";
    for (const bool bRefuse : {true, false}) {
        files.m_bRefuseAll = bRefuse;
        CTextFile file(files);
        file.Open("f", CTextFile::ModeCreate);
        file.WriteString("Ann\n\xC3\x85sa\rx\n\n");
        EXPECT_EQ(files.m_files["f"], "old\r\n");
        EXPECT_EQ(file.Close(), !bRefuse);
    }
    EXPECT_EQ(files.m_files["f"], "Ann\r\n\xC3\x85sa\rx\r\n\r\n");
}

}  // namespace
