#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "players/CMemoryFileSystem.h"
#include "players/CTextFile.h"

namespace {

std::vector<std::string> ReadLines(const std::string& bytes) {
    CMemoryFileSystem files;
    files.m_files["f"] = bytes;
    CTextFile file(files);
    EXPECT_TRUE(file.Open("f", CTextFile::ModeRead));
    std::vector<std::string> lines;
    std::string line;
    while (file.ReadString(line)) lines.push_back(line);
    EXPECT_EQ(line, "");  // the failed read at the end leaves the line empty
    return lines;
}

struct SReadCase {
    const char* what;
    std::string bytes;
    std::vector<std::string> lines;
};

class TextFileReading : public testing::TestWithParam<SReadCase> {};

TEST_P(TextFileReading, GivesEachLineWithoutItsLineEnd) {
    EXPECT_EQ(ReadLines(GetParam().bytes), GetParam().lines) << GetParam().what;
}

INSTANTIATE_TEST_SUITE_P(
    LineEnds, TextFileReading,
    testing::Values(SReadCase{"CR LF", "Ann\r\nAnn0.ply\r\n", {"Ann", "Ann0.ply"}},
                    SReadCase{"LF only", "Ann\nAnn0.ply\n", {"Ann", "Ann0.ply"}},
                    SReadCase{"mixed", "a\r\nb\nc\r\n", {"a", "b", "c"}},
                    SReadCase{"last line without end", "a\r\nb", {"a", "b"}},
                    SReadCase{"empty file", "", {}},
                    SReadCase{"empty lines", "\r\n\n", {"", ""}},
                    SReadCase{"a lone CR stays", "a\rb\r\n", {"a\rb"}},
                    SReadCase{"only one CR goes", "a\r\r\n", {"a\r"}},
                    SReadCase{"CR at the very end stays", "TRUE\r", {"TRUE\r"}},
                    SReadCase{"bytes as given", std::string("\xC3\xA9t\xC3\xA9\0x\xFF\n", 9),
                              {std::string("\xC3\xA9t\xC3\xA9\0x\xFF", 8)}}));

TEST(TextFile, ReadsALineOfAnyLength) {
    const std::string huge(5'000'000, 'x');
    EXPECT_EQ(ReadLines(huge + "\r\nend\r\n"), (std::vector<std::string>{huge, "end"}));
}

TEST(TextFile, WritesEveryLineFeedAsCrLfAndKeepsOtherBytes) {
    CMemoryFileSystem files;
    CTextFile file(files);
    ASSERT_TRUE(file.Open("f", CTextFile::ModeCreate));
    file.WriteString("Ann\n");
    file.WriteString("\xC3\x85sa\rx\n\n");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(files.m_files["f"], "Ann\r\n\xC3\x85sa\rx\r\n\r\n");
}

TEST(TextFile, CreatingEmptiesAnExistingFile) {
    CMemoryFileSystem files;
    files.m_files["f"] = "old\r\n";
    CTextFile file(files);
    file.Open("f", CTextFile::ModeCreate);
    file.WriteString("new\n");
    file.Close();
    EXPECT_EQ(files.m_files["f"], "new\r\n");
}

TEST(TextFile, AWriteNotClosedLeavesTheFileAsItWas) {
    CMemoryFileSystem files;
    files.m_files["f"] = "old\r\n";
    {
        CTextFile file(files);
        file.Open("f", CTextFile::ModeCreate);
        file.WriteString("new\n");
    }
    EXPECT_EQ(files.m_files["f"], "old\r\n");
}

TEST(TextFile, CloseReportsAFileThatCouldNotBeWritten) {
    CMemoryFileSystem files;
    files.m_bRefuseAll = true;
    CTextFile file(files);
    file.Open("f", CTextFile::ModeCreate);
    file.WriteString("x\n");
    EXPECT_FALSE(file.Close());
}

TEST(TextFile, AppendingWritesAfterTheExistingLines) {
    CMemoryFileSystem files;
    files.m_files["f"] = "a\r\n";
    CTextFile file(files);
    ASSERT_TRUE(file.Open("f", CTextFile::ModeAppend));
    file.WriteString("b\n");
    EXPECT_TRUE(file.Close());
    EXPECT_EQ(files.m_files["f"], "a\r\nb\r\n");
}

TEST(TextFile, AppendingStartsANewLineAfterALastLineWithoutItsEnd) {
    CMemoryFileSystem files;
    files.m_files["f"] = "a\r\nAnn0.ply";
    CTextFile file(files);
    file.Open("f", CTextFile::ModeAppend);
    file.WriteString("b\n");
    file.Close();
    EXPECT_EQ(files.m_files["f"], "a\r\nAnn0.ply\r\nb\r\n");
}

TEST(TextFile, AppendingNeverCreatesAMissingFile) {
    CMemoryFileSystem files;
    CTextFile file(files);
    EXPECT_FALSE(file.Open("f", CTextFile::ModeAppend));
    file.WriteString("b\n");
    EXPECT_FALSE(file.Close());
    EXPECT_EQ(files.m_files.count("f"), 0u);
}

TEST(TextFile, ReadingAMissingFileFails) {
    CMemoryFileSystem files;
    CTextFile file(files);
    EXPECT_FALSE(file.Open("f", CTextFile::ModeRead));
    std::string line = "stale";
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, "");
}

}  // namespace
