#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "players/CDiskFileSystem.h"
#include "players/CGamePlayer.h"
#include "players/PlayerMessage.h"

// The application's players side: the program directory every path starts
// from, the sound switch kept in "Data\Sound.dat", and the two current
// players. The windowed application holds or derives from it and connects
// the message callback to its message boxes.
class CPlayerApp {
public:
    static constexpr const char* kSettingsFile = "Data\\Sound.dat";
    // The computer's level, one line "0".."2", beside the sound switch whose
    // file stays as it always was.
    static constexpr const char* kLevelFile = "Data\\Computer.dat";
    static constexpr const char* kPlayersFolder = "players\\";
    static constexpr const char* kDataFolder = "Data\\";
    // The working directory at start-up; empty when it cannot be found.
    using FnCurrentDir = std::function<std::string()>;

    explicit CPlayerApp(FnMessage message, FnCurrentDir currentDir = {},
                        IFileSystem& files = CDiskFileSystem::Instance());
    virtual ~CPlayerApp();
    CPlayerApp(const CPlayerApp&) = delete;
    CPlayerApp& operator=(const CPlayerApp&) = delete;

    // Start-up with the program's arguments (without the program's name).
    // Any argument is refused with a message: sounds stay off and paths stay
    // relative. Otherwise fixes the program directory, removes the temporary
    // files of saves cut short from the players and data folders and reads the
    // sound switch; a settings file that is there but cannot be read is
    // reported and leaves sounds off. False when the arguments were refused.
    virtual bool InitInstance(const std::vector<std::string>& arguments);
    // Writes the sound switch back; a file that cannot be written is skipped.
    virtual int ExitInstance();

    // A game name ("Data\Sound.dat", "players\") as a path under the program directory.
    std::string AppPath(const std::string& gameName) const;
    std::string PlayersDir() const { return AppPath(kPlayersFolder); }
    // Whether file is the player file of a player in the current game.
    bool IsCurrentPlayerFile(const std::string& file) const;
    // Where every file of the players side is read and written.
    IFileSystem& Files() const { return m_files; }

    std::string m_strAppDir;  // the working directory at start-up with a trailing "/"
    bool m_bSound = false;
    int m_nLevel = 2;  // the computer's strength for the next game, 0..2 (2: the design's)
    std::unique_ptr<CGamePlayer> m_pPlayers[2];  // seat 0 player one, seat 1 player two

protected:
    void Message(const std::string& text) const;

private:
    FnMessage m_fnMessage;
    FnCurrentDir m_fnCurrentDir;
    IFileSystem& m_files;
};
