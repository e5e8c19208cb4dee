#pragma once

#include <QString>
#include <string>

// Text read from the players' files as the user sees it: UTF-8 where it is
// valid UTF-8, else Latin-1, so that a name written in a single-byte code page
// shows its letters rather than replacement marks. Only for showing: whatever
// goes back to a file keeps the bytes as they were read.
QString ShownText(const std::string& bytes);
