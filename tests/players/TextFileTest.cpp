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

struct SWriteCase {
    const char* what;
    CTextFile::EOpen mode;
    const char* before;  // null: no file
    std::string text;
    const char* after;   // null: still no file
    bool bWritten;
    bool bRefuse = false;
};

class TextFileWriting : public testing::TestWithParam<SWriteCase> {};

TEST_P(TextFileWriting, StoresLinesWithCrLfOnlyWhenClosed) {
    const SWriteCase& c = GetParam();
    CMemoryFileSystem files;
    if (c.before != nullptr) files.m_files["f"] = c.before;
    files.m_bRefuseAll = c.bRefuse;
    CTextFile file(files);
    file.Open("f", c.mode);
    file.WriteString(c.text);
    const std::string beforeClose = files.m_files.count("f") ? files.m_files["f"] : "<none>";
    EXPECT_EQ(beforeClose, c.before ? c.before : "<none>") << "written before Close: " << c.what;
    EXPECT_EQ(file.Close(), c.bWritten) << c.what;
    if (c.after == nullptr) EXPECT_EQ(files.m_files.count("f"), 0u) << c.what;
    else EXPECT_EQ(files.m_files["f"], c.after) << c.what;
}

INSTANTIATE_TEST_SUITE_P(
    Modes, TextFileWriting,
    testing::Values(
        SWriteCase{"bytes kept, LF as CR LF", CTextFile::ModeCreate, nullptr, "Ann\n\xC3\x85sa\rx\n\n",
                   "Ann\r\n\xC3\x85sa\rx\r\n\r\n", true},
        SWriteCase{"create empties", CTextFile::ModeCreate, "old\r\n", "new\n", "new\r\n", true},
        SWriteCase{"refused", CTextFile::ModeCreate, "old\r\n", "new\n", "old\r\n", false, true},
        SWriteCase{"append", CTextFile::ModeAppend, "a\r\n", "b\n", "a\r\nb\r\n", true},
        SWriteCase{"append after a last line without its end", CTextFile::ModeAppend,
                   "a\r\nAnn0.ply", "b\n", "a\r\nAnn0.ply\r\nb\r\n", true},
        SWriteCase{"append never creates", CTextFile::ModeAppend, nullptr, "b\n", nullptr, false}));

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

TEST(TextFile, ReadingAMissingFileFails) {
    CMemoryFileSystem files;
    CTextFile file(files);
    EXPECT_FALSE(file.Open("f", CTextFile::ModeRead));
    std::string line = "stale";
    EXPECT_FALSE(file.ReadString(line));
    EXPECT_EQ(line, "");
}

}  // namespace
