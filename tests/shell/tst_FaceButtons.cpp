#include <QtTest>

#include "game/CPiece.h"
#include "shell/CGamePiece.h"
#include "shell/COperatorButton.h"
#include "shell/CSystemColors.h"

namespace {

// The smallest rectangle holding every pixel of the widget inside area at least as dark as darkest.
QRect Ink(QWidget& widget, const QRect& area, int darkest = 0) {
    const QImage image = widget.grab().toImage();
    QRect extent;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) <= darkest) extent |= QRect(x, y, 1, 1);
    return extent;
}

}  // namespace

class FaceButtonsTest : public QObject {
    Q_OBJECT

private slots:
    void pieceCaptionIsCentredOnTheMiddleOfThePiece() {
        CGamePiece piece(3000, CPiece{true, "12", 12, 0, 0, 0}, nullptr, nullptr, nullptr);
        piece.resize(89, 54);
        const QRect ink = Ink(piece, QRect(5, 5, 79, 44), 96);
        // Centred on (44, 27) give or take the side bearings and the descent.
        QVERIFY(qAbs(ink.center().x() - 44) <= 2);
        QVERIFY(ink.top() < 27 && ink.bottom() >= 27 &&
                ink.bottom() <= 27 + ink.height() / 2 + QFontMetrics(piece.font()).descent());
    }

    // A 40 x 24 button: a face inside a bevel and a 2-pixel frame whose dark
    // outline leaves its corners out and thickens outwards with the focus.
    void faceSitsInABevelAndTheFrameThickensWithTheFocus() {
        const QColor dark = CSystemColors::WindowFrame(), face = CSystemColors::ButtonFace();
        for (bool focused : {false, true}) {
            QWidget window;
            auto* button = new CFaceButton(&window);
            button->setGeometry(0, 0, 40, 24);
            button->SetFaceColor(Qt::yellow);
            auto* other = new CFaceButton(&window);
            window.show();
            window.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&window));
            (focused ? button : other)->setFocus();
            const QImage shot = button->grab().toImage();
            QList<QColor> seen;
            for (QPoint at : {QPoint(20, 12), {10, 2}, {36, 12}, {0, 10}, {1, 10}, {1, 1}})
                seen << shot.pixelColor(at);
            QCOMPARE(seen, (QList<QColor>{Qt::yellow, CSystemColors::ButtonHighlight(),
                                          CSystemColors::ButtonShadow(), focused ? dark : face,
                                          dark, focused ? dark : face}));
        }
    }

    // Around the button's centre (12, 10); nothing for a character that is no operator.
    void glyphIsDrawnInBlackOnTheFace() {
        for (auto [op, ink] :
             {std::pair('-', QRect(7, 9, 10, 2)), {'*', QRect(8, 6, 8, 8)}, {'x', QRect()}}) {
            COperatorButton button;
            button.resize(24, 20);
            button.SetOperator(op);
            QCOMPARE(Ink(button, QRect(4, 4, 16, 12)), ink);
        }
    }
};

QTEST_MAIN(FaceButtonsTest)
#include "tst_FaceButtons.moc"
