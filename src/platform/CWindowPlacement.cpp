#include "platform/CWindowPlacement.h"

#include <QApplication>
#include <QWidget>

void CWindowPlacement::CentreOnOwner(QWidget& window) {
    const QWidget* owner =
        window.parentWidget() ? window.parentWidget()->window() : QApplication::activeWindow();
    if (!owner || owner == &window) return;  // Qt's own placement: the screen's centre
    QRect frame = window.frameGeometry();
    frame.moveCenter(owner->frameGeometry().center());
    window.move(frame.topLeft());
}
