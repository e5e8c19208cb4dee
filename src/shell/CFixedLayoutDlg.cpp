#include "shell/CFixedLayoutDlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <cmath>

namespace {

// The resolution at which the system font has the design's base units.
constexpr double kDesignDpi = 96.0;

}  // namespace

CFixedLayoutDlg::CFixedLayoutDlg(int nTemplateId, QWidget* parent)
    : CFixedLayoutDlg(CDialogBuilder(nTemplateId), parent) {}

CFixedLayoutDlg::CFixedLayoutDlg(const CDialogBuilder& builder, QWidget* parent) : QDialog(parent) {
    builder.Build(*this);
}

int CFixedLayoutDlg::RescaleX(int x, int baseX, int designX) {
    // Integer division truncates towards zero, as the conversion always has.
    const long long units = static_cast<long long>(x) * kUnitsPerBaseX / baseX;
    return static_cast<int>(units * designX / kUnitsPerBaseX);
}

int CFixedLayoutDlg::RescaleY(int y, int baseY, int designY) {
    const long long units = static_cast<long long>(y) * kUnitsPerBaseY / baseY;
    return static_cast<int>(units * designY / kUnitsPerBaseY);
}

QRect CFixedLayoutDlg::Rescale(const QRect& rect, SBaseUnits system, SBaseUnits design) {
    const int left = RescaleX(rect.x(), system.baseX, design.baseX);
    const int top = RescaleY(rect.y(), system.baseY, design.baseY);
    const int right = RescaleX(rect.x() + rect.width(), system.baseX, design.baseX);
    const int bottom = RescaleY(rect.y() + rect.height(), system.baseY, design.baseY);
    return QRect(left, top, right - left, bottom - top);
}

void CFixedLayoutDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once per dialog: a second rescaling would shrink it again on a large font.
    if (!event->spontaneous() && !m_bInitialised) {
        m_bInitialised = true;
        OnInitDialog();
    }
}

bool CFixedLayoutDlg::OnInitDialog() {
    CentreWindow();
    const SBaseUnits system = SystemBaseUnits();
    const QRect window = Rescale(geometry(), system);
    setFixedSize(window.size());
    move(window.topLeft());
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow()) continue;
        child->setGeometry(Rescale(child->geometry(), system));
    }
    return true;
}

SBaseUnits CFixedLayoutDlg::SystemBaseUnits() const {
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    const double dpiX = display ? display->logicalDotsPerInchX() : kDesignDpi;
    const double dpiY = display ? display->logicalDotsPerInchY() : kDesignDpi;
    return {static_cast<int>(std::lround(kDesignBaseX * dpiX / kDesignDpi)),
            static_cast<int>(std::lround(kDesignBaseY * dpiY / kDesignDpi))};
}

void CFixedLayoutDlg::CentreWindow() {
    const QWidget* owner = parentWidget();
    QRect area;
    if (owner && owner->isVisible()) {
        area = owner->window()->frameGeometry();
    } else if (const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen()) {
        area = display->availableGeometry();
    }
    if (area.isNull()) return;
    QRect frame = frameGeometry();
    frame.moveCenter(area.center());
    move(frame.topLeft());
}
