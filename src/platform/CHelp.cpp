#include "platform/CHelp.h"

#include <QPointer>

#include "platform/CHelpWindow.h"

void CHelp::Show(QWidget* owner, int nContext) {
    // One help window at a time; it goes when the user closes it and is read
    // afresh the next time.
    static QPointer<CHelpWindow> s_pWindow;
    if (!s_pWindow) {
        s_pWindow = new CHelpWindow(QLatin1String(kFileName), owner);
        s_pWindow->setAttribute(Qt::WA_DeleteOnClose);
    } else if (owner && s_pWindow->parentWidget() != owner) {
        // Owned by the window that asks, so that it goes with that window.
        s_pWindow->setParent(owner, s_pWindow->windowFlags());
    }
    s_pWindow->ShowContext(nContext);
    s_pWindow->show();
    s_pWindow->raise();
    s_pWindow->activateWindow();
}
