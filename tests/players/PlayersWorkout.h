#pragma once

#include <string>
#include <vector>

#include "players/CGamePlayer.h"
#include "players/CPlayersIndex.h"
#include "players/CStatistics.h"
#include "players/CStatsReport.h"

// Everything the game does with a players index and the files it names:
// the list is filled, then every entry's player (and those in extra) is
// loaded, reported, saved and removed, and the index rewritten. Shared by
// the damaged-input test and the players fuzz target.
inline void UseEveryIndexEntry(IFileSystem& files, IClock& clock, const std::string& playersDir,
                               const std::vector<SIndexEntry>& extra = {}) {
    const CPlayersIndex index(files);
    std::vector<SIndexEntry> entries;
    index.FillPlayerList(playersDir, {},
                         [&](const SIndexEntry& entry) { entries.push_back(entry); }, {});
    entries.insert(entries.end(), extra.begin(), extra.end());
    for (const SIndexEntry& entry : entries) {
        CGamePlayer player(clock, {}, files);
        player.m_strName = entry.strName;
        player.m_strFile = entry.strFile;
        player.Load(playersDir);
        std::string report;
        for (const auto& pRecord : player.m_records)
            CStatsReport::BuildReport(report, player.m_strName, *pRecord, true);
        player.Save(playersDir);
        index.RemovePlayerFile(playersDir, player.m_strFile);
    }
    index.Rewrite(playersDir, entries);
}
