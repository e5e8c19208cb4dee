#pragma once

#include <stdlib.h>

#include <ctime>
#include <deque>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/IRandom.h"
#include "players/CGamePlayer.h"
#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "players/CPlayerApp.h"
#include "support/CFixedClock.h"
#include "support/PopOr.h"

// Hands out queued draws, then 0 (which deals 0 and blocks cell 0).
class CQueueRandom : public IRandom {
public:
    int Next() override { return PopOr(m_draws, 0); }
    // One deal of 15 sets, all a, b, c.
    void Deal(int a, int b, int c, int nSets = 15) {
        for (int i = 0; i < nSets; ++i) Set(a, b, c);
    }
    // One set: the draws that deal a, b, c (0..10).
    void Set(int a, int b, int c) {
        for (int n : {a, b, c}) m_draws.push_back(n >= 10 ? 32767 : (n * 32767 + 9) / 10);
    }
    std::deque<int> m_draws;
};

// A board file: cell i holds values[i]; a negative entry leaves the cell empty.
inline std::string BoardText(const std::vector<int>& values) {
    std::string text;
    for (std::size_t i = 0; i < 35; ++i) {
        if (i < values.size() && values[i] >= 0)
            text += std::to_string(values[i]) + " ," + std::to_string(i);
        text += "\n";
    }
    return text;
}

// A working directory of its own with data/ASMD.A holding text, the board of
// a game of all operators and signs; the old one comes back afterwards.
class CBoardFolder {
public:
    explicit CBoardFolder(const std::string& text) {
        namespace fs = std::filesystem;
        std::string pattern = (fs::temp_directory_path() / "tallyfold-test-XXXXXX").string();
        m_dir = mkdtemp(pattern.data());
        fs::create_directory(m_dir / "data");
        std::ofstream(m_dir / "data" / "ASMD.A") << text;
        fs::current_path(m_dir);
    }
    ~CBoardFolder() {
        std::filesystem::current_path(m_previous);
        std::filesystem::remove_all(m_dir);
    }
    CBoardFolder(const CBoardFolder&) = delete;
    CBoardFolder& operator=(const CBoardFolder&) = delete;

private:
    std::filesystem::path m_previous = std::filesystem::current_path();
    std::filesystem::path m_dir;
};

// A record of a player's as the game statistics it is.
inline const CGameStats& Stats(const std::unique_ptr<CStatistics>& record) {
    return static_cast<const CGameStats&>(*record);
}

// The application's players, with files in memory under "/g/players/".
class CTestPlayers {
public:
    CTestPlayers() : m_clock(Noon()), m_app({}, CurrentDir, m_files) { m_app.InitInstance({}); }
    std::unique_ptr<CGamePlayer> Player(const std::string& name) {
        auto player = std::make_unique<CGamePlayer>(m_clock, FnMessage{}, m_files);
        player->m_strName = name;
        player->m_strFile = name + "0.ply";
        return player;
    }
    void Seat(int nSeat, const std::string& name) { m_app.m_pPlayers[nSeat] = Player(name); }
    // The player as the file holds it now; null when it cannot be read.
    std::unique_ptr<CGamePlayer> Saved(const std::string& name) {
        auto player = Player(name);
        return player->Load("/g/players/") ? std::move(player) : nullptr;
    }
    std::string& File(const std::string& name) { return m_files.m_files["/g/players/" + name + "0.ply"]; }
    static std::string CurrentDir() { return "/g/"; }
    static std::tm Noon() {  // 6 December 2026
        std::tm t{};
        t.tm_year = 126, t.tm_mon = 11, t.tm_mday = 6, t.tm_hour = 12;
        return t;
    }

    CMemoryFileSystem m_files;
    CFixedClock m_clock;
    CPlayerApp m_app;
};
