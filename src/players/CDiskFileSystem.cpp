#include "players/CDiskFileSystem.h"

#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

}  // namespace

CDiskFileSystem& CDiskFileSystem::Instance() {
    static CDiskFileSystem files;
    return files;
}

bool CDiskFileSystem::ReadAll(const std::string& path, std::string& bytes) {
    bytes.clear();
    const int fd = OpenRetrying(path.c_str(), O_RDONLY);
    if (fd < 0) return false;
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
    return ok;
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
    bool ok = WriteAllBytes(fd, bytes) && Flush(fd);
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

bool CDiskFileSystem::Remove(const std::string& path) { return ::unlink(path.c_str()) == 0; }

long CDiskFileSystem::WriteSome(int fd, const char* data, std::size_t size) {
    return static_cast<long>(::write(fd, data, size));
}

bool CDiskFileSystem::Flush(int fd) { return ::fsync(fd) == 0; }

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
    return path.substr(0, nameStart) + "." + path.substr(nameStart) + ".tmp" +
           std::to_string(::getpid()) + "-" + std::to_string(++s_nCounter);
}
