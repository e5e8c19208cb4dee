#include "platform/CHelp.h"

#include "platform/CModal.h"

void CHelp::Show(QWidget* owner, int /*nContext*/) {
    // The help viewer is not part of the program yet; say so rather than do nothing.
    CModal::Message(owner, QStringLiteral("The instructions (VEXA.HLP) are not installed."),
                    QStringLiteral("Help"), CModal::OkOnly, CModal::Information);
}
