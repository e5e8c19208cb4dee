#pragma once

#include <string>

#include "game/CPiece.h"

// Reads one line of a board file into a piece (untaken, no counts yet).
class CBoardLine {
public:
    // The line is trimmed of white space at both ends. No comma: no piece.
    // With pos the first comma's position: caption = the first pos - 1
    // characters, value = ReadInteger(caption), second number =
    // ReadInteger(last pos characters of the trimmed line).
    static CPiece Parse(const std::string& line);

    // Like atoi: skips leading white space, takes an optional sign and the
    // digits up to the first other character; 0 without digits. Saturates at
    // the 32-bit limits instead of overflowing.
    static int ReadInteger(const std::string& text);

    static std::string Trim(const std::string& text);
};
