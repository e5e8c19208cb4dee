#pragma once

#include <string>

// Player file names: the stem made from a typed name, the candidates tried
// for a new player, and the test that keeps every name read from a file
// inside the players directory.
class CPlayerFileName {
public:
    // The typed name with the 18 characters that are unsafe in file names
    // replaced by "_", cut two characters at a time until it is 5 or shorter.
    // Characters are UTF-8 characters, so a cut never splits one.
    static std::string Stem(const std::string& name);
    // stem + n + ".ply", n in decimal without leading zeros.
    static std::string Candidate(const std::string& stem, int n);
    // A bare file name: not empty, not "." or "..", no slash, backslash or NUL.
    static bool IsPlain(const std::string& file);
    // players directory + file when file is plain, else empty.
    static std::string PathIn(const std::string& playersDir, const std::string& file);
};
