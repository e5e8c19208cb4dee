#include <QtTest>

#include "game/CPiece.h"
#include "shell/CGamePiece.h"
#include "shell/COperatorButton.h"
#include "shell/CSystemColors.h"

namespace {

const QColor kFill(255, 255, 128);

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

}  // namespace

class FaceButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void pieceCaptionIsCentredOnTheMiddleOfThePiece() {
        CPiece model;
        model.m_bExists = true;
        model.m_strCaption = "12";
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

    // A 40 x 24 button: two bevels inside a 2-pixel frame whose dark outline
    // has its corners left out, and thickens outwards with the focus.
    void faceSitsInADoubleBevelAndTheFrameThickensWithTheFocus_data() {
        QTest::addColumn<bool>("focused");
        QTest::addColumn<QPoint>("pixel");
        QTest::addColumn<QColor>("color");
        const QColor dark = CSystemColors::WindowFrame();
        const QColor face = CSystemColors::ButtonFace();
        const QColor light = CSystemColors::ButtonHighlight();
        const QColor shadow = CSystemColors::ButtonShadow();
        QTest::newRow("face") << false << QPoint(20, 12) << kFill;
        QTest::newRow("outer bevel, top") << false << QPoint(10, 2) << light;
        QTest::newRow("inner bevel, left") << false << QPoint(3, 12) << light;
        QTest::newRow("outer bevel, bottom") << false << QPoint(10, 21) << shadow;
        QTest::newRow("inner bevel, right") << false << QPoint(36, 12) << shadow;
        QTest::newRow("unfocused: edge") << false << QPoint(0, 10) << face;
        QTest::newRow("unfocused: outline") << false << QPoint(1, 10) << dark;
        QTest::newRow("unfocused: outline corner") << false << QPoint(1, 1) << face;
        QTest::newRow("focused: outline on the edge") << true << QPoint(0, 10) << dark;
        QTest::newRow("focused: edge corner") << true << QPoint(0, 0) << face;
        QTest::newRow("focused: full ring") << true << QPoint(1, 1) << dark;
    }
    void faceSitsInADoubleBevelAndTheFrameThickensWithTheFocus() {
        QFETCH(bool, focused);
        QFETCH(QPoint, pixel);
        QFETCH(QColor, color);
        QWidget window;
        auto* button = new CFaceButton(&window);
        button->setGeometry(0, 0, 40, 24);
        button->SetFaceColor(kFill);
        auto* other = new CFaceButton(&window);
        other->setGeometry(50, 0, 40, 24);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        (focused ? button : other)->setFocus();
        QCOMPARE(button->hasFocus(), focused);
        const QImage shot = Shot(*button);
        QCOMPARE(shot.pixelColor(pixel), color);
        button->setDown(true);
        QCOMPARE(Shot(*button), shot);  // a pressed button looks like a released one
    }

    // Each step is ShowNext (">") or SetOperator with that character; shown is
    // the caption after ShowFirst and after each step. The hint's SetOperator
    // leaves the list position where it was.
    void operatorButtonCyclesThroughItsListAndSetOperatorKeepsThePosition_data() {
        QTest::addColumn<QString>("list");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("shown");
        QTest::newRow("plus and times") << "+*" << QString(">>>") << "+*+*";
        QTest::newRow("all four") << "+-*/" << QString(">>>>") << "+-*/+";
        QTest::newRow("one") << "/" << QString(">>") << "///";
        QTest::newRow("at plus, set minus") << "+-*/" << QString("->") << "+--";
        QTest::newRow("at plus, set divide") << "+-*/" << QString("/>") << "+/-";
        QTest::newRow("at times, set plus") << "+-*/" << QString(">>+>") << "+-*+/";
        QTest::newRow("at divide, set times") << "+-*/" << QString(">>>*>") << "+-*/*+";
    }
    void operatorButtonCyclesThroughItsListAndSetOperatorKeepsThePosition() {
        QFETCH(QString, list);
        QFETCH(QString, steps);
        QFETCH(QString, shown);
        COperatorButton button;
        // A list of an earlier game, replaced as a new game does.
        for (char op : {'-', '+', '/'}) button.AddOperator(op);
        button.ShowFirst();
        button.ShowNext();
        button.RemoveOperators();
        for (QChar op : list) button.AddOperator(op.toLatin1());
        button.ShowFirst();
        QString seen = button.text();
        for (QChar step : steps) {
            if (step == '>') {
                button.ShowNext();
            } else {
                QVERIFY(button.SetOperator(step.toLatin1()));
            }
            QCOMPARE(button.GetOperator(), button.text().at(0).toLatin1());
            seen += button.text();
        }
        QCOMPARE(seen, shown);
    }

    void glyphIsDrawnInBlackOnTheFace_data() {
        QTest::addColumn<char>("op");
        QTest::addColumn<QRect>("ink");  // relative to the button's centre; none when empty
        QTest::newRow("plus") << '+' << QRect(-5, -5, 10, 10);
        QTest::newRow("minus") << '-' << QRect(-5, -1, 10, 2);
        QTest::newRow("times") << '*' << QRect(-4, -4, 8, 8);
        QTest::newRow("divide") << '/' << QRect(-5, -5, 10, 10);
        QTest::newRow("not an operator") << 'x' << QRect();
    }
    void glyphIsDrawnInBlackOnTheFace() {
        QFETCH(char, op);
        QFETCH(QRect, ink);
        COperatorButton button;
        button.resize(24, 20);
        button.SetOperator(op);
        const QImage shot = Shot(button);
        QCOMPARE(Extent(shot, QRect(4, 4, 16, 12)), ink.isNull() ? ink : ink.translated(12, 10));
        // Around the symbol the face shows unchanged.
        QCOMPARE(shot.pixelColor(12 - 6, 10 - 6), CSystemColors::ButtonFace());
    }
};

QTEST_MAIN(FaceButtonsTest)
#include "tst_FaceButtons.moc"
