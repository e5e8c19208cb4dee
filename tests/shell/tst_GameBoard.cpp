#include <QtTest>
#include <functional>
#include <memory>

#include "BoardTestSupport.h"
#include "platform/ISound.h"
#include "shell/CBitmaps.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/CSystemColors.h"
#include "shell/CTile.h"
#include "support/CScriptedRandom.h"

namespace {

using Takes = std::vector<std::pair<int, int>>;
const QColor kGrey(128, 128, 128);
const QColor kRed(255, 0, 0);

// Each cue as "file mode", followed by the bitmaps the watched tiles show at
// the moment it starts (0 while hidden), so that the order of flashes and
// sounds can be read. m_during runs in the middle of the first synchronous
// cue, as a click could arrive while a sound holds the thread.
class CBoardSound : public ISound {
public:
    void Play(const std::string& file, ESoundMode mode) override {
        QString event =
            QString::fromStdString(file) + (mode == ESoundMode::Sync ? " sync" : " async");
        for (int index : m_watched) {
            const CTile* tile = m_board->Tile(index);
            event += QString(" %1").arg(tile->isVisibleTo(m_board) ? tile->Bitmap() : 0);
        }
        m_events << event;
        if (mode == ESoundMode::Sync && m_during) std::exchange(m_during, nullptr)();
    }

    const CGameBoard* m_board = nullptr;
    std::vector<int> m_watched;
    std::function<void()> m_during;
    QStringList m_events;
};

}  // namespace

class GameBoardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CBoardFiles> m_files;
    CBoardSound m_sound;
    CBoardOwner m_owner;
    std::unique_ptr<CGameBoard> m_board;

    void Click(int index) { QTest::mouseClick(m_board->Piece(index), Qt::LeftButton); }
    void Block(const std::vector<std::pair<int, int>>& cells) {
        CScriptedRandom random(DrawsFor(cells));
        m_board->BlockRandomCells(int(cells.size()), random);
    }

