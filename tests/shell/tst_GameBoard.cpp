#include <QtTest>
#include <memory>

#include "game/CBoard.h"
#include "shell/CBitmaps.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/CSystemColors.h"
#include "support/CScriptedRandom.h"

namespace {

const QColor kGrey(128, 128, 128), kRed(255, 0, 0), kFace = CSystemColors::ButtonFace();

// Cell i holds the value i % 10; a cell listed in gaps has no piece.
CBoard TenBoard(const std::vector<int>& gaps = {}) {
    std::string text;
    for (int i = 0; i < 35; ++i) {
        if (std::find(gaps.begin(), gaps.end(), i) == gaps.end())
            text += std::to_string(i % 10) + " ," + std::to_string(i);
        text += "\n";
    }
    CBoard board;
    board.LoadText(text);
    return board;
}

}  // namespace

// The board window draws the rules' board and reports clicks; it decides nothing.
class GameBoardTest : public QObject {
    Q_OBJECT
    CBoard m_model;
    std::unique_ptr<CGameBoard> m_board;
    std::vector<int> m_clicks;

    void Block(const std::vector<std::pair<int, int>>& cells) {  // (row, column)
        std::vector<int> draws;
        for (auto [row, column] : cells) draws.insert(draws.end(), {row * 6554, column * 4681});
        CScriptedRandom random(draws);
        m_model.BlockRandomCells(int(cells.size()), random);
        m_board->ShowTakenTiles(CBitmaps::TileBlocked);
    }

private slots:
    void init() {
        m_model = TenBoard();
        m_board = std::make_unique<CGameBoard>();
        m_board->SetModel(&m_model);
        m_board->Rebuild();
        m_clicks.clear();
        m_board->m_fnClicked = [this](int nIndex) { m_clicks.push_back(nIndex); };
        m_board->resize(m_board->sizeHint());
        m_board->show();
    }
    void cleanup() { m_board.reset(); }

    void aClickIsReportedWithItsCellAndANewBoardReplacesEveryCell() {
        QTest::mouseClick(m_board->Piece(14), Qt::LeftButton);
        QCOMPARE(m_clicks, std::vector<int>{14});
        m_board->SetHighlights({4, 14}, {});
        // A new board may come from inside the click of an old piece.
        m_model = TenBoard({5, 34});
        m_board->Rebuild();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(m_board->m_selectable.isEmpty());
        QVERIFY(!m_board->Piece(5) && !m_board->Tile(5) && !m_board->Piece(34));
    }

    void highlightedPieceBlinksGreyOrRedEveryOtherTick() {
        for (int index : {12, 13}) {  // 12 grey, 13 red
            m_board->SetHighlights({2, 22}, {});
            m_board->SetHighlights(index == 12 ? std::vector<int>{12} : std::vector<int>{},
                                   index == 13 ? std::vector<int>{13} : std::vector<int>{});
            CGamePiece* piece = m_board->Piece(index);
            QList<QColor> seen;
            for (int tick = 0; tick < 3; ++tick) {
                m_board->OnTimer();
                seen << piece->FaceColor() << m_board->Piece(22)->FaceColor();
            }
            const QColor on = index == 12 ? kGrey : kRed;
            QCOMPARE(seen, (QList<QColor>{on, kFace, kFace, kFace, on, kFace}));
        }
    }

    // Blocked cells in navy, a piece just taken in lime with its counted
    // neighbours in green, the pieces of the result blinking grey.
    void midGameBoardAsThePlayerSeesIt() {
        Block({{0, 1}, {1, 0}, {3, 5}, {4, 6}, {2, 2}});
        m_model.TakePiece(0, 1);
        m_board->ShowTile(0, CBitmaps::TileTaken, true);
        for (int index : {1, 7}) m_board->ShowTile(index, CBitmaps::TileCounted, true);
        m_board->SetHighlights({17, 27}, {});
        m_board->OnTimer();
        const QImage shot = m_board->grab().toImage();
        QCOMPARE(m_board->Piece(8)->geometry(), QRect(90, 55, 89, 54));
        const QColor lime(0, 255, 0), green(0, 128, 0), navy(0, 0, 128);
        const QList<std::pair<int, QColor>> faces = {{0, lime},   {1, green},  {7, green},
                                                     {26, navy},  {34, navy},  {16, navy},
                                                     {17, kGrey}, {27, kGrey}, {18, kFace}};
        for (auto [index, color] : faces)
            QCOMPARE(shot.pixelColor(CGameBoard::CellRect(index).topLeft() + QPoint(15, 15)).rgb(),
                     color.rgb());
    }
};

QTEST_MAIN(GameBoardTest)
#include "tst_GameBoard.moc"
