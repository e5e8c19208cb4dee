#include "shell/CBoardCellAccessible.h"

#include <QAbstractButton>

#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"

// A widget stays a piece or a tile for its life, so the role is fixed here.
CBoardCellAccessible::CBoardCellAccessible(QWidget* pCell)
    : QAccessibleWidget(
          pCell, qobject_cast<CGamePiece*>(pCell) ? QAccessible::Button : QAccessible::Cell) {}

CGameBoard* CBoardCellAccessible::CellBoard() const {
    return qobject_cast<CGameBoard*>(widget()->parentWidget());
}

int CBoardCellAccessible::CellIndex() const {
    const CGameBoard* board = CellBoard();
    return board ? board->IndexOf(widget()) : -1;
}

QString CBoardCellAccessible::text(QAccessible::Text t) const {
    const QString text = QAccessibleWidget::text(t);
    // A board shown without the main window's names still reads its captions.
    if (text.isEmpty() && t == QAccessible::Name) {
        if (auto* button = qobject_cast<QAbstractButton*>(widget())) return button->text();
    }
    return text;
}

QAccessible::State CBoardCellAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (auto* button = qobject_cast<QAbstractButton*>(widget())) state.pressed = button->isDown();
    return state;
}

void* CBoardCellAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QStringList CBoardCellAccessible::actionNames() const {
    QStringList names = QAccessibleWidget::actionNames();
    if (qobject_cast<QAbstractButton*>(widget()) && widget()->isEnabled())
        names.prepend(pressAction());
    return names;
}

void CBoardCellAccessible::doAction(const QString& actionName) {
    auto* button = qobject_cast<QAbstractButton*>(widget());
    if (actionName != pressAction() || !button) return QAccessibleWidget::doAction(actionName);
    // As a button pressed by a tool: the click comes after the call has returned.
    if (button->isEnabled()) button->animateClick();
}
