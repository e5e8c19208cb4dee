#include "game/CBoardLine.h"

#include <cctype>
#include <cstdint>
#include <limits>

namespace {

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::string CBoardLine::Trim(const std::string& text) {
    std::size_t first = 0;
    std::size_t last = text.size();
    while (first < last && IsBlank(text[first])) ++first;
    while (last > first && IsBlank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

int CBoardLine::ReadInteger(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool bNegative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        bNegative = text[i] == '-';
        ++i;
    }
    // Accumulate as a magnitude and stop growing past the limit, so a
    // 40-digit caption reads as the nearest 32-bit value.
    const std::int64_t limit = bNegative
                                   ? -static_cast<std::int64_t>(std::numeric_limits<int>::min())
                                   : std::numeric_limits<int>::max();
    std::int64_t magnitude = 0;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > limit) magnitude = limit;
    }
    return static_cast<int>(bNegative ? -magnitude : magnitude);
}

CPiece CBoardLine::Parse(const std::string& line) {
    CPiece piece;
    const std::string trimmed = Trim(line);
    const std::size_t pos = trimmed.find(',');
    if (pos == std::string::npos) return piece;
    piece.m_bExists = true;
    // The character just before the comma is a filler and is not shown.
    piece.m_strCaption = trimmed.substr(0, pos == 0 ? 0 : pos - 1);
    piece.m_nValue = ReadInteger(piece.m_strCaption);
    piece.m_nValue2 = ReadInteger(trimmed.substr(trimmed.size() - pos));
    return piece;
}
