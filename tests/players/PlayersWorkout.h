#pragma once

#include <ctime>
#include <string>
#include <vector>

#include "players/CGamePlayer.h"
#include "players/CMemoryFileSystem.h"
#include "players/CPlayersIndex.h"
#include "players/CStatsReport.h"
#include "support/CFixedClock.h"

// Everything the game does with a players index and the files it names, on bytes that are
// both the index and Ann's player file, all in memory. True when nothing outside the
// players folder was touched. Shared by the damaged-input test and the players fuzz target.
inline bool WorkStaysInsidePlayersDir(const std::string& bytes) {
    const std::string dir = "players/";
    CMemoryFileSystem files;
    files.m_files[dir + CPlayersIndex::kFileName] = bytes;
    files.m_files[dir + "Ann0.ply"] = bytes;
    CFixedClock clock(std::tm{});
    const CPlayersIndex index(files);
    std::vector<SIndexEntry> entries{{"Ann", "Ann0.ply"}};
    index.FillPlayerList(dir, {}, [&](const SIndexEntry& entry) { entries.push_back(entry); }, {});
    for (const SIndexEntry& entry : entries) {
        CGamePlayer player(clock, {}, files);
        player.m_strName = entry.strName;
        player.m_strFile = entry.strFile;
        player.Load(dir);
        std::string report;
        for (const auto& pRecord : player.m_records)
            CStatsReport::BuildReport(report, player.m_strName, *pRecord, true);
        player.Save(dir);
        index.RemovePlayerFile(dir, player.m_strFile);
    }
    index.Append(dir, {"Bob", "Bob0.ply"});
    index.Rewrite(dir, entries);
    return files.TouchedOnlyInside(dir);
}
