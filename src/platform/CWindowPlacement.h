#pragma once

class QWidget;

// Where a dialog opens.
class CWindowPlacement {
public:
    // Centres window over its parent's window or, having none, over the
    // application's active window (the game's main window), as a dialog
    // opened from a menu command with no parent should appear.
    static void CentreOnOwner(QWidget& window);
};
