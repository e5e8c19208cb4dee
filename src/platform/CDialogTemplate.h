#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

// A damaged or missing dialog template. The message names the template and
// what is wrong with it; a dialog without its layout cannot be shown sensibly.
class CTemplateError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One control of a dialog template, in dialog units.
struct SControlTemplate {
    // Ids as the game binds them; labels and frames that nothing binds have -1.
    int id = -1;
    // "button", "checkbox", "radio", "groupbox", "static", "frame", "icon", "edit", "listbox"
    QString kind;
    QString caption;
    QRect rect;  // x, y, width, height in dialog units
    // Plain words: "default", "hidden", "disabled", "group", "right", "center",
    // "ownerdraw", "black", "multiline", "readonly", "autohscroll", "hscroll",
    // "vscroll", "sorted", "notify", "extended".
    QStringList styles;
    int resource = 0;  // icon resource of an "icon" control

    bool Has(const QString& style) const { return styles.contains(style); }
};

// A dialog's layout as data: caption, size and font, and its controls in
// template order (which is also the tab order).
struct CDialogTemplate {
    int id = 0;
    QString caption;
    QSize size;        // dialog units
    QPoint position;   // dialog units; where the template places the dialog, if anywhere
    QString fontName;  // "MS Sans Serif" in every template of the game
    int pointSize = 8;
    int menu = 0;      // menu resource, 0 for none
    QStringList styles;
    std::vector<SControlTemplate> controls;

    // The template compiled into the program (resources/templates/<id>.json).
    // Throws CTemplateError naming the template when it is missing or damaged.
    static CDialogTemplate Load(int id);
    // Reads one template from its JSON text; name says where it came from in errors.
    static CDialogTemplate Parse(const QByteArray& json, const QString& name);

    // Null when the template has no control with that id.
    const SControlTemplate* Find(int controlId) const;
};
