#include "shell/CEmptyCellAccessible.h"

#include <QWindow>

#include "shell/CGameBoard.h"

CEmptyCellAccessible::CEmptyCellAccessible(CGameBoard* pBoard, int nIndex)
    : m_pBoard(pBoard), m_nIndex(nIndex) {}

QWindow* CEmptyCellAccessible::window() const {
    return m_pBoard ? m_pBoard->window()->windowHandle() : nullptr;
}

QString CEmptyCellAccessible::text(QAccessible::Text t) const {
    return t == QAccessible::Name ? QStringLiteral("Empty") : QString();
}

QRect CEmptyCellAccessible::rect() const {
    if (!m_pBoard) return {};
    const QRect cell = CGameBoard::CellRect(m_nIndex);
    return QRect(m_pBoard->mapToGlobal(cell.topLeft()), cell.size());
}

QAccessible::State CEmptyCellAccessible::state() const {
    QAccessible::State state;
    state.invisible = !m_pBoard || !m_pBoard->isVisible();
    return state;
}

void* CEmptyCellAccessible::interface_cast(QAccessible::InterfaceType t) {
    return t == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                : nullptr;
}
