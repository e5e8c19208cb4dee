#include "players/CDiskFileSystem.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>

namespace {

// A temporary is named "." + target + kTemporaryMark + process id + "-" + counter.
const std::string kTemporaryMark = ".tmp";

int OpenRetrying(const char* path, int flags, mode_t mode = 0) {
    int fd;
    do {
        fd = ::open(path, flags | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".") : path.substr(0, slash + 1);
}

// The number that text holds when it is 1 to 9 decimal digits, else -1.
long SmallNumber(const std::string& text) {
    if (text.empty() || text.size() > 9) return -1;
    long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The process id in a name that TemporaryName made, or -1 for any other name.
long TemporaryOwner(const std::string& name) {
    const std::size_t dash = name.rfind('-');
    if (name.size() < 2 || name[0] != '.' || dash == std::string::npos) return -1;
    const std::size_t mark = name.rfind(kTemporaryMark, dash);
    if (mark == std::string::npos || mark < 2 || SmallNumber(name.substr(dash + 1)) < 0) return -1;
    const std::size_t digits = mark + kTemporaryMark.size();
    return SmallNumber(name.substr(digits, dash - digits));
}

bool IsRunning(long pid) {
    if (pid <= 0 || pid == static_cast<long>(::getpid())) return false;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno == EPERM;
}

}  // namespace

CDiskFileSystem& CDiskFileSystem::Instance() {
    static CDiskFileSystem files;
    return files;
}

EReadResult CDiskFileSystem::ReadAll(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = OpenRetrying(path.c_str(), O_RDONLY);
    if (fd < 0)
        return errno == ENOENT || errno == ENOTDIR ? EReadResult::Missing : EReadResult::Failed;
    char chunk[65536];
    bool ok = true;
    for (;;) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) ok = false;  // a folder, or a read error
        if (got <= 0) break;
        bytes.append(chunk, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (!ok) bytes.clear();
    return ok ? EReadResult::Read : EReadResult::Failed;
}

bool CDiskFileSystem::CreateNew(const std::string& path) {
    // O_EXCL: a file that exists but cannot be read is never emptied.
    const int fd = OpenRetrying(path.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0) return false;
    return ::close(fd) == 0;
}

bool CDiskFileSystem::Replace(const std::string& path, const std::string& bytes) {
    const std::string temporary = TemporaryName(path);
    const int fd = OpenRetrying(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd < 0) return false;
    // A file the user made private, or read-only, stays so.
    struct stat old;
    bool ok = ::stat(path.c_str(), &old) != 0 || ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && WriteAllBytes(fd, bytes) && Flush(fd);
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself durable; a folder that cannot be synced is no error.
    const int folder = OpenRetrying(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}

bool CDiskFileSystem::Remove(const std::string& path) {
    return ::unlink(path.c_str()) == 0;
}

void CDiskFileSystem::RemoveStaleTemporaries(const std::string& dir) {
    DIR* pFolder = ::opendir(dir.empty() ? "." : dir.c_str());
    if (pFolder == nullptr) return;
    while (const dirent* pEntry = ::readdir(pFolder)) {
        const std::string name = pEntry->d_name;
        const long owner = TemporaryOwner(name);
        if (owner >= 0 && !IsRunning(owner)) ::unlink((dir + name).c_str());
    }
    ::closedir(pFolder);
}

long CDiskFileSystem::WriteSome(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

bool CDiskFileSystem::Flush(int fd) {
    return ::fsync(fd) == 0;
}

bool CDiskFileSystem::WriteAllBytes(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const long wrote = WriteSome(fd, bytes.data() + done, bytes.size() - done);
        if (wrote < 0 && errno == EINTR) continue;
        if (wrote <= 0) return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

std::string CDiskFileSystem::TemporaryName(const std::string& path) {
    // Same folder as the target, so that the rename never crosses devices;
    // the leading dot keeps it out of sight, the counter apart from other saves.
    static std::atomic<unsigned> s_nCounter{0};
    const std::size_t slash = path.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + kTemporaryMark +
           std::to_string(::getpid()) + "-" + std::to_string(++s_nCounter);
}
