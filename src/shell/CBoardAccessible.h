#pragma once

#include <QAccessibleWidget>
#include <array>

#include "game/GameConstants.h"

class CGameBoard;

// The board window to assistive tools: a table of 5 rows by 7 columns whose
// cells are the pieces, the tiles that replaced them, or gaps, so a screen
// reader can tell where a piece lies and move through rows and columns.
class CBoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit CBoardAccessible(CGameBoard* pBoard);
    ~CBoardAccessible() override;

    // Makes the board, its pieces and its tiles known to assistive tools; once
    // is enough, later calls do nothing.
    static void Install();

    int childCount() const override { return kCells; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    void* interface_cast(QAccessible::InterfaceType t) override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kColumns; }
    int rowCount() const override { return kRows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

private:
    static QAccessibleInterface* Factory(const QString& className, QObject* object);
    CGameBoard* Board() const;

    // The gaps' cells, made when first asked for; the widgets' cells belong to
    // their widgets.
    mutable std::array<QAccessible::Id, kCells> m_gaps{};
};
