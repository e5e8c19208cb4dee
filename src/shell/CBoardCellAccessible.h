#pragma once

#include <QAccessibleWidget>

#include "shell/CBoardCell.h"

class CGameBoard;

// A board cell to assistive tools: the cell's piece button, or the tile that
// took its place, placed in the board's table by row and column. A piece is
// read and pressed as the button it is; a tile is read by the name it carries.
class CBoardCellAccessible : public QAccessibleWidget, public CBoardCell {
public:
    // pCell is a piece or a tile of a board.
    explicit CBoardCellAccessible(QWidget* pCell);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    CGameBoard* CellBoard() const override;
    int CellIndex() const override;
};
