#pragma once

#include <memory>
#include <string>
#include <vector>

#include "players/PlayerMessage.h"

class CGameStats;
class CStatistics;

// A player: the name as typed, the player file's name inside the players
// directory, and the game records, oldest first, which the player owns.
class CPlayer {
public:
    explicit CPlayer(FnMessage message = {});
    virtual ~CPlayer();
    CPlayer(const CPlayer&) = delete;
    CPlayer& operator=(const CPlayer&) = delete;

    // A bare player loads and saves nothing.
    virtual bool Load(const std::string& playersDir);
    virtual bool Save(const std::string& playersDir);
    // Drops every record; no record is current afterwards.
    virtual void Clear();

    // The current game's score, never below 1.
    void SetScore(int nScore);

    // Deletes one record; when it was the current one, no record is current.
    void RemoveRecord(const CStatistics* pRecord);
    // Deletes every record except the game in progress.
    void RemoveAllButCurrent();

    std::string m_strFile;
    std::string m_strName;
    std::vector<std::unique_ptr<CStatistics>> m_records;
    CGameStats* m_pCurrentStats = nullptr;  // one of m_records, or null between games

protected:
    // The current record, or null after telling the user that there is none.
    CGameStats* CurrentOrReport();
    void Report(const std::string& text) const;

private:
    FnMessage m_fnMessage;
};
