#include "players/CStatsCsv.h"

#include "players/CGameStats.h"

namespace {

const char* const kHeader =
    "Started,Ended,Title,Finished,Score,Did not win,Opponent,Missed moves,Passes,"
    "Operator hints,Optimal hints,Code\r\n";

// The length of the UTF-8 sequence that starts at i, or 0 when none does.
std::size_t SequenceAt(const std::string& bytes, std::size_t i) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    if (lead < 0x80) return 1;
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return 0;
    return length;
}

bool IsUtf8(const std::string& bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t length = SequenceAt(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

// The text itself when it is UTF-8, else read as Latin-1, which old
// single-byte player files hold.
std::string AsUtf8(const std::string& bytes) {
    if (IsUtf8(bytes)) return bytes;
    std::string text;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            text += c;
        } else {
            text += static_cast<char>(0xC0 | (byte >> 6));
            text += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return text;
}

// One field as it stands in a row: in quotes, its quotes doubled, when it
// holds a comma, a quote, a CR or an LF.
std::string Field(const std::string& text) {
    const std::string utf8 = AsUtf8(text);
    if (utf8.find_first_of(",\"\r\n") == std::string::npos) return utf8;
    std::string quoted = "\"";
    for (const char c : utf8) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

}  // namespace

std::string CStatsCsv::Text(const Records& records) {
    std::string text = kHeader;
    const CGameStats none;  // what a bare record holds of a game's own fields
    for (const auto& pRecord : records) {
        const auto* pGame = dynamic_cast<const CGameStats*>(pRecord.get());
        const CGameStats& game = pGame ? *pGame : none;
        const std::string fields[] = {
            pRecord->m_strStarted,
            pRecord->m_strEnded,
            pRecord->m_strTitle,
            CStatistics::FlagText(pRecord->m_bFinished),
            std::to_string(pRecord->m_nScore),
            CStatistics::FlagText(game.m_bDidNotWin),
            game.m_strOpponent,
            std::to_string(game.m_nMissedMoves),
            std::to_string(game.m_nPasses),
            std::to_string(game.m_nOperatorHints),
            std::to_string(game.m_nOptimalHints),
            game.m_strCode,
        };
        for (const std::string& field : fields)
            text += (&field == fields ? "" : ",") + Field(field);
        text += "\r\n";
    }
    return text;
}

bool CStatsCsv::WriteFile(const std::string& path, const Records& records, IFileSystem& files) {
    return files.Replace(path, Text(records));
}
