#pragma once

#include <QListWidget>
#include <string>

#include "players/CPlayersIndex.h"
#include "players/PlayerMessage.h"

// A list of player names; each entry carries its player's file name, both as
// the bytes read from the index (the name is shown as ShownText). Entries
// are kept in order of their names without regard to case, and searched the
// same way; entries of equal names stay in the order they were added.
class CPlayerListBox : public QListWidget {
    Q_OBJECT
public:
    explicit CPlayerListBox(QWidget* parent = nullptr);

    // Adds the name in its place and returns the new entry's index.
    int AddItem(const std::string& name, const std::string& file);
    // The entry's name and file name as added; false for an index without an entry.
    bool GetItem(int nIndex, std::string& name, std::string& file) const;

    // Empties the list and lists every player of the index that skip (may be
    // empty) does not refuse; a missing index is created (see CPlayersIndex).
    void Fill(const CPlayersIndex& index, const std::string& playersDir, const FnMessage& message,
              const CPlayersIndex::FnSkip& skip = {});

    // The first entry from the top whose name begins with / equals text
    // ignoring case, or -1.
    int FindPrefix(const QString& text) const;
    int FindExact(const QString& text) const;

    // The selected entry, or -1.
    int Selected() const;
    // Selects the entry; -1 clears the selection.
    void Select(int nIndex);
};
