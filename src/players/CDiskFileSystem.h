#pragma once

#include <cstddef>
#include <string>

#include "players/IFileSystem.h"

// Files on disk. Replace writes a temporary file beside the target, flushes
// it to the device and renames it over the target, so that a crash or a full
// disk never leaves a half-written player file, index or settings file; the
// new file keeps the permission bits of the one it replaces.
class CDiskFileSystem : public IFileSystem {
public:
    // The process-wide instance used when nothing else is injected.
    static CDiskFileSystem& Instance();

    EReadResult ReadAll(const std::string& path, std::string& bytes) override;
    bool CreateNew(const std::string& path) override;
    bool Replace(const std::string& path, const std::string& bytes) override;
    bool Remove(const std::string& path) override;
    // Deletes the temporaries in dir that a crash during Replace left, unless
    // the process that made one is still running (another copy of the game).
    void RemoveStaleTemporaries(const std::string& dir) override;

protected:
    // The single place where bytes reach a file, and the flush after them:
    // a test overrides them to fail after any number of bytes.
    virtual long WriteSome(int fd, const char* data, std::size_t size);
    virtual bool Flush(int fd);

private:
    bool WriteAllBytes(int fd, const std::string& bytes);
    static std::string TemporaryName(const std::string& path);
};
