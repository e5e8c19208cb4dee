#pragma once

#include <string>

#include "players/PlayerMessage.h"

class QWidget;

// The player dialogs' way of putting a players-side message in front of the
// user: an empty caption is the application's own box, any other caption a
// box of the dialog's own.
class CUserMessage {
public:
    static void Show(QWidget* owner, const std::string& text, const std::string& caption);
    // Show as a FnMessage, for the players code that reports through one.
    static FnMessage For(QWidget* owner);
    // A Yes/No question captioned "Confirmation"; true for Yes.
    static bool Confirm(QWidget* owner, const char* question);
};
