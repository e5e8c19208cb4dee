// The board as the player sees it in the middle of a game: blocked cells in
// navy, a piece just taken in lime with its counted neighbours in green, and
// the pieces of the current result blinking grey. With TALLYFOLD_SCREENSHOT
// set to a file name the picture is also saved there as PNG.
#include <QtTest>

#include "BoardTestSupport.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "support/CScriptedRandom.h"
#include "support/CSoundRecorder.h"

namespace {

// A point of the face or tile clear of the caption and the bevels.
QColor FaceOf(const QImage& shot, int index) {
    return shot.pixelColor(CGameBoard::CellRect(index).topLeft() + QPoint(15, 15));
}

// Any pixel of the caption's ink near the middle of the cell.
bool HasCaption(const QImage& shot, int index) {
    const QRect cell = CGameBoard::CellRect(index);
    for (int y = cell.top() + 18; y < cell.top() + 36; ++y) {
        for (int x = cell.left() + 34; x < cell.left() + 54; ++x) {
            if (qGray(shot.pixel(x, y)) < 96) return true;
        }
    }
    return false;
}

}  // namespace

class BoardPictureTest : public QObject {
    Q_OBJECT

private slots:
    void midGameBoardShowsBlockedTakenCountedAndBlinkingCells() {
        CBoardFiles files;
        CSoundRecorder sound;
        CBoardOwner owner;
        CGameBoard board(sound);
        board.SetOwner(&owner);
        QVERIFY(board.LoadBoard("TEN.A"));
        board.resize(board.sizeHint());
        board.show();
        CScriptedRandom random(DrawsFor({{0, 1}, {1, 0}, {3, 5}, {4, 6}, {2, 2}}));
        board.BlockRandomCells(5, random);
        owner.m_nResult = 0;
        board.HighlightValue(0);
        QTest::mouseClick(board.Piece(0), Qt::LeftButton);
        board.RefreshCounts();
        board.HighlightValue(7);
        board.OnTimer();

        const QImage shot = board.grab().toImage();
        if (qEnvironmentVariableIsSet("TALLYFOLD_SCREENSHOT")) {
            QVERIFY(shot.save(qEnvironmentVariable("TALLYFOLD_SCREENSHOT"), "PNG"));
        }
        QCOMPARE(shot.size(), QSize(624, 271));
        QCOMPARE(FaceOf(shot, 0), QColor(0, 255, 0));
        for (int index : {1, 7}) QCOMPARE(FaceOf(shot, index), QColor(0, 128, 0));
        for (int index : {26, 34, 16}) QCOMPARE(FaceOf(shot, index), QColor(0, 0, 128));
        for (int index : {17, 27}) QCOMPARE(FaceOf(shot, index), QColor(128, 128, 128));
        QCOMPARE(FaceOf(shot, 18).name(), QColor(192, 192, 192).name());
        QVERIFY(HasCaption(shot, 18));
        QVERIFY(HasCaption(shot, 17));
        // The tiles' line marks the top and left edge of each taken cell.
        QCOMPARE(shot.pixelColor(CGameBoard::CellRect(26).topLeft() + QPoint(20, 0)),
                 QColor(128, 128, 128));
    }
};

QTEST_MAIN(BoardPictureTest)
#include "tst_BoardPicture.moc"
