#pragma once

#include <QDialog>
#include <QRect>

#include "platform/CDialogBuilder.h"

class QShowEvent;

// Base of the dialogs whose layout must come out at the same pixel sizes
// whatever the desktop's font and resolution: the main window and the about box.
// When it first opens it centres itself and converts its own rectangle and every
// child's from the system's dialog base units to design base units of 8 x 16.
//
// A derived dialog does its own opening work in an OnInitDialog override that
// calls this one first.
class CFixedLayoutDlg : public QDialog {
public:
    // Builds the dialog from the template; derived dialogs that make some
    // controls themselves hand in a builder with their factories.
    explicit CFixedLayoutDlg(int nTemplateId, QWidget* parent = nullptr);
    explicit CFixedLayoutDlg(const CDialogBuilder& builder, QWidget* parent = nullptr);

    // The base units every layout was designed on: the classic system font's at
    // 96 dots per inch.
    static constexpr int kDesignBaseX = 8;
    static constexpr int kDesignBaseY = 16;

    // A coordinate measured in the system's base units, restated in the design's:
    // d = trunc(x * 4 / baseX), then trunc(d * designX / 4); vertically with 8.
    // Negative coordinates (a dialog larger than the screen) keep their sign.
    static int RescaleX(int x, int baseX, int designX = kDesignBaseX);
    static int RescaleY(int y, int baseY, int designY = kDesignBaseY);
    // Converts the four edges of a rectangle.
    static QRect Rescale(const QRect& rect, SBaseUnits system,
                         SBaseUnits design = {kDesignBaseX, kDesignBaseY});

    QWidget* Control(int nId) const { return CDialogBuilder::Control(*this, nId); }

protected:
    // Centres the dialog, then rescales it and its children. Returns TRUE as the
    // framework expects of an initialisation (the focus goes to the first control).
    virtual bool OnInitDialog();
    // The system's dialog base units: the design's at 96 dots per inch, growing
    // with the screen's logical resolution.
    virtual SBaseUnits SystemBaseUnits() const;

    void showEvent(QShowEvent* event) override;
    // Over the owner when it is shown, otherwise on the screen.
    void CentreWindow();

private:
    bool m_bInitialised = false;
};
