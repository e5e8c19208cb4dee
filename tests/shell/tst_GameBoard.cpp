#include <QtTest>
#include <functional>
#include <memory>

#include "BoardTestSupport.h"
#include "shell/CBitmaps.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/CSystemColors.h"
#include "shell/CTile.h"
#include "support/CScriptedRandom.h"
#include "support/CSoundRecorder.h"

namespace {

const QColor kGrey(128, 128, 128);
const QColor kRed(255, 0, 0);

// Each cue as "file mode", followed by the bitmaps the watched tiles show at
// the moment it starts, so that the order of flashes and sounds can be read.
class CFlashRecorder : public ISound {
public:
    void Watch(const CGameBoard* board, std::vector<int> watched) {
        m_board = board;
        m_watched = std::move(watched);
    }
    void Play(const std::string& file, ESoundMode mode) override {
        QString event =
            QString::fromStdString(file) + (mode == ESoundMode::Sync ? " sync" : " async");
        for (int index : m_watched) {
            const CTile* tile = m_board->Tile(index);
            event += QString(" %1").arg(tile && tile->isVisibleTo(m_board) ? tile->Bitmap() : 0);
        }
        m_events << event;
    }
    QStringList m_events;

private:
    const CGameBoard* m_board = nullptr;
    std::vector<int> m_watched;
};

// Runs an action in the middle of the first synchronous cue, as a click
// or a timer tick could arrive while a sound holds the thread.
class CInterruptingSound : public CSoundRecorder {
public:
    std::function<void()> m_during;
    void Play(const std::string& file, ESoundMode mode) override {
        CSoundRecorder::Play(file, mode);
        if (mode != ESoundMode::Sync || !m_during) return;
        const std::function<void()> during = std::move(m_during);
        m_during = nullptr;
        during();
    }
};

// Draws for BlockRandomCells: (row, column) pairs on the 0..32767 scale.
std::vector<int> DrawsFor(const std::vector<std::pair<int, int>>& cells) {
    std::vector<int> draws;
    for (auto [row, column] : cells) {
        draws.push_back((row * 32767 + 4) / 5);
        draws.push_back((column * 32767 + 6) / 7);
    }
    return draws;
}

QList<int> Indexes(const QList<CGamePiece*>& pieces) {
    QList<int> indexes;
    for (const CGamePiece* piece : pieces) indexes << piece->Index();
    return indexes;
}

}  // namespace

class GameBoardTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<CBoardFiles> m_files;
    CSoundRecorder m_sound;
    CBoardOwner m_owner;
    std::unique_ptr<CGameBoard> m_board;

    void Click(int index) { QTest::mouseClick(m_board->Piece(index), Qt::LeftButton); }