private slots:
    void initTestCase() { m_files = std::make_unique<CBoardFiles>(); }
    void cleanupTestCase() { m_files.reset(); }
    void init() {
        m_sound.m_events.clear();
        m_sound.m_watched.clear();
        m_owner = CBoardOwner();
        m_board = std::make_unique<CGameBoard>(m_sound);
        m_sound.m_board = m_board.get();
        m_board->SetOwner(&m_owner);
        QVERIFY(m_board->LoadBoard("TEN.A"));
        m_board->show();
    }
    void cleanup() { m_board.reset(); }

    void cellsSitOnTheGridWithPieceAndTileInTheSamePlace() {
        for (auto [index, cell] : {std::pair(0, QRect(1, 1, 89, 54)),
                                   {8, QRect(90, 55, 89, 54)},
                                   {34, QRect(535, 217, 89, 54)}}) {
            const CGamePiece* piece = m_board->Piece(index);
            QCOMPARE(piece->geometry(), cell);
            QCOMPARE(m_board->Tile(index)->geometry(), cell);
            QCOMPARE(piece->m_nId, 3000 + index);
            QCOMPARE(piece->text(), QString::number(index % 10));
            QVERIFY(piece->isVisible());
            QVERIFY(!m_board->Tile(index)->isVisible());
            QVERIFY(!m_board->Tile(index)->isEnabled());
        }
    }

    void missingFileKeepsTheOldBoardAndCellsAFileLacksStayEmpty() {
        CGamePiece* before = m_board->Piece(0);
        QVERIFY(!m_board->LoadBoard("NONE.A"));
        QCOMPARE(m_board->Piece(0), before);
        QVERIFY(m_board->LoadBoard("GAPS.A"));
        QVERIFY(!m_board->Piece(5) && !m_board->Tile(5) && !m_board->Piece(34));
        QVERIFY(m_board->Piece(4) && m_board->Piece(33));
        QVERIFY(!m_board->HighlightPiece(5, true));
        QVERIFY(!m_board->m_bHighlight);
    }

    void loadingABoardDropsTheHighlightsOfTheOldOne() {
        m_board->HighlightValue(3);
        QVERIFY(m_board->LoadBoard("TEN.A"));
        QVERIFY(!m_board->m_bHighlight);
        QVERIFY(m_board->m_selectable.isEmpty());
        m_board->OnTimer();  // would touch the old pieces if they were still listed
        QCOMPARE(m_board->Piece(3)->FaceColor(), CSystemColors::ButtonFace());
    }

    // The result is 4 and the computer has chosen cell 14 throughout.
    void clickTakesAPieceOnlyWhenTheMoveAllowsIt_data() {
        QTest::addColumn<bool>("blinking");  // the pieces of value 4
        QTest::addColumn<bool>("onePlayer");
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("sound");
        QTest::addColumn<int>("takenBy");  // 0: refused
        QTest::addColumn<QStringList>("events");
        const QStringList no{"data\\no.wav async"};
        const QStringList shoop{"data\\shoop.wav sync"};
        QTest::newRow("nothing blinks") << false << false << 0 << 4 << true << 0 << no;
        QTest::newRow("nothing blinks, sounds off")
            << false << false << 0 << 4 << false << 0 << QStringList{};
        QTest::newRow("value is not the result") << true << false << 0 << 5 << true << 0 << no;
        QTest::newRow("computer's turn, not its piece")
            << true << true << 1 << 4 << true << 0 << no;
        QTest::newRow("player one") << true << true << 0 << 4 << true << 1 << shoop;
        QTest::newRow("player two") << true << false << 1 << 4 << true << 2 << shoop;
        QTest::newRow("the computer's piece") << true << true << 1 << 14 << true << 2 << shoop;
    }
    void clickTakesAPieceOnlyWhenTheMoveAllowsIt() {
        QFETCH(bool, blinking);
        QFETCH(bool, onePlayer);
        QFETCH(int, player);
        QFETCH(int, clicked);
        QFETCH(bool, sound);
        QFETCH(int, takenBy);
        QFETCH(QStringList, events);
        m_owner.m_bSound = sound;
        m_owner.m_nResult = 4;
        m_owner.m_bOnePlayer = onePlayer;
        m_owner.m_nBestPiece = 14;
        m_board->Model().m_nCurrentPlayer = player;
        if (blinking) m_board->HighlightValue(4);

        Click(clicked);

        QCOMPARE(m_sound.m_events, events);
        QCOMPARE(m_board->Model().Piece(clicked).m_nTakenBy, takenBy);
        QCOMPARE(m_board->Piece(clicked)->isVisible(), takenBy == 0);
        QCOMPARE(m_board->Tile(clicked)->isVisible(), takenBy != 0);
        if (takenBy) QCOMPARE(m_board->Tile(clicked)->Bitmap(), int(CBitmaps::TileTaken));
        QCOMPARE(m_owner.m_takes, (takenBy ? Takes{{player, 1}} : Takes{}));
    }

    void takeFlashesTakenNeighboursOneByOneEachWithAWarbleAndScoresFour_data() {
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QStringList>("events");
        QTest::newRow("sounds on") << true
                                   << QStringList{"data\\shoop.wav sync 135 133 133 133",
                                                  "data\\warble.wav sync 135 134 133 133",
                                                  "data\\warble.wav sync 135 134 134 133",
                                                  "data\\warble.wav sync 135 134 134 134"};
        QTest::newRow("sounds off") << false << QStringList{};
    }
    void takeFlashesTakenNeighboursOneByOneEachWithAWarbleAndScoresFour() {
        QFETCH(bool, sound);
        QFETCH(QStringList, events);
        // The top-left piece's three neighbours, right, down and down-right, are blocked.
        Block({{0, 1}, {1, 0}, {1, 1}});
        m_sound.m_watched = {0, 1, 7, 8};
        m_owner.m_bSound = sound;
        m_owner.m_nResult = 0;
        m_board->HighlightValue(0);

        Click(0);

        QCOMPARE(m_sound.m_events, events);
        for (int index : {1, 7, 8})
            QCOMPARE(m_board->Tile(index)->Bitmap(), int(CBitmaps::TileCounted));
        QCOMPARE(m_owner.m_takes, (Takes{{0, 4}}));
    }

    void clickArrivingWhileATakePlaysItsSoundsIsDropped() {
        m_owner.m_nResult = 4;
        m_board->HighlightValue(4);
        m_sound.m_during = [this] { m_board->OnPieceClicked(24); };

        Click(14);

        QCOMPARE(m_board->Model().Piece(24).m_nTakenBy, 0);
        QCOMPARE(m_owner.m_takes.size(), std::size_t(1));
        QCOMPARE(m_sound.m_events, QStringList{"data\\shoop.wav sync"});  // no refusal
    }

    void ownerMayLoadTheNextBoardWhileATakeIsReported() {
        // The end of a game starts the next one from inside the click.
        m_owner.m_onTake = [this] { m_board->LoadBoard("TEN.A"); };
        m_owner.m_nResult = 4;
        m_board->HighlightValue(4);

        Click(14);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(m_owner.m_takes.size(), std::size_t(1));
        QCOMPARE(m_board->Model().Piece(14).m_nTakenBy, 0);
        QVERIFY(m_board->Piece(14)->isVisible());
    }

    void highlightedPieceBlinksEveryTickUntilCleared_data() {
        QTest::addColumn<bool>("grey");
        QTest::addColumn<QColor>("color");
        QTest::newRow("grey: may be taken") << true << kGrey;
        QTest::newRow("red: pointed out") << false << kRed;
    }
    void highlightedPieceBlinksEveryTickUntilCleared() {
        QFETCH(bool, grey);
        QFETCH(QColor, color);
        const QColor face = CSystemColors::ButtonFace();
        m_board->HighlightValue(2);
        CGamePiece* piece = m_board->HighlightPiece(12, grey);  // replaces the value's highlights
        QCOMPARE(piece, m_board->Piece(12));
        QList<QColor> seen;
        for (int tick = 0; tick < 3; ++tick) {
            m_board->OnTimer();
            seen << piece->FaceColor();
        }
        QCOMPARE(seen, (QList<QColor>{color, face, color}));
        QCOMPARE(m_board->Piece(22)->FaceColor(), face);
        m_board->ClearHighlights();
        QCOMPARE(piece->FaceColor(), face);
        m_board->OnTimer();
        QCOMPARE(piece->FaceColor(), face);
    }

    void piecesOfTheBoardAnswerTheBoardsControlColours() {
        QCOMPARE(m_board->Piece(0)->ControlBrush()->color(), QColor(255, 255, 128));
        m_board->Piece(0)->setEnabled(false);
        QCOMPARE(m_board->Piece(0)->ControlBrush()->color(), QColor(255, 0, 0));
    }
};

QTEST_MAIN(GameBoardTest)
#include "tst_GameBoard.moc"
