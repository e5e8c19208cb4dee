#include "players/CGamePlayer.h"

#include <climits>

#include "platform/IClock.h"
#include "players/CGameStats.h"
#include "players/CPlayerFileName.h"
#include "players/CTextFile.h"
#include "players/TimeText.h"

namespace {

// A count read from a file may already stand at the top of the range.
void CountOne(int& nCount) {
    if (nCount < INT_MAX) ++nCount;
}

}  // namespace

CGamePlayer::CGamePlayer(IClock& clock, FnMessage message, IFileSystem& files)
    : CPlayer(std::move(message)), m_clock(clock), m_files(files) {}

bool CGamePlayer::CreatePlayerFile(std::string name, std::string playersDir) {
    m_strName = name;
    const std::string stem = CPlayerFileName::Stem(name);
    for (int n = 0; n < kFileNumbers; ++n) {
        const std::string file = CPlayerFileName::Candidate(stem, n);
        const std::string path = CPlayerFileName::PathIn(playersDir, file);
        // Only a file that does not exist yet is taken: the name of a deleted
        // player is free again, an existing file is never emptied.
        if (!path.empty() && m_files.CreateNew(path)) {
            m_strFile = file;
            return true;
        }
    }
    return false;
}

bool CGamePlayer::Load(const std::string& playersDir) {
    const std::string path = CPlayerFileName::PathIn(playersDir, m_strFile);
    CTextFile file(m_files);
    const bool bOpen = !path.empty() && file.Open(path, CTextFile::ModeRead);
    m_strUnreadFile.clear();
    if (file.ReadFailed()) {
        m_strUnreadFile = m_strFile;  // it may still hold records: Save keeps off it
        Report("Unable to read the player file " + path + "!");
        return false;
    }
    if (!bOpen) return true;  // no file yet: a player without records
    std::string line;
    if (file.ReadString(line)) m_strName = line;
    // Line 2 repeats the file's own name. The player keeps the file it was
    // opened by, so that a damaged line here never sends a save elsewhere.
    file.ReadString(line);
    const std::string prefix = kCodePrefix;
    while (file.ReadString(line)) {
        if (line.rfind(prefix, 0) == 0 && !m_records.empty())
            static_cast<CGameStats&>(*m_records.back()).m_strCode = line.substr(prefix.size());
        if (line != kRecordStart) continue;
        auto pStats = std::make_unique<CGameStats>();
        pStats->Read(file);
        m_records.push_back(std::move(pStats));
    }
    file.Close();
    return true;
}

bool CGamePlayer::Save(const std::string& playersDir) {
    if (m_strFile.empty()) return true;  // a guest: nowhere to save to
    const std::string path = CPlayerFileName::PathIn(playersDir, m_strFile);
    CTextFile file(m_files);
    bool ok =
        !path.empty() && m_strFile != m_strUnreadFile && file.Open(path, CTextFile::ModeCreate);
    if (ok) {
        file.WriteString(m_strName + "\n");
        file.WriteString(m_strFile + "\n");
        for (const auto& pRecord : m_records) {
            file.WriteString(std::string(kRecordStart) + "\n");
            pRecord->Write(file, m_clock);
            file.WriteString(std::string(kRecordEnd) + "\n");
            const std::string& code = static_cast<const CGameStats&>(*pRecord).m_strCode;
            if (!code.empty()) file.WriteString(kCodePrefix + code + "\n");
        }
        ok = file.Close();
    }
    if (!ok) Report("Unable to save the player file " + playersDir + m_strFile + "!");
    return ok;
}

void CGamePlayer::StartStats(const std::string& title) {
    auto pStats = std::make_unique<CGameStats>();
    pStats->m_strStarted = FormatTime(CStatistics::kStartedFormat, m_clock.LocalNow());
    pStats->m_strTitle = title;
    m_pCurrentStats = pStats.get();
    m_records.push_back(std::move(pStats));
}

void CGamePlayer::EndStats(const std::string& opponent, bool bFinished, bool bDidNotWin) {
    if (m_pCurrentStats == nullptr) return;
    const std::tm now = m_clock.LocalNow();
    m_pCurrentStats->m_bDidNotWin = bDidNotWin;
    m_pCurrentStats->m_strOpponent = opponent;
    m_pCurrentStats->m_bFinished = bFinished;
    m_pCurrentStats->m_strEnded =
        FormatTime(bFinished ? CStatistics::kFinishedFormat : CStatistics::kPlayedFormat, now);
    m_pCurrentStats = nullptr;
}

void CGamePlayer::AddOptimalHint() {
    if (CGameStats* pStats = CurrentOrReport()) CountOne(pStats->m_nOptimalHints);
}

void CGamePlayer::AddOperatorHint() {
    if (CGameStats* pStats = CurrentOrReport()) CountOne(pStats->m_nOperatorHints);
}

void CGamePlayer::AddMissedMove() {
    if (CGameStats* pStats = CurrentOrReport()) CountOne(pStats->m_nMissedMoves);
}

void CGamePlayer::AddPass() {
    if (CGameStats* pStats = CurrentOrReport()) CountOne(pStats->m_nPasses);
}
