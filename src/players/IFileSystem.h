#pragma once

#include <string>

// What a read found: the file's bytes, no such file, or a file that is there
// but could not be read (no permission, a folder, a device error). Only a
// missing file may be treated as empty or created afresh.
enum class EReadResult { Read, Missing, Failed };

// The few file operations the player files need, behind one seam so that a
// test can fail a save part-way or keep every file in memory. Paths are local
// paths ("players/Ann0.ply"), never the game's backslash names.
class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // The whole file; bytes are empty unless it was read.
    virtual EReadResult ReadAll(const std::string& path, std::string& bytes) = 0;
    // Makes an empty file; false when the name is taken or cannot be made.
    virtual bool CreateNew(const std::string& path) = 0;
    // Replaces the file's content with bytes, all or nothing: on false the old
    // file (or its absence) is left exactly as it was.
    virtual bool Replace(const std::string& path, const std::string& bytes) = 0;
    virtual bool Remove(const std::string& path) = 0;
    // Removes what interrupted replaces left behind in folder (a local path
    // ending in "/"); nothing else is touched.
    virtual void RemoveStaleTemporaries(const std::string& folder) = 0;
};
