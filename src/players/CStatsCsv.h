#pragma once

#include <memory>
#include <string>
#include <vector>

#include "players/CDiskFileSystem.h"

class CStatistics;

// A player's game records as comma-separated values (RFC 4180): a header row,
// then one row per record with every field it keeps and the game's code last;
// fields quoted where they must be, CR LF line ends, UTF-8.
class CStatsCsv {
public:
    using Records = std::vector<std::unique_ptr<CStatistics>>;

    static std::string Text(const Records& records);
    // Writes the text to path all at once; false, and no file left, when it cannot.
    static bool WriteFile(const std::string& path, const Records& records,
                          IFileSystem& files = CDiskFileSystem::Instance());
};
