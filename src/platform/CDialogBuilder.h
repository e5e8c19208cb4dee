#pragma once

#include <QFont>
#include <QRect>
#include <functional>
#include <map>
#include <vector>

#include "platform/CDialogTemplate.h"

class QDialog;
class QWidget;

// Dialog base units: the average character width and the height of a font in
// pixels. One dialog unit is a quarter of baseX across and an eighth of baseY down.
struct SBaseUnits {
    int baseX = 0;
    int baseY = 0;
};
constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

// Creates the widgets of a dialog template on a QDialog.
//
//   CDialogBuilder builder(100);
//   builder.Make(1036, [](QWidget* parent, const SControlTemplate&) {
//       return new CDibStatic(parent);      // a control of our own: the caller makes it
//   });
//   builder.Build(*this);                   // caption, font, size, every control
//   auto* platform = CDialogBuilder::ControlAs<QLabel>(*this, 1000);
//
// Every control, made by the builder or by a factory, is a direct child of the
// dialog, placed at its template rectangle converted to pixels, with the
// template's caption (buttons and labels), visibility and enabled state. Its id
// is the dynamic property "controlId" and its objectName is "id" + the id
// ("id1041"), so tests can find it too. Controls without an id (-1) get the
// property but no objectName.
//
// Kinds without a factory become: button QPushButton (also "ownerdraw" ones,
// which the caller gives a factory), checkbox QCheckBox, radio
// QRadioButton (each "group" radio starts a QButtonGroup named "group" + its id),
// groupbox QGroupBox (kept below its siblings and transparent to the mouse, as
// group boxes merely frame), static QLabel (plain text, top aligned, word wrap),
// frame QFrame, icon an empty QLabel, edit QLineEdit (QPlainTextEdit when "multiline"),
// listbox QListWidget. Every control inside a captioned group box's rectangle
// has that caption as its accessible description, unless it has one already.
//
// Buttons 1 and 2 end the dialog through accept() and reject(); a dialog that
// checks its input before closing overrides those.
class CDialogBuilder {
public:
    using Factory = std::function<QWidget*(QWidget* parent, const SControlTemplate& control)>;

    // Loads the template; throws CTemplateError naming it when missing or damaged.
    explicit CDialogBuilder(int templateId);
    explicit CDialogBuilder(CDialogTemplate dialogTemplate);

    // The control with this id is made by the factory instead of the builder.
    CDialogBuilder& Make(int controlId, Factory factory);
    // Converts with these base units instead of the template font's (tests, or a
    // layout that must come out at fixed pixel sizes).
    CDialogBuilder& UseBaseUnits(SBaseUnits units);

    // Sets caption, font and fixed size of the dialog and creates every control.
    void Build(QDialog& dialog) const;

    // The template font, or the desktop's sans font at the same size when the
    // template's font is not installed.
    QFont Font() const;
    SBaseUnits BaseUnits() const;

    // Base units of a font: the average width of the 52 Latin letters, rounded,
    // and the font's height.
    static SBaseUnits BaseUnitsOf(const QFont& font);
    // Dialog units to pixels; edges are converted, so neighbours stay flush.
    static QRect ToPixels(const QRect& dialogUnits, SBaseUnits units);

    // The control with this id on a built dialog, or null.
    static QWidget* Control(const QWidget& dialog, int controlId);
    template <class T>
    static T* ControlAs(const QWidget& dialog, int controlId) {
        return qobject_cast<T*>(Control(dialog, controlId));
    }

private:
    QWidget* CreateControl(QDialog& dialog, const SControlTemplate& control) const;
    // widgets[i] is the widget made for control i of the template.
    void DescribeByGroupBoxes(const std::vector<QWidget*>& widgets) const;

    CDialogTemplate m_template;
    std::map<int, Factory> m_factories;
    SBaseUnits m_forcedUnits;
};
