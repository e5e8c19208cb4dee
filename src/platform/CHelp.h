#pragma once

class QWidget;

// Opens the instructions ("VEXA.HLP") at their contents (context 0) or at the
// topic with a context number, owned by owner (may be null).
class CHelp {
public:
    static constexpr int kContents = 0;
    static constexpr int kQuickInstructions = 1;
    static void Show(QWidget* owner, int nContext);
};
