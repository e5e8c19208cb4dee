#pragma once

#include <QAccessibleInterface>

class CGameBoard;

// What every cell of the board's table tells of its place: one row and one
// column, worked out from the board index, and the board as its table.
class CBoardCell : public QAccessibleTableCellInterface {
public:
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

protected:
    virtual CGameBoard* CellBoard() const = 0;
    // -1 once the board has let the cell go (a new board).
    virtual int CellIndex() const = 0;
};
