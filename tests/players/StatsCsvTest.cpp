#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <tuple>

#include "players/CGameStats.h"
#include "players/CStatsCsv.h"

namespace {

// The rows of a CSV file as Python's csv module reads them: fields split by
// \x1f, rows by \x1e; empty when it refuses the file.
std::string ParsedByPython(const std::string& path) {
    const std::string command =
        "python3 -c 'import csv,sys; rows = csv.reader(open(sys.argv[1], newline=\"\", "
        "encoding=\"utf-8\"), strict=True); sys.stdout.buffer.write(\"\\x1e\".join(\"\\x1f\"."
        "join(r) for r in rows).encode())' " +
        path;
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    for (int c; pipe && (c = std::fgetc(pipe)) != EOF;) out += char(c);
    if (pipe) ::pclose(pipe);
    return out;
}

TEST(StatsCsv, EveryFieldOfEveryRecordReadsBackThroughARealCsvParser) {
    CStatsCsv::Records records;
    auto game = std::make_unique<CGameStats>();
    game->m_strStarted = "03/07/99 at 02:05:09 PM";
    game->m_strEnded = "Game was finished on Sunday, 03/07/99 at 02:31 PM";
    game->m_strTitle = "16 pieces, + - x /,\npositive numbers";
    game->m_bFinished = true;
    game->m_nScore = 57;
    game->m_bDidNotWin = false;
    game->m_strOpponent =
        "Ren\xC3\xA9"
        "e \"Ace\", O'Brien";
    std::tie(game->m_nMissedMoves, game->m_nPasses, game->m_nOperatorHints) = std::tuple(2, 1, 4);
    game->m_nOptimalHints = 3;
    game->m_strCode = "A1B2C3D4E5F6";
    records.push_back(std::move(game));
    auto old = std::make_unique<CGameStats>();
    old->m_strOpponent = "\xC9lise";  // a single-byte name from an old file
    records.push_back(std::move(old));

    std::string dir = (std::filesystem::temp_directory_path() / "tfcsvXXXXXX").string();
    ASSERT_NE(::mkdtemp(dir.data()), nullptr);
    ASSERT_TRUE(CStatsCsv::WriteFile(dir + "/games.csv", records));
    EXPECT_EQ(ParsedByPython(dir + "/games.csv"),
              "Started\x1f"
              "Ended\x1fTitle\x1f"
              "Finished\x1fScore\x1f"
              "Did not win\x1fOpponent\x1f"
              "Missed moves\x1fPasses\x1fOperator hints\x1fOptimal hints\x1f"
              "Code\x1e"
              "03/07/99 at 02:05:09 PM\x1fGame was finished on Sunday, 03/07/99 at 02:31 PM\x1f"
              "16 pieces, + - x /,\npositive numbers\x1fTRUE\x1f"
              "57\x1f"
              "FALSE\x1f"
              "Ren\xC3\xA9"
              "e \"Ace\", O'Brien\x1f"
              "2\x1f"
              "1\x1f"
              "4\x1f"
              "3\x1f"
              "A1B2C3D4E5F6\x1e\x1f\x1f\x1f"
              "FALSE\x1f"
              "1\x1fTRUE\x1f\xC3\x89lise\x1f"
              "0\x1f"
              "0\x1f"
              "0\x1f"
              "0\x1f");
    // Rows end in CR LF; the only bare LF is the one inside the quoted title.
    std::stringstream bytes;
    bytes << std::ifstream(dir + "/games.csv", std::ios::binary).rdbuf();
    std::string text = bytes.str();
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.erase(at, 2);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1);
    // A folder that is not there: refused, and nothing is left behind.
    EXPECT_FALSE(CStatsCsv::WriteFile(dir + "/none/games.csv", records));
    EXPECT_FALSE(std::filesystem::exists(dir + "/none"));
    std::filesystem::remove_all(dir);
}

}  // namespace
