#pragma once

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "players/CGamePlayer.h"
#include "players/CGameStats.h"
#include "players/CMemoryFileSystem.h"
#include "support/CFixedClock.h"

// Sunday 7 March 1999, at the given time of day.
inline std::tm March7th1999(int hour, int minute, int second = 0) {
    std::tm time{};
    time.tm_year = 99;
    time.tm_mon = 2;
    time.tm_mday = 7;
    time.tm_hour = hour;
    time.tm_min = minute;
    time.tm_sec = second;
    return time;
}

// The 13 lines of a finished game's record, and Ann's file holding only it.
inline const std::string kRecordLines =
    "16 pieces, + - x /, positive numbers\r\n"
    "03/07/99 at 02:05:09 PM\r\n"
    "Game was finished on Sunday, 03/07/99 at 02:31 PM\r\n"
    "\r\n"
    "TRUE\r\n0\r\n57\r\nFALSE\r\nthe computer\r\n2\r\n1\r\n0\r\n3\r\n";
inline const std::string kOneRecordFile =
    "Ann\r\nAnn0.ply\r\nStart Game Stats\r\n" + kRecordLines + "End Game Stats\r\n";

// A player whose files live in memory under "players/", and the messages
// shown to the user as "caption|text".
class PlayersTest : public testing::Test {
protected:
    FnMessage Sink() {
        return [this](const std::string& text, const std::string& caption) {
            m_messages.push_back(caption + "|" + text);
        };
    }
    // The player after loading these bytes as its file.
    CGamePlayer& Loaded(const std::string& bytes, const std::string& file = "Ann0.ply") {
        m_files.m_files[kDir + file] = bytes;
        m_player.m_strFile = file;
        m_player.Load(kDir);
        return m_player;
    }
    CGameStats& Record(std::size_t index) {
        return dynamic_cast<CGameStats&>(*m_player.m_records.at(index));
    }

    const std::string kDir = "players/";
    CFixedClock m_clock{March7th1999(14, 5, 9)};
    CMemoryFileSystem m_files;
    std::vector<std::string> m_messages;
    CGamePlayer m_player{m_clock, Sink(), m_files};
};