private slots:
    void initTestCase() { m_files = std::make_unique<CBoardFiles>(); }
    void cleanupTestCase() { m_files.reset(); }
    void init() {
        m_sound.Clear();
        m_owner = CBoardOwner();
        m_board = std::make_unique<CGameBoard>(m_sound);
        m_board->SetOwner(&m_owner);
        QVERIFY(m_board->LoadBoard("TEN.A"));
        m_board->show();
    }
    void cleanup() { m_board.reset(); }

    void cellsSitOnTheGridWithPieceAndTileInTheSamePlace_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<QRect>("cell");
        QTest::newRow("top left") << 0 << QRect(1, 1, 89, 54);
        QTest::newRow("row 1, column 1") << 8 << QRect(90, 55, 89, 54);
        QTest::newRow("bottom right") << 34 << QRect(535, 217, 89, 54);
    }
    void cellsSitOnTheGridWithPieceAndTileInTheSamePlace() {
        QFETCH(int, index);
        QFETCH(QRect, cell);
        QCOMPARE(m_board->Piece(index)->geometry(), cell);
        QCOMPARE(m_board->Tile(index)->geometry(), cell);
        QCOMPARE(m_board->Piece(index)->m_nId, 3000 + index);
        QCOMPARE(m_board->Piece(index)->text(), QString::number(index % 10));
        QVERIFY(m_board->Piece(index)->isVisible());
        QVERIFY(!m_board->Tile(index)->isVisible());
        QVERIFY(!m_board->Tile(index)->isEnabled());
    }

    void cellsTheFileDoesNotDescribeStayEmpty() {
        QVERIFY(m_board->LoadBoard("GAPS.A"));
        QVERIFY(!m_board->Piece(5) && !m_board->Tile(5));
        QVERIFY(!m_board->Piece(34));
        QVERIFY(m_board->Piece(4) && m_board->Piece(33));
        QVERIFY(!m_board->HighlightPiece(5, true));
        QVERIFY(!m_board->m_bHighlight);
    }

    void missingBoardFileKeepsTheOldBoard() {
        CGamePiece* before = m_board->Piece(0);
        QVERIFY(!m_board->LoadBoard("NONE.A"));
        QCOMPARE(m_board->Piece(0), before);
    }

    void loadingABoardDropsTheHighlightsOfTheOldOne() {
        m_board->HighlightValue(3);
        QVERIFY(m_board->LoadBoard("TEN.A"));
        QVERIFY(!m_board->m_bHighlight);
        QVERIFY(m_board->m_selectable.isEmpty());
        m_board->OnTimer();  // would touch the old pieces if they were still listed
        QCOMPARE(m_board->Piece(3)->FaceColor(), CSystemColors::ButtonFace());
    }

    void blockedCellsShowNavyTilesInsteadOfTheirPieces() {
        CScriptedRandom random(DrawsFor({{0, 1}, {1, 0}}));
        m_board->BlockRandomCells(2, random);
        for (int index : {1, 7}) {
            QVERIFY(!m_board->Piece(index)->isVisible());
            QVERIFY(!m_board->Piece(index)->isEnabled());
            QVERIFY(m_board->Tile(index)->isVisible());
            QCOMPARE(m_board->Tile(index)->Bitmap(), int(CBitmaps::TileBlocked));
            QCOMPARE(m_board->Model().Piece(index).m_nTakenBy, 1);
        }
        QCOMPARE(m_board->Model().Piece(0).m_nTakenNeighbours, 2);
    }

    void clickIsRefusedWithNoSound_data() {
        QTest::addColumn<int>("highlightValue");  // -1: no highlight
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("computersTurn");
        QTest::addColumn<int>("clicked");
        QTest::addColumn<bool>("sound");
        QTest::newRow("nothing blinks") << -1 << 4 << false << 4 << true;
        QTest::newRow("value is not the result") << 4 << 4 << false << 5 << true;
        QTest::newRow("computer's turn, not its piece") << 4 << 4 << true << 14 << true;
        QTest::newRow("nothing blinks, sounds off") << -1 << 4 << false << 4 << false;
    }
    void clickIsRefusedWithNoSound() {
        QFETCH(int, highlightValue);
        QFETCH(int, result);
        QFETCH(bool, computersTurn);
        QFETCH(int, clicked);
        QFETCH(bool, sound);
        m_owner.m_bSound = sound;
        m_owner.m_nResult = result;
        m_owner.m_bOnePlayer = computersTurn;
        m_owner.m_nBestPiece = 4;  // the computer's choice
        m_board->Model().m_nCurrentPlayer = computersTurn ? 1 : 0;
        if (highlightValue >= 0) m_board->HighlightValue(highlightValue);

        Click(clicked);

        const std::vector<CSoundRecorder::Cue> no = {{"data\\no.wav", ESoundMode::Async}};
        QCOMPARE(m_sound.Cues(), sound ? no : std::vector<CSoundRecorder::Cue>{});
        QCOMPARE(m_board->Model().Piece(clicked).m_nTakenBy, 0);
        QVERIFY(m_board->Piece(clicked)->isVisible());
        QVERIFY(m_owner.m_takes.empty());
    }

    void clickOnAPieceOfTheResultTakesIt_data() {
        QTest::addColumn<bool>("onePlayer");
        QTest::addColumn<int>("player");
        QTest::addColumn<int>("takenBy");
        QTest::newRow("player one") << true << 0 << 1;
        QTest::newRow("player two") << false << 1 << 2;
        QTest::newRow("the computer's chosen piece") << true << 1 << 2;
    }
    void clickOnAPieceOfTheResultTakesIt() {
        QFETCH(bool, onePlayer);
        QFETCH(int, player);
        QFETCH(int, takenBy);
        m_owner.m_nResult = 4;
        m_owner.m_bOnePlayer = onePlayer;
        m_owner.m_nBestPiece = 14;
        m_board->Model().m_nCurrentPlayer = player;
        m_board->HighlightPiece(14, true);

        Click(14);

        QCOMPARE(m_board->Model().Piece(14).m_nTakenBy, takenBy);
        QVERIFY(!m_board->Piece(14)->isVisible());
        QVERIFY(m_board->Tile(14)->isVisible());
        QCOMPARE(m_board->Tile(14)->Bitmap(), int(CBitmaps::TileTaken));
        QCOMPARE(m_owner.m_takes, (std::vector<std::pair<int, int>>{{player, 1}}));
        const std::vector<CSoundRecorder::Cue> shoop = {{"data\\shoop.wav", ESoundMode::Sync}};
        QCOMPARE(m_sound.Cues(), shoop);
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
        CFlashRecorder recorder;
        CGameBoard board(recorder);
        recorder.Watch(&board, {0, 1, 7, 8});
        board.SetOwner(&m_owner);
        QVERIFY(board.LoadBoard("TEN.A"));
        board.show();
        CScriptedRandom random(DrawsFor({{0, 1}, {1, 0}, {1, 1}}));
        board.BlockRandomCells(3, random);
        m_owner.m_bSound = sound;
        m_owner.m_nResult = 0;
        board.HighlightValue(0);

        QTest::mouseClick(board.Piece(0), Qt::LeftButton);

        QCOMPARE(recorder.m_events, events);
        for (int index : {1, 7, 8})
            QCOMPARE(board.Tile(index)->Bitmap(), int(CBitmaps::TileCounted));
        QCOMPARE(m_owner.m_takes, (std::vector<std::pair<int, int>>{{0, 4}}));
    }

    void clickArrivingWhileATakePlaysItsSoundsIsDropped() {
        CInterruptingSound sound;
        CGameBoard board(sound);
        board.SetOwner(&m_owner);
        QVERIFY(board.LoadBoard("TEN.A"));
        m_owner.m_nResult = 4;
        board.HighlightValue(4);
        sound.m_during = [&board] { board.OnPieceClicked(24); };

        board.OnPieceClicked(14);

        QCOMPARE(board.Model().Piece(24).m_nTakenBy, 0);
        QCOMPARE(m_owner.m_takes.size(), std::size_t(1));
        QCOMPARE(sound.Cues().size(), std::size_t(1));  // the shoop alone, no refusal
    }

    void ownerMayLoadTheNextBoardWhileATakeIsReported() {
        // The end of a game starts the next one from inside the click.
        struct CReloadingOwner : CBoardOwner {
            CGameBoard* board = nullptr;
            void OnPieceTaken(int nPlayer, int nPoints) override {
                CBoardOwner::OnPieceTaken(nPlayer, nPoints);
                board->LoadBoard("TEN.A");
            }
        } owner;
        owner.board = m_board.get();
        owner.m_nResult = 4;
        m_board->SetOwner(&owner);
        m_board->HighlightValue(4);

        Click(14);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        QCOMPARE(owner.m_takes.size(), std::size_t(1));
        QCOMPARE(m_board->Model().Piece(14).m_nTakenBy, 0);
        QVERIFY(m_board->Piece(14)->isVisible());
    }

    void highlightedPiecesBlinkEveryTick_data() {
        QTest::addColumn<bool>("grey");
        QTest::addColumn<QColor>("color");
        QTest::newRow("grey: may be taken") << true << kGrey;
        QTest::newRow("red: pointed out") << false << kRed;
    }
    void highlightedPiecesBlinkEveryTick() {
        QFETCH(bool, grey);
        QFETCH(QColor, color);
        const QColor face = CSystemColors::ButtonFace();
        CGamePiece* piece = m_board->HighlightPiece(12, grey);
        QCOMPARE(piece, m_board->Piece(12));
        QList<QColor> seen;
        for (int tick = 0; tick < 3; ++tick) {
            m_board->OnTimer();
            seen << piece->FaceColor();
        }
        QCOMPARE(seen, (QList<QColor>{color, face, color}));
        QCOMPARE(m_board->Piece(13)->FaceColor(), face);
    }

    void clearingDuringTheBlinkRestoresTheFaceAtOnceAndStopsIt() {
        m_board->HighlightValue(3);
        m_board->HighlightPiece(3, false);  // replaces the grey ones with one red
        m_board->OnTimer();
        QCOMPARE(m_board->Piece(3)->FaceColor(), kRed);
        m_board->ClearHighlights();
        QCOMPARE(m_board->Piece(3)->FaceColor(), CSystemColors::ButtonFace());
        m_board->OnTimer();
        QCOMPARE(m_board->Piece(3)->FaceColor(), CSystemColors::ButtonFace());
        QCOMPARE(m_board->Piece(13)->FaceColor(), CSystemColors::ButtonFace());
    }

    void valueHighlightListsTheUntakenPiecesOfThatValueInBoardOrder() {
        CScriptedRandom random(DrawsFor({{1, 6}}));  // index 13
        m_board->BlockRandomCells(1, random);
        m_board->HighlightValue(3);
        QCOMPARE(Indexes(m_board->m_selectable), (QList<int>{3, 23, 33}));
        QVERIFY(m_board->m_bHighlight);
        m_board->HighlightValue(42);
        QVERIFY(m_board->m_selectable.isEmpty());
        QVERIFY(!m_board->m_bHighlight);
    }

    void piecesOfTheBoardAnswerTheBoardsControlColours() {
        QCOMPARE(m_board->Piece(0)->ControlBrush()->color(), QColor(255, 255, 128));
        m_board->Piece(0)->setEnabled(false);
        QCOMPARE(m_board->Piece(0)->ControlBrush()->color(), QColor(255, 0, 0));
    }
};

QTEST_MAIN(GameBoardTest)
#include "tst_GameBoard.moc"
