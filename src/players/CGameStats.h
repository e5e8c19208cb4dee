#pragma once

#include <string>

#include "players/CStatistics.h"

// What this game records beyond any game: the outcome, the opponent, passes,
// missed best moves and hints. Stored as lines 8 to 13 of a record.
class CGameStats : public CStatistics {
public:
    void AppendReport(std::string& report, bool bCrLf) const override;
    void Reset() override;
    bool Read(CTextFile& file) override;
    bool Write(CTextFile& file, IClock& clock) override;

    bool m_bDidNotWin = true;
    int m_nMissedMoves = 0;
    std::string m_strOpponent;
    int m_nPasses = 0;
    int m_nOperatorHints = 0;
    int m_nOptimalHints = 0;
    // The game's code (letters and digits), or empty. Kept on a line of its
    // own after the record's end line, where readers of the record's lines
    // look for nothing: a file written here still reads as before.
    std::string m_strCode;
};
