#include "players/CPlayerFileName.h"

#include <cstring>
#include <vector>

namespace {

const char s_unsafe[] = " {}[];~`!./+=\\|:\"'";

// Byte length of the UTF-8 character starting at text[pos]; a byte that does
// not start a well-formed character counts as a character of its own.
std::size_t CharLength(const std::string& text, std::size_t pos) {
    const auto lead = static_cast<unsigned char>(text[pos]);
    std::size_t length = 1;
    if (lead >= 0xC2 && lead <= 0xDF) length = 2;
    else if (lead >= 0xE0 && lead <= 0xEF) length = 3;
    else if (lead >= 0xF0 && lead <= 0xF4) length = 4;
    if (pos + length > text.size()) return 1;
    for (std::size_t i = 1; i < length; ++i)
        if ((static_cast<unsigned char>(text[pos + i]) & 0xC0) != 0x80) return 1;
    return length;
}

}  // namespace

std::string CPlayerFileName::Stem(const std::string& name) {
    std::string stem = name;
    for (char& c : stem)
        if (c != '\0' && std::strchr(s_unsafe, c) != nullptr) c = '_';
    std::vector<std::size_t> starts;
    for (std::size_t pos = 0; pos < stem.size(); pos += CharLength(stem, pos)) starts.push_back(pos);
    std::size_t count = starts.size();
    while (count >= 6) count -= 2;
    if (count < starts.size()) stem.resize(starts[count]);
    return stem;
}

std::string CPlayerFileName::Candidate(const std::string& stem, int n) {
    return stem + std::to_string(n) + ".ply";
}

bool CPlayerFileName::IsPlain(const std::string& file) {
    return !file.empty() && file != "." && file != ".." &&
           file.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

std::string CPlayerFileName::PathIn(const std::string& playersDir, const std::string& file) {
    return IsPlain(file) ? playersDir + file : std::string();
}
