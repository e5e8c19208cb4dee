#pragma once

#include <QAccessibleInterface>
#include <QPointer>

#include "shell/CBoardCell.h"

class CGameBoard;

// A board cell with no piece to assistive tools: nothing but its place, so a
// reader moving through the table hears the gap instead of skipping it.
class CEmptyCellAccessible : public QAccessibleInterface, public CBoardCell {
public:
    CEmptyCellAccessible(CGameBoard* pBoard, int nIndex);

    bool isValid() const override { return !m_pBoard.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return table(); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

protected:
    CGameBoard* CellBoard() const override { return m_pBoard.data(); }
    int CellIndex() const override { return m_nIndex; }

private:
    QPointer<CGameBoard> m_pBoard;
    const int m_nIndex;
};
