#include "shell/CBoardAccessible.h"

#include "shell/CBoardCellAccessible.h"
#include "shell/CEmptyCellAccessible.h"
#include "shell/CGameBoard.h"

CBoardAccessible::CBoardAccessible(CGameBoard* pBoard)
    : QAccessibleWidget(pBoard, QAccessible::Table) {}

CBoardAccessible::~CBoardAccessible() {
    for (QAccessible::Id id : m_gaps) {
        if (id) QAccessible::deleteAccessibleInterface(id);
    }
}

void CBoardAccessible::Install() {
    static const bool installed = [] {
        QAccessible::installFactory(&Factory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* CBoardAccessible::Factory(const QString& className, QObject* object) {
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (className == QLatin1String("CGameBoard"))
        return new CBoardAccessible(static_cast<CGameBoard*>(widget));
    // Asked while the board is still placing it: the cell finds its index later.
    if ((className == QLatin1String("CGamePiece") || className == QLatin1String("CTile")) &&
        qobject_cast<CGameBoard*>(widget->parentWidget()))
        return new CBoardCellAccessible(widget);
    return nullptr;
}

CGameBoard* CBoardAccessible::Board() const {
    return static_cast<CGameBoard*>(widget());
}

QAccessibleInterface* CBoardAccessible::child(int index) const {
    if (index < 0 || index >= kCells) return nullptr;
    if (QWidget* cell = Board()->CellWidget(index))
        return QAccessible::queryAccessibleInterface(cell);
    QAccessible::Id& id = m_gaps[std::size_t(index)];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new CEmptyCellAccessible(Board(), index));
    return QAccessible::accessibleInterface(id);
}

int CBoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    auto* cell = child ? const_cast<QAccessibleInterface*>(child)->tableCellInterface() : nullptr;
    if (!cell || cell->rowIndex() < 0) return -1;
    // A piece hidden under its tile is no longer one of the cells.
    const int index = cell->rowIndex() * kColumns + cell->columnIndex();
    return this->child(index) == child ? index : -1;
}

void* CBoardAccessible::interface_cast(QAccessible::InterfaceType t) {
    if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(t);
}

QAccessibleInterface* CBoardAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column >= kColumns) return nullptr;
    return child(row * kColumns + column);
}

QString CBoardAccessible::columnDescription(int column) const {
    return QStringLiteral("Column %1").arg(column + 1);
}

QString CBoardAccessible::rowDescription(int row) const {
    return QStringLiteral("Row %1").arg(row + 1);
}
