#pragma once

#include <QString>

// The per-user folder an installed game runs in. The game reads data/ and its
// help file, and writes players/ and data/Sound.dat, relative to its working
// directory, so each user gets a folder of their own that holds a copy of the
// installed files beside their players.
class CGameFolder {
public:
    // Under the user's data directory ($XDG_DATA_HOME or ~/.local/share);
    // empty when there is none.
    static QString UserFolder();

    // Makes folder with players/ in it and copies every installed file that
    // is missing there or differs from the installed one in size or time.
    // Nothing else in folder is touched: players/ and the settings file stay.
    // False with Error() set when a folder or a file cannot be made.
    bool Prepare(const QString& installed, const QString& folder);
    const QString& Error() const { return m_strError; }

private:
    bool Refresh(const QString& source, const QString& target);

    QString m_strError;
};
