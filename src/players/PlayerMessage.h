#pragma once

#include <functional>
#include <string>

// How the players code puts a message in front of the user. The application
// connects it to its message boxes: an empty caption asks for the
// application's own box (its name as caption), any other caption is the box's own.
using FnMessage = std::function<void(const std::string& text, const std::string& caption)>;
