#include <QAccessible>
#include <QDialog>
#include <QtTest>

#include "game/CBoard.h"
#include "platform/CDialogBuilder.h"
#include "shell/CBitmaps.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/CTile.h"

// Screen readers hear the board as a table of its cells and each setup choice
// with the group it belongs to.
class BoardAccessTest : public QObject {
    Q_OBJECT
private slots:
    void boardIsATableWhoseCellsAreThePiecesInPlace() {
        CBoard model;  // cell i holds the value i; cell 5 has no piece
        std::string text;
        for (int i = 0; i < kCells; ++i) text += (i == 5 ? "" : std::to_string(i) + " ,0") + "\n";
        model.LoadText(text);
        CGameBoard board;
        board.SetModel(&model);
        board.Rebuild();
        board.Piece(8)->setAccessibleName("Piece 8, row 2, column 2, free");
        board.Tile(9)->setAccessibleName("Piece 9, row 2, column 3, taken");
        board.ShowTile(9, CBitmaps::TileTaken, false);

        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&board);
        QAccessibleTableInterface* table = iface->tableInterface();
        QVERIFY(table);
        QCOMPARE(iface->role(), QAccessible::Table);
        QCOMPARE(QPoint(table->rowCount(), table->columnCount()), QPoint(kRows, kColumns));
        QStringList names;
        for (int r = 0; r < kRows; ++r) {
            for (int c = 0; c < kColumns; ++c) {
                QAccessibleInterface* cell = table->cellAt(r, c);
                QCOMPARE(QPoint(cell->tableCellInterface()->rowIndex(),
                                cell->tableCellInterface()->columnIndex()),
                         QPoint(r, c));
                QCOMPARE(iface->indexOfChild(cell), r * kColumns + c);
                names << cell->text(QAccessible::Name);
            }
        }
        QCOMPARE(names.mid(4, 6),
                 (QStringList{"4", "Empty", "6", "7", "Piece 8, row 2, column 2, free",
                              "Piece 9, row 2, column 3, taken"}));
        // The focused piece is the cell itself, pressed as its button is.
        QCOMPARE(QAccessible::queryAccessibleInterface(board.Piece(8)), table->cellAt(1, 1));
        QVERIFY(table->cellAt(1, 1)->actionInterface()->actionNames().contains(
            QAccessibleActionInterface::pressAction()));
    }

    void setupChoiceIsDescribedByItsGroupBox() {
        QDialog dialog;
        CDialogBuilder(132).Build(dialog);
        QCOMPARE(CDialogBuilder::Control(dialog, 1027)->accessibleDescription(),
                 QString("Game Size"));
        QCOMPARE(CDialogBuilder::Control(dialog, 1050)->accessibleDescription(), QString());
    }
};

QTEST_MAIN(BoardAccessTest)
#include "tst_BoardAccess.moc"
