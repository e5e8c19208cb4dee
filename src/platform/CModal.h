#pragma once

#include <QString>
#include <functional>

class QDialog;
class QWidget;

// The one seam for every question put to the user: modal dialogs and message
// boxes alike. By default a dialog runs its own event loop and a message box
// is a QMessageBox; a test installs an answerer that sees the request and
// chooses the result, with no event loop and no screen.
//
// A dialog prepares itself when it opens (fills its controls, places itself) in
// its showEvent. When answered, the dialog is shown without reaching the screen
// (Qt::WA_DontShowOnScreen) before the answerer sees it, so it looks as the user
// would see it and isVisible() tells the truth; it is hidden again afterwards.
//
// A dialog that is rejected (Escape, the close box, reject()) ends with IdCancel,
// as the game expects; accept() gives IdOk and done(n) gives n.
class CModal {
public:
    enum EButtons { OkOnly, YesNo };
    enum EIcon { NoIcon, Information, Question, Exclamation, Stop };
    // Results as the game knows them.
    enum EResult { IdOk = 1, IdCancel = 2, IdYes = 6, IdNo = 7 };

    struct SRequest {
        QDialog* dialog = nullptr;  // set for a dialog run, null for a message box
        QWidget* owner = nullptr;   // the message box's owner, or the dialog's parent
        QString caption;            // window title (the box's or the dialog's)
        QString text;               // message-box text; empty for dialogs
        EButtons buttons = OkOnly;
        EIcon icon = NoIcon;
        // Set for a save-file dialog only, whose text is the suggested name and
        // filter its file types: the answerer writes the chosen name here and
        // returns IdOk; any other result, or no name, is a cancel.
        QString* fileName = nullptr;
        QString filter;
    };
    // Returns the result the user would have chosen. For a dialog the answerer
    // may operate its widgets (click OK, type a name) and return dialog->result().
    using Answerer = std::function<int(const SRequest&)>;

    // Runs dlg modally and returns its result code.
    static int Run(QDialog& dlg);
    // A message box owned by owner (may be null) with an explicit caption.
    static int Message(QWidget* owner, const QString& text, const QString& caption,
                       EButtons buttons = OkOnly, EIcon icon = NoIcon);
    // The application's own box: its caption is the application's name.
    static int AppMessage(const QString& text, EButtons buttons = OkOnly,
                          EIcon icon = Exclamation);
    // The desktop's dialog for the name of a file to write, suggesting one; an
    // existing file is confirmed there. Empty when the user cancels.
    static QString SaveFileName(QWidget* owner, const QString& caption, const QString& suggested,
                                const QString& filter);
    static QString AppName() { return QStringLiteral("Tallyfold"); }

    // Tests only: null restores the real dialogs.
    static void SetAnswerer(Answerer answerer);
};
