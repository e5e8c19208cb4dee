#include <QtTest>

#include "game/CPiece.h"
#include "shell/CGamePiece.h"
#include "shell/COperatorButton.h"
#include "shell/CSystemColors.h"

namespace {

const QRgb kDark = CSystemColors::WindowFrame().rgb();
const QRgb kFace = CSystemColors::ButtonFace().rgb();

CPiece PieceModel(const char* caption) {
    CPiece piece;
    piece.m_bExists = true;
    piece.m_strCaption = caption;
    return piece;
}

QImage Shot(QWidget& widget) {
    return widget.grab().toImage();
}

// The smallest rectangle holding every pixel inside area that is as dark as
// darkest (antialiased text has few pixels of pure black).
QRect Extent(const QImage& image, const QRect& area, int darkest = 0) {
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (qGray(image.pixel(x, y)) <= darkest) extent |= QRect(x, y, 1, 1);
        }
    }
    return extent;
}

QStringList Captions(COperatorButton& button, int steps) {
    QStringList shown;
    for (int k = 0; k < steps; ++k) {
        button.ShowNext();
        shown << button.text();
    }
    return shown;
}

}  // namespace

class FaceButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void pieceCaptionIsCentredOnTheMiddleOfThePiece() {
        const CPiece model = PieceModel("12");
        CGamePiece piece(3000, model, nullptr, nullptr, nullptr);
        piece.resize(89, 54);
        const QRect ink = Extent(Shot(piece), QRect(5, 5, 79, 44), 96);
        // The ink of "12" is centred on (44, 27) whatever the font, give or take
        // the glyphs' side bearings and the space below the baseline.
        QVERIFY(qAbs(ink.center().x() - 44) <= 2);
        const int descent = QFontMetrics(piece.font()).descent();
        QVERIFY(ink.top() < 27 && ink.bottom() >= 27 &&
                ink.bottom() <= 27 + ink.height() / 2 + descent);
    }

    void faceIsFilledInsideARaisedDoubleBevel() {
        CFaceButton button;
        button.resize(30, 20);
        button.SetFaceColor(QColor(255, 255, 128));
        const QImage shot = Shot(button);
        QCOMPARE(shot.pixel(15, 10), qRgb(255, 255, 128));
        // Light above and left, dark below and right, twice over.
        QCOMPARE(shot.pixel(10, 2), CSystemColors::ButtonHighlight().rgb());
        QCOMPARE(shot.pixel(10, 3), CSystemColors::ButtonHighlight().rgb());
        QCOMPARE(shot.pixel(10, 17), CSystemColors::ButtonShadow().rgb());
        QCOMPARE(shot.pixel(26, 10), CSystemColors::ButtonShadow().rgb());
    }

    void pressedButtonLooksLikeAReleasedOne() {
        CFaceButton button;
        button.resize(30, 20);
        const QImage released = Shot(button);
        button.setDown(true);
        QCOMPARE(Shot(button), released);
    }

    void focusThickensTheRoundedOutline_data() {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<bool>("dark");
        QTest::newRow("unfocused: outer edge light") << false << QPoint(0, 10) << false;
        QTest::newRow("unfocused: outline one pixel in") << false << QPoint(1, 10) << true;
        QTest::newRow("unfocused: outline corner left out") << false << QPoint(1, 1) << false;
        QTest::newRow("focused: outline on the edge") << true << QPoint(0, 10) << true;
        QTest::newRow("focused: edge corner left out") << true << QPoint(0, 0) << false;
        QTest::newRow("focused: full ring one pixel in") << true << QPoint(1, 1) << true;
    }
    void focusThickensTheRoundedOutline() {
        QFETCH(bool, focused);
        QFETCH(QPoint, pixel);
        QFETCH(bool, dark);
        QWidget window;
        auto* button = new CFaceButton(&window);
        button->setGeometry(0, 0, 40, 24);
        auto* other = new CFaceButton(&window);
        other->setGeometry(50, 0, 40, 24);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        (focused ? button : other)->setFocus();
        QCOMPARE(button->hasFocus(), focused);
        QCOMPARE(Shot(*button).pixel(pixel) == kDark, dark);
    }

    void pieceAnswersItsControlColourByItsState() {
        const CPiece model = PieceModel("5");
        const QBrush enabled(QColor(255, 255, 128));
        const QBrush disabled(QColor(255, 0, 0));
        CGamePiece piece(3007, model, &enabled, &disabled, nullptr);
        QCOMPARE(piece.ControlBrush(), &enabled);
        piece.setEnabled(false);
        QCOMPARE(piece.ControlBrush(), &disabled);
        QCOMPARE(piece.Index(), 7);
    }

    void operatorButtonCyclesThroughItsList_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QStringList>("shown");
        QTest::newRow("plus and times") << "+*" << QStringList{"*", "+", "*"};
        QTest::newRow("all four") << "+-*/" << QStringList{"-", "*", "/", "+"};
        QTest::newRow("one") << "/" << QStringList{"/", "/"};
    }
    void operatorButtonCyclesThroughItsList() {
        QFETCH(QString, list);
        QFETCH(QStringList, shown);
        COperatorButton button;
        for (QChar op : list) button.AddOperator(op.toLatin1());
        button.ShowFirst();
        QCOMPARE(button.GetOperator(), list.at(0).toLatin1());
        QCOMPARE(Captions(button, int(shown.size())), shown);
    }

    void nextAfterSetOperatorContinuesFromTheListPosition_data() {
        QTest::addColumn<int>("steps");  // ShowNext calls before SetOperator
        QTest::addColumn<char>("set");
        QTest::addColumn<QString>("next");
        QTest::newRow("at plus, set minus") << 0 << '-' << "-";
        QTest::newRow("at plus, set divide") << 0 << '/' << "-";
        QTest::newRow("at times, set plus") << 2 << '+' << "/";
        QTest::newRow("at divide, set times") << 3 << '*' << "+";
    }
    void nextAfterSetOperatorContinuesFromTheListPosition() {
        QFETCH(int, steps);
        QFETCH(char, set);
        QFETCH(QString, next);
        COperatorButton button;
        for (char op : {'+', '-', '*', '/'}) button.AddOperator(op);
        button.ShowFirst();
        Captions(button, steps);
        QVERIFY(button.SetOperator(set));
        QCOMPARE(button.GetOperator(), set);
        button.ShowNext();
        QCOMPARE(button.text(), next);
    }

    void removeOperatorsStartsANewList() {
        COperatorButton button;
        for (char op : {'+', '-', '*', '/'}) button.AddOperator(op);
        button.ShowFirst();
        button.ShowNext();
        button.RemoveOperators();
        button.AddOperator('*');
        button.AddOperator('/');
        button.ShowFirst();
        QCOMPARE(Captions(button, 2), (QStringList{"/", "*"}));
    }

    void emptyCaptionReadsAsNoOperator() {
        COperatorButton button;
        QCOMPARE(button.GetOperator(), '\0');
    }

    void glyphIsDrawnInBlackOnTheFace_data() {
        QTest::addColumn<char>("op");
        QTest::addColumn<QRect>("ink");  // relative to the button's centre
        QTest::newRow("plus") << '+' << QRect(-5, -5, 10, 10);
        QTest::newRow("minus") << '-' << QRect(-5, -1, 10, 2);
        QTest::newRow("times") << '*' << QRect(-4, -4, 8, 8);
        QTest::newRow("divide") << '/' << QRect(-5, -5, 10, 10);
    }
    void glyphIsDrawnInBlackOnTheFace() {
        QFETCH(char, op);
        QFETCH(QRect, ink);
        COperatorButton button;
        button.resize(24, 20);
        button.SetOperator(op);
        const QImage shot = Shot(button);
        QCOMPARE(Extent(shot, QRect(4, 4, 16, 12)), ink.translated(12, 10));
        // Around the symbol the face shows unchanged.
        QCOMPARE(shot.pixel(12 - 6, 10 - 6), kFace);
    }

    void unknownOperatorShowsOnlyTheFace() {
        COperatorButton button;
        button.resize(24, 20);
        button.SetOperator('x');
        QVERIFY(Extent(Shot(button), QRect(4, 4, 16, 12)).isEmpty());
    }
};

QTEST_MAIN(FaceButtonsTest)
#include "tst_FaceButtons.moc"
