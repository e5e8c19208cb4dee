#include <qpa/qwindowsysteminterface.h>

#include <QtTest>
#include <functional>
#include <memory>

#include "platform/CSyncCue.h"
#include "platform/ISound.h"
#include "shell/CBitmaps.h"
#include "shell/CGameBoard.h"
#include "shell/CGamePiece.h"
#include "shell/CSystemColors.h"
#include "shell/CTile.h"
#include "shell/IGameBoardOwner.h"
#include "support/CScriptedRandom.h"

namespace {

using Takes = std::vector<std::pair<int, int>>;
const QColor kGrey(128, 128, 128), kRed(255, 0, 0), kFace = CSystemColors::ButtonFace();

// The main window as the board sees it, with the takes it is told of as (player, points).
struct COwner : IGameBoardOwner {
    bool IsSoundOn() const override { return m_bSound; }
    int Result() const override { return m_nResult; }
    bool IsOnePlayer() const override { return m_bOnePlayer; }
    int BestPiece() const override { return m_nBestPiece; }
    void OnPieceTaken(int nPlayer, int nPoints) override {
        m_takes.push_back({nPlayer, nPoints});
        if (m_onTake) m_onTake();
    }
    bool m_bSound = true, m_bOnePlayer = false;
    int m_nResult = 4, m_nBestPiece = 14;
    Takes m_takes;
    std::function<void()> m_onTake;
};

// Each cue as "file mode" and the bitmap each watched tile shows as it starts
// (0 while hidden). A synchronous cue waits m_nWaitMs as a real one does;
// m_during runs as the first one starts.
struct CBoardSound : ISound {
    void Play(const std::string& file, ESoundMode mode) override {
        QString event =
            QString::fromStdString(file) + (mode == ESoundMode::Sync ? " sync" : " async");
        for (int index : m_watched) {
            const CTile* tile = m_board->Tile(index);
            event += QString(" %1").arg(tile->isVisibleTo(m_board) ? tile->Bitmap() : 0);
        }
        m_events << event;
        if (mode == ESoundMode::Async || !m_nWaitMs) return;
        if (m_during) std::exchange(m_during, nullptr)();
        QEventLoop loop;
        QTimer::singleShot(m_nWaitMs, &loop, &QEventLoop::quit);
        CSyncCue::Wait(loop);
    }
    const CGameBoard* m_board = nullptr;
    std::vector<int> m_watched;
    std::function<void()> m_during;
    int m_nWaitMs = 0;
    QStringList m_events;
};

// A click queued as the window system queues one; the board is the window.
void PostClick(QWidget* piece) {
    const QPoint at = piece->geometry().center();
    for (auto [buttons, type] : {std::pair(Qt::LeftButton, QEvent::MouseButtonPress),
                                 {Qt::NoButton, QEvent::MouseButtonRelease}})
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            piece->window()->windowHandle(), at, piece->window()->mapToGlobal(at), buttons,
            Qt::LeftButton, type);
}

struct SClick {
    bool blinking, onePlayer;  // blinking: the pieces of value 4
    int player, clicked;
    bool sound;
    int takenBy;  // 0: refused
};

}  // namespace

// Cell i of "TEN.A" holds the value i % 10; "GAPS.A" lacks cells 5 and 34.
// The result is 4 and the computer's piece 14 unless a test says otherwise.
class GameBoardTest : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    CBoardSound m_sound;
    COwner m_owner;
    std::unique_ptr<CGameBoard> m_board;

    void Click(int index) { QTest::mouseClick(m_board->Piece(index), Qt::LeftButton); }
    void Block(const std::vector<std::pair<int, int>>& cells) {  // (row, column)
        std::vector<int> draws;
        for (auto [row, column] : cells) draws.insert(draws.end(), {row * 6554, column * 4681});
        CScriptedRandom random(draws);
        m_board->BlockRandomCells(int(cells.size()), random);
    }

