#pragma once

#include <gtest/gtest.h>

#include <ctime>
#include <string>
#include <vector>

#include "players/CGameStats.h"
#include "players/PlayersWorkout.h"

// "1999-03-07 14:05:09" as the clock gives it, weekday included.
inline std::tm Time(const char* text) {
    std::tm time{};
    ::strptime(text, "%Y-%m-%d %H:%M:%S", &time);
    ::timegm(&time);
    return time;
}

// The 13 lines of a finished game's record, and Ann's file holding only it.
inline const std::string kRecordLines =
    "16 pieces, + - x /, positive numbers\r\n03/07/99 at 02:05:09 PM\r\n"
    "Game was finished on Sunday, 03/07/99 at 02:31 PM\r\n\r\n"
    "TRUE\r\n0\r\n57\r\nFALSE\r\nthe computer\r\n2\r\n1\r\n0\r\n3\r\n";
inline const std::string kOneRecordFile =
    "Ann\r\nAnn0.ply\r\nStart Game Stats\r\n" + kRecordLines + "End Game Stats\r\n";

using Entries = std::vector<SIndexEntry>;

// Ann, whose files live in memory under "players/", and the messages shown as "caption|text".
class PlayersTest : public testing::Test {
protected:
    FnMessage Sink() {
        return [this](const std::string& text, const std::string& caption) {
            m_messages.push_back(caption + "|" + text);
        };
    }
    // Ann's file holding these bytes, loaded.
    bool Load(const std::string& bytes) {
        File("Ann0.ply") = bytes;
        m_player.m_strFile = "Ann0.ply";
        return m_player.Load(kDir);
    }
    std::string& File(const std::string& name) { return m_files.m_files[kDir + name]; }
    CGameStats& Record(std::size_t index) {
        return dynamic_cast<CGameStats&>(*m_player.m_records.at(index));
    }

    const std::string kDir = "players/";
    CFixedClock m_clock{Time("1999-03-07 14:05:09")};
    CMemoryFileSystem m_files;
    const CPlayersIndex m_index{m_files};
    std::vector<std::string> m_messages;
    CGamePlayer m_player{m_clock, Sink(), m_files};
};
