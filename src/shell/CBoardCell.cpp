#include "shell/CBoardCell.h"

#include "game/GameConstants.h"
#include "shell/CGameBoard.h"

int CBoardCell::columnIndex() const {
    const int index = CellIndex();
    return index < 0 ? -1 : index % kColumns;
}

int CBoardCell::rowIndex() const {
    const int index = CellIndex();
    return index < 0 ? -1 : index / kColumns;
}

QAccessibleInterface* CBoardCell::table() const {
    return QAccessible::queryAccessibleInterface(CellBoard());
}
