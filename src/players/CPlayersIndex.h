#pragma once

#include <functional>
#include <string>
#include <vector>

#include "players/CDiskFileSystem.h"
#include "players/PlayerMessage.h"

// One line pair of the players index: a name and its player file's name
// (which may be empty, or anything at all in a damaged index).
struct SIndexEntry {
    std::string strName;
    std::string strFile;
    bool operator==(const SIndexEntry& other) const {
        return strName == other.strName && strFile == other.strFile;
    }
};

// The players index "data" in the players directory, and the removal of
// player files listed in it. Every operation takes the players directory as
// a local path ending in "/".
class CPlayersIndex {
public:
    static constexpr const char* kFileName = "data";
    using FnSkip = std::function<bool(const SIndexEntry& entry)>;
    using FnAdd = std::function<void(const SIndexEntry& entry)>;

    explicit CPlayersIndex(IFileSystem& files = CDiskFileSystem::Instance());

    // The entries in file order; empty name lines are passed over and a last
    // name without a file line gets an empty file name.
    EReadResult Read(const std::string& playersDir, std::vector<SIndexEntry>& entries) const;
    // Adds one pair at the end of an existing index; never creates it. False
    // when the index is missing or cannot be read (reported, naming it) or written.
    bool Append(const std::string& playersDir, const SIndexEntry& entry,
                const FnMessage& message = {}) const;
    // Replaces the whole index with these pairs.
    bool Rewrite(const std::string& playersDir, const std::vector<SIndexEntry>& entries) const;
    // Fills a player list: every entry that skip (may be empty) does not
    // refuse is given to add. A missing index is created empty; when even
    // that fails, "Please re-install Brainwick!" is shown and nothing added.
    // An index that is there but cannot be read is reported, naming it, and
    // left as it is.
    void FillPlayerList(const std::string& playersDir, const FnSkip& skip, const FnAdd& add,
                        const FnMessage& message) const;
    // Deletes a player's file; false for a file name that is not a plain
    // name inside the players directory, or a file that cannot be removed.
    bool RemovePlayerFile(const std::string& playersDir, const std::string& file) const;

private:
    IFileSystem& m_files;
};
