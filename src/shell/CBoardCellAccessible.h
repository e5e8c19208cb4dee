#pragma once

#include <QAccessibleWidget>

class CGameBoard;

// A board cell to assistive tools: the cell's piece button, or the tile that
// took its place, placed in the board's table by row and column. A piece is
// read and pressed as the button it is; a tile is read by the name it carries.
class CBoardCellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
    // pCell is a piece or a tile of a board.
    explicit CBoardCellAccessible(QWidget* pCell);

    QAccessible::Role role() const override;
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType t) override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override;
    int rowIndex() const override;
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    CGameBoard* Board() const;
    // The board index, -1 once the board has let the cell go (a new board).
    int Index() const;
};
