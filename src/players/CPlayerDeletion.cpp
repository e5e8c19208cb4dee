#include "players/CPlayerDeletion.h"

#include <set>

#include "players/CPlayerApp.h"
#include "players/CPlayerFileName.h"

CPlayerDeletion::CPlayerDeletion(const CPlayerApp& app) : m_app(app) {}

bool CPlayerDeletion::IsOffered(const SIndexEntry& entry) const {
    return entry.strFile.empty() || !m_app.IsCurrentPlayerFile(entry.strFile);
}

void CPlayerDeletion::Delete(const std::vector<SListedPlayer>& listed) {
    m_remaining.clear();
    m_failed.clear();
    std::set<std::string> gone;
    for (const SListedPlayer& player : listed) {
        // Without a plain file name the player has no file to remove, and
        // neither the players directory itself nor anything outside it may go.
        if (!player.bChosen || !CPlayerFileName::IsPlain(player.entry.strFile)) continue;
        if (RemoveFile(player.entry.strFile))
            gone.insert(player.entry.strFile);
        else
            m_failed.push_back(player.entry.strName);
    }
    // A seat without a file (its choice was cancelled) is nobody in the index:
    // its name above a real player's would take that player's place.
    for (const auto& pSeat : m_app.m_pPlayers)
        if (pSeat && !pSeat->m_strFile.empty())
            m_remaining.push_back({pSeat->m_strName, pSeat->m_strFile});
    for (const SListedPlayer& player : listed) {
        // A removed file takes every entry that names it; a player whose file
        // could not be removed stays.
        const std::string& file = player.entry.strFile;
        const bool bKept = CPlayerFileName::IsPlain(file) ? gone.count(file) == 0 : !player.bChosen;
        if (bKept) m_remaining.push_back(player.entry);
    }
    m_bIndexWritten = CPlayersIndex(m_app.Files()).Rewrite(m_app.PlayersDir(), m_remaining);
}

bool CPlayerDeletion::RemoveFile(const std::string& file) const {
    const std::string path = m_app.PlayersDir() + file;
    if (m_app.Files().Remove(path)) return true;
    std::string bytes;
    return m_app.Files().ReadAll(path, bytes) == EReadResult::Missing;
}

std::string CPlayerDeletion::FailureText() const {
    if (m_failed.empty()) return {};
    std::string text = "These players could not be deleted and are kept:";
    for (const std::string& name : m_failed) text += "\n" + name;
    return text;
}