private slots:
    void initTestCase() {
        QDir(m_dir.path()).mkdir("data");
        QDir::setCurrent(m_dir.path());
        QStringList lines;
        for (int i = 0; i < 35; ++i) lines << QString("%1 ,%2").arg(i % 10).arg(i);
        for (const char* name : {"TEN.A", "GAPS.A"}) {
            QFile file(QString("data/") + name);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(lines.join('\n').toLatin1());
            lines[5] = "no comma here";
            lines.removeLast();
        }
    }
    void init() {
        m_sound = CBoardSound();
        m_owner = COwner();
        m_board = std::make_unique<CGameBoard>(m_sound);
        m_sound.m_board = m_board.get();
        m_board->SetOwner(&m_owner);
        QVERIFY(m_board->LoadBoard("TEN.A"));
        m_board->resize(m_board->sizeHint());
        m_board->show();
    }
    void cleanup() { m_board.reset(); }

    void clickTakesAPieceOnlyWhenTheMoveAllowsIt() {
        for (const SClick& c : {SClick{false, false, 0, 4, true, 0},  // nothing blinks
                                {false, false, 0, 4, false, 0},       // nor sounds
                                {true, false, 0, 5, true, 0},         // value is not the result
                                {true, true, 1, 4, true, 0},      // computer's turn, not its piece
                                {true, true, 0, 4, true, 1},      // player one
                                {true, false, 1, 4, true, 2},     // player two
                                {true, true, 1, 14, true, 2}}) {  // the computer's piece
            init();
            m_owner.m_bSound = c.sound;
            m_owner.m_bOnePlayer = c.onePlayer;
            m_board->Model().SetCurrentPlayer(c.player);
            if (c.blinking) m_board->HighlightValue(4);

            Click(c.clicked);

            const QString cue = c.takenBy ? "data\\shoop.wav sync" : "data\\no.wav async";
            QCOMPARE(m_sound.m_events, c.sound ? QStringList{cue} : QStringList{});
            QCOMPARE(m_board->Model().Piece(c.clicked).m_nTakenBy, c.takenBy);
            QCOMPARE(m_board->Piece(c.clicked)->isVisible(), c.takenBy == 0);
            QCOMPARE(m_board->Tile(c.clicked)->isVisible(), c.takenBy != 0);
            QCOMPARE(m_owner.m_takes, (c.takenBy ? Takes{{c.player, 1}} : Takes{}));
        }
    }

    void takeFlashesTakenNeighboursOneByOneEachWithAWarbleAndScoresFour() {
        for (bool sound : {true, false}) {
            init();
            // The top-left piece's neighbours right, down and down-right are blocked.
            Block({{0, 1}, {1, 0}, {1, 1}});
            m_sound.m_watched = {0, 1, 7, 8};
            m_owner.m_bSound = sound;
            m_owner.m_nResult = 0;
            m_board->HighlightValue(0);
            Click(0);
            const QStringList heard{
                "data\\shoop.wav sync 135 133 133 133", "data\\warble.wav sync 135 134 133 133",
                "data\\warble.wav sync 135 134 134 133", "data\\warble.wav sync 135 134 134 134"};
            QCOMPARE(m_sound.m_events, sound ? heard : QStringList{});
            for (int i : {1, 7, 8})
                QCOMPARE(m_board->Tile(i)->Bitmap(), int(CBitmaps::TileCounted));
            QCOMPARE(m_owner.m_takes, (Takes{{0, 4}}));
        }
    }

    // Mouse input waits while a synchronous cue plays: a click on another
    // blinking piece during a take comes once the move has ended, and is
    // refused. A click that is not user input fires during the take: dropped.
    void clickDuringATakeNeverTakesASecondPiece() {
        for (bool mouse : {true, false}) {
            init();
            m_owner.m_onTake = [this] {  // as the main window ends the move
                m_sound.m_events << "move ended";
                m_board->ClearHighlights();
            };
            m_board->HighlightValue(4);
            CGamePiece* other = m_board->Piece(24);
            m_sound.m_nWaitMs = 300;
            m_sound.m_during = [other, mouse] { mouse ? PostClick(other) : other->animateClick(); };
            Click(14);
            QTest::qWait(200);
            QStringList events{"data\\shoop.wav sync", "move ended"};
            if (mouse) events << "data\\no.wav async";
            QCOMPARE(m_sound.m_events, events);
            QCOMPARE(m_owner.m_takes, (Takes{{0, 1}}));
        }
    }

    void loadingKeepsTheBoardWhenTheFileIsMissingAndMayHappenDuringATake() {
        CGamePiece* before = m_board->Piece(0);
        QVERIFY(!m_board->LoadBoard("NONE.A"));
        QCOMPARE(m_board->Piece(0), before);
        // The end of a game loads the next board from inside the click.
        m_owner.m_onTake = [this] { QVERIFY(m_board->LoadBoard("GAPS.A")); };
        m_board->HighlightValue(4);
        Click(14);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!m_board->m_bHighlight && m_board->m_selectable.isEmpty());
        QVERIFY(m_board->Piece(14)->isVisible() && m_board->Piece(33));
        QVERIFY(!m_board->Piece(5) && !m_board->Tile(5) && !m_board->Piece(34));
        QVERIFY(!m_board->HighlightPiece(5, true));
    }

    void highlightedPieceBlinksGreyOrRedEveryTickUntilCleared() {
        for (int index : {12, 13}) {  // 12 grey, 13 red
            m_board->HighlightValue(2);
            CGamePiece* piece = m_board->HighlightPiece(index, index == 12);  // replaces them
            QList<QColor> seen;
            for (int tick = 0; tick < 3; ++tick) {
                m_board->OnTimer();
                seen << piece->FaceColor() << m_board->Piece(22)->FaceColor();
            }
            const QColor on = index == 12 ? kGrey : kRed;
            QCOMPARE(seen, (QList<QColor>{on, kFace, kFace, kFace, on, kFace}));
            m_board->ClearHighlights();
            m_board->OnTimer();
            QCOMPARE(piece->FaceColor(), kFace);
        }
        m_board->HighlightValue(11);  // no piece has it
        QVERIFY(!m_board->m_bHighlight);
    }

    // Blocked cells in navy, a piece just taken in lime with its counted
    // neighbours in green, the pieces of the result blinking grey. With
    // TALLYFOLD_SCREENSHOT set to a file name the picture is saved there.
    void midGameBoardAsThePlayerSeesIt() {
        Block({{0, 1}, {1, 0}, {3, 5}, {4, 6}, {2, 2}});
        m_owner.m_nResult = 0;
        m_board->HighlightValue(0);
        Click(0);
        m_board->RefreshCounts();
        m_board->HighlightValue(7);
        m_board->OnTimer();
        const QImage shot = m_board->grab().toImage();
        if (qEnvironmentVariableIsSet("TALLYFOLD_SCREENSHOT"))
            QVERIFY(shot.save(qEnvironmentVariable("TALLYFOLD_SCREENSHOT"), "PNG"));
        QCOMPARE(shot.size(), QSize(624, 271));
        QCOMPARE(m_board->Piece(8)->geometry(), QRect(90, 55, 89, 54));
        const QColor lime(0, 255, 0), green(0, 128, 0), navy(0, 0, 128);
        const QList<std::pair<int, QColor>> faces = {{0, lime},   {1, green},  {7, green},
                                                     {26, navy},  {34, navy},  {16, navy},
                                                     {17, kGrey}, {27, kGrey}, {18, kFace}};
        for (auto [index, color] : faces)
            QCOMPARE(shot.pixelColor(CGameBoard::CellRect(index).topLeft() + QPoint(15, 15)).rgb(),
                     color.rgb());
        // The tiles' line along the top of a taken cell.
        QCOMPARE(shot.pixelColor(CGameBoard::CellRect(26).topLeft() + QPoint(20, 0)), kGrey);
    }
};

QTEST_MAIN(GameBoardTest)
#include "tst_GameBoard.moc"
