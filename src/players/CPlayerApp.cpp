#include "players/CPlayerApp.h"

#include <filesystem>
#include <system_error>

#include "platform/WinPath.h"
#include "players/CTextFile.h"

namespace {

std::string WorkingDirectory() {
    std::error_code error;
    const std::filesystem::path dir = std::filesystem::current_path(error);
    return error ? std::string() : dir.string();
}

}  // namespace

CPlayerApp::CPlayerApp(FnMessage message, FnCurrentDir currentDir, IFileSystem& files)
    : m_fnMessage(std::move(message)),
      m_fnCurrentDir(currentDir ? std::move(currentDir) : FnCurrentDir(WorkingDirectory)),
      m_files(files) {}

CPlayerApp::~CPlayerApp() = default;

bool CPlayerApp::InitInstance(const std::vector<std::string>& arguments) {
    if (!arguments.empty()) {
        Message("Please start a saved game after startup!");
        return false;
    }
    const std::string dir = m_fnCurrentDir();
    m_strAppDir = dir.empty() || dir.back() == '/' ? dir : dir + "/";
    // A save cut short by a crash leaves its temporary file beside the target.
    m_files.RemoveStaleTemporaries(PlayersDir());
    m_files.RemoveStaleTemporaries(AppPath(kDataFolder));
    const std::string settings = AppPath(kSettingsFile);
    CTextFile file(m_files);
    std::string line;
    m_bSound = file.Open(settings, CTextFile::ModeRead) && file.ReadString(line) && line == "TRUE";
    file.Close();
    if (file.ReadFailed()) Message("Unable to read the settings file " + settings + "!");
    CTextFile levels(m_files);
    if (levels.Open(AppPath(kLevelFile), CTextFile::ModeRead) && levels.ReadString(line) &&
        line.size() == 1 && line[0] >= '0' && line[0] <= '2')
        m_nLevel = line[0] - '0';
    return true;
}

int CPlayerApp::ExitInstance() {
    CTextFile file(m_files);
    file.Open(AppPath(kSettingsFile), CTextFile::ModeCreate);
    file.WriteString(m_bSound ? "TRUE\n" : "FALSE\n");
    file.Close();
    CTextFile levels(m_files);
    levels.Open(AppPath(kLevelFile), CTextFile::ModeCreate);
    levels.WriteString(std::to_string(m_nLevel) + "\n");
    levels.Close();
    return 0;
}

std::string CPlayerApp::AppPath(const std::string& gameName) const {
    // Only the game's own part is translated: the working directory's name is
    // taken as the system gives it.
    return m_strAppDir + ToLocalPath(gameName);
}

bool CPlayerApp::IsCurrentPlayerFile(const std::string& file) const {
    for (const auto& pPlayer : m_pPlayers)
        if (pPlayer && pPlayer->m_strFile == file) return true;
    return false;
}

void CPlayerApp::Message(const std::string& text) const {
    if (m_fnMessage) m_fnMessage(text, std::string());
}
