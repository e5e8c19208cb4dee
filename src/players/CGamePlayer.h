#pragma once

#include <string>

#include "players/CDiskFileSystem.h"
#include "players/CPlayer.h"

class IClock;

// The player of a game: its player file and the records of its games.
class CGamePlayer : public CPlayer {
public:
    static constexpr const char* kRecordStart = "Start Game Stats";
    static constexpr const char* kRecordEnd = "End Game Stats";
    static constexpr const char* kCodePrefix = "Game Code ";  // the line after a record's end
    static constexpr int kFileNumbers = 100;  // stem0.ply to stem99.ply

    explicit CGamePlayer(IClock& clock, FnMessage message = {},
                         IFileSystem& files = CDiskFileSystem::Instance());

    // Takes the name and creates the first free player file for it.
    // False, with m_strFile unchanged, when none of the 100 could be created.
    bool CreatePlayerFile(std::string name, std::string playersDir);
    // Appends the records of the player file; a missing file changes nothing.
    // A file that is there but cannot be read changes nothing either: it is
    // reported, naming it, gives false, and Save leaves that file alone.
    bool Load(const std::string& playersDir) override;
    // Replaces the player file. A player without a file name saves nothing;
    // a file that cannot be written is reported, naming it, and gives false.
    bool Save(const std::string& playersDir) override;

    // Opens a new current record; one still open simply stops being current.
    void StartStats(const std::string& title);
    // Closes the current record, if any, with its outcome and end time.
    void EndStats(const std::string& opponent, bool bFinished, bool bDidNotWin);
    void AddOptimalHint();
    void AddOperatorHint();
    void AddMissedMove();
    void AddPass();

private:
    IClock& m_clock;
    IFileSystem& m_files;
    std::string m_strUnreadFile;  // the player file that Load found but could not read
};
