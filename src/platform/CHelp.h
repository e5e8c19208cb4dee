#pragma once

class QWidget;

// Opens the instructions ("VEXA.HLP", in the working directory) at their
// contents (context 0) or at the topic with a context number, in the help
// window owned by owner (may be null).
class CHelp {
public:
    static constexpr int kContents = 0;
    static constexpr int kQuickInstructions = 1;
    static constexpr const char* kFileName = "VEXA.HLP";
    static void Show(QWidget* owner, int nContext);
};
