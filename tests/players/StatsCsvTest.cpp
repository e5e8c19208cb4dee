#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "players/CStatsCsv.h"
#include "players/PlayersTest.h"

namespace {

// The file as Python's csv module reads it: fields joined by "|", rows by "#"; empty if refused.
std::string ParsedByPython(const std::string& path) {
    const std::string command =
        "python3 -c 'import csv,sys; sys.stdout.buffer.write(\"#\".join(\"|\".join(r) for r in "
        "csv.reader(open(sys.argv[1], newline=\"\", encoding=\"utf-8\"), strict=True)).encode())' ";
    std::string out;
    FILE* pipe = ::popen((command + path).c_str(), "r");
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;) out += char(c);
    if (pipe) ::pclose(pipe);
    return out;
}

TEST_F(PlayersTest, StatsCsvReadsBackThroughARealCsvParserAndAFailedWriteLeavesNoFile) {
    ASSERT_TRUE(Load(kOneRecordFile));
    Record(0).m_strTitle += "\n\xE9l\xE8ves";  // an old file's Latin-1
    Record(0).m_strOpponent = "Ren\u00e9e \"Ace\", O'Brien";
    Record(0).m_strCode = "A1B2C3D4E5F6";
    std::string dir = std::filesystem::temp_directory_path() / "tfcsvXXXXXX";
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    ASSERT_TRUE(CStatsCsv::WriteFile(dir + "/games.csv", m_player.m_records));
    EXPECT_EQ(ParsedByPython(dir + "/games.csv"),
              "Started|Ended|Title|Finished|Score|Did not win|Opponent|Missed moves|Passes|"
              "Operator hints|Optimal hints|Code#03/07/99 at 02:05:09 PM|Game was finished on "
              "Sunday, 03/07/99 at 02:31 PM|16 pieces, + - x /, positive numbers\n\u00e9l\u00e8ves|"
              "TRUE|57|FALSE|Ren\u00e9e \"Ace\", O'Brien|2|1|0|3|A1B2C3D4E5F6");
    // Rows end in CR LF; the one bare LF is inside the quoted title.
    std::ifstream file(dir + "/games.csv", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    EXPECT_FALSE(CStatsCsv::WriteFile(dir + "/none/games.csv", m_player.m_records));
    EXPECT_FALSE(std::filesystem::exists(dir + "/none"));
    std::filesystem::remove_all(dir);
}

}  // namespace
