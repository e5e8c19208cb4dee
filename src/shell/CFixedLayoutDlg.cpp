#include "shell/CFixedLayoutDlg.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <cmath>

CFixedLayoutDlg::CFixedLayoutDlg(int nTemplateId, QWidget* parent)
    : CFixedLayoutDlg(CDialogBuilder(nTemplateId), parent) {}

CFixedLayoutDlg::CFixedLayoutDlg(const CDialogBuilder& builder, QWidget* parent) : QDialog(parent) {
    builder.Build(*this);
}

int CFixedLayoutDlg::RescaleX(int x, int baseX, int designX) {
    // Integer division truncates towards zero, as the conversion always has.
    const long long units = static_cast<long long>(x) * 4 / baseX;
    return static_cast<int>(units * designX / 4);
}

int CFixedLayoutDlg::RescaleY(int y, int baseY, int designY) {
    const long long units = static_cast<long long>(y) * 8 / baseY;
    return static_cast<int>(units * designY / 8);
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
    const SBaseUnits design{m_cxDesignBase, m_cyDesignBase};

    const QRect window = Rescale(geometry(), system, design);
    setFixedSize(window.size());
    move(window.topLeft());
    const auto children = findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children) {
        if (child->isWindow()) continue;
        child->setGeometry(Rescale(child->geometry(), system, design));
    }
    return true;
}

SBaseUnits CFixedLayoutDlg::SystemBaseUnits() const {
    const QScreen* display = screen() ? screen() : QGuiApplication::primaryScreen();
    const double dpiX = display ? display->logicalDotsPerInchX() : 96.0;
    const double dpiY = display ? display->logicalDotsPerInchY() : 96.0;
    return {static_cast<int>(std::lround(8 * dpiX / 96)),
            static_cast<int>(std::lround(16 * dpiY / 96))};
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
