#pragma once

#include <string>
#include <vector>

#include "players/CPlayersIndex.h"

class CPlayerApp;

// One player offered for deletion, as listed, and whether the user chose it.
struct SListedPlayer {
    SIndexEntry entry;
    bool bChosen = false;
};

// Deleting players: removes the chosen players' files and rewrites the
// players index to match what is left. The players of the game in progress
// are never offered and head the new index.
class CPlayerDeletion {
public:
    explicit CPlayerDeletion(const CPlayerApp& app);

    // Whether an index entry may be offered: not the file of a player in the
    // current game. Entries without a file belong to nobody's seat.
    bool IsOffered(const SIndexEntry& entry) const;

    // Removes the files of the chosen entries and rewrites the index: the
    // seats that have a player file, then every listed entry whose file is
    // still there.
    // A file already gone counts as removed; an entry without a plain file
    // name has no file to remove and simply leaves the index.
    void Delete(const std::vector<SListedPlayer>& listed);

    // The index as rewritten, the chosen players whose files could not be
    // removed (they stay listed), and whether the index could be written.
    const std::vector<SIndexEntry>& Remaining() const { return m_remaining; }
    const std::vector<std::string>& Failed() const { return m_failed; }
    bool IndexWritten() const { return m_bIndexWritten; }
    // The one message naming every player that could not be deleted.
    std::string FailureText() const;

private:
    // True when the file (a plain name) is gone now, whether removed here or before.
    bool RemoveFile(const std::string& file) const;

    const CPlayerApp& m_app;
    std::vector<SIndexEntry> m_remaining;
    std::vector<std::string> m_failed;
    bool m_bIndexWritten = false;
};
