#include "players/CPlayer.h"

#include <algorithm>

#include "players/CGameStats.h"

CPlayer::CPlayer(FnMessage message) : m_fnMessage(std::move(message)) {}

CPlayer::~CPlayer() = default;

bool CPlayer::Load(const std::string&) { return false; }

bool CPlayer::Save(const std::string&) { return false; }

void CPlayer::Clear() {
    m_pCurrentStats = nullptr;
    m_records.clear();
}

void CPlayer::SetScore(int nScore) {
    if (CGameStats* pStats = CurrentOrReport()) pStats->m_nScore = nScore <= 0 ? 1 : nScore;
}

void CPlayer::RemoveRecord(const CStatistics* pRecord) {
    if (pRecord == m_pCurrentStats) m_pCurrentStats = nullptr;
    m_records.erase(std::remove_if(m_records.begin(), m_records.end(),
                                   [pRecord](const auto& p) { return p.get() == pRecord; }),
                    m_records.end());
}

void CPlayer::RemoveAllButCurrent() {
    m_records.erase(std::remove_if(m_records.begin(), m_records.end(),
                                   [this](const auto& p) { return p.get() != m_pCurrentStats; }),
                    m_records.end());
}

CGameStats* CPlayer::CurrentOrReport() {
    if (m_pCurrentStats == nullptr) Report("No m_pCurrentStats!");
    return m_pCurrentStats;
}

void CPlayer::Report(const std::string& text) const {
    if (m_fnMessage) m_fnMessage(text, std::string());
}
