#include <QtTest>

#include "shell/CBitmaps.h"

class BitmapsTest : public QObject {
    Q_OBJECT

private slots:
    void tileIsOneColourWithALineAlongItsTopAndLeft_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QColor>("fill");
        QTest::addColumn<QColor>("line");
        QTest::newRow("blocked: navy") << 133 << QColor(0, 0, 128) << QColor(128, 128, 128);
        QTest::newRow("counted: green") << 134 << QColor(0, 128, 0) << QColor(192, 192, 192);
        QTest::newRow("taken: lime") << 135 << QColor(0, 255, 0) << QColor(192, 192, 192);
        QTest::newRow("spare: yellow") << 136 << QColor(255, 255, 0) << QColor(192, 192, 192);
    }
    void tileIsOneColourWithALineAlongItsTopAndLeft() {
        QFETCH(int, id);
        QFETCH(QColor, fill);
        QFETCH(QColor, line);
        const QImage& tile = CBitmaps::Get(id);
        QCOMPARE(tile.size(), QSize(109, 89));
        for (QPoint p :
             {QPoint(0, 0), QPoint(60, 0), QPoint(108, 0), QPoint(0, 40), QPoint(0, 88)}) {
            QCOMPARE(tile.pixelColor(p), line);
        }
        for (QPoint p : {QPoint(1, 1), QPoint(88, 53), QPoint(108, 88), QPoint(50, 30)}) {
            QCOMPARE(tile.pixelColor(p), fill);
        }
    }

    void glyphIsABlackSymbolOnWhite_data() {
        QTest::addColumn<char>("op");
        QTest::addColumn<int>("blackPixels");
        QTest::newRow("plus") << '+' << 36;
        QTest::newRow("minus") << '-' << 20;
        QTest::newRow("times") << '*' << 40;
        QTest::newRow("divide") << '/' << 28;
    }
    void glyphIsABlackSymbolOnWhite() {
        QFETCH(char, op);
        QFETCH(int, blackPixels);
        const QImage& glyph = CBitmaps::Get(CBitmaps::GlyphFor(op));
        QCOMPARE(glyph.size(), QSize(14, 14));
        int black = 0;
        for (int y = 0; y < 14; ++y) {
            for (int x = 0; x < 14; ++x) {
                const QRgb pixel = glyph.pixel(x, y);
                QVERIFY(pixel == qRgb(0, 0, 0) || pixel == qRgb(255, 255, 255));
                black += pixel == qRgb(0, 0, 0);
            }
        }
        QCOMPARE(black, blackPixels);
    }

    void characterWithoutGlyphHasNone() { QCOMPARE(CBitmaps::GlyphFor('x'), 0); }

    void unknownBitmapIsNamedAndEmpty() {
        QTest::ignoreMessage(QtCriticalMsg,
                             "Bitmap resource :/bitmaps/150.bmp is missing or damaged.");
        QVERIFY(CBitmaps::Get(150).isNull());
    }
};

QTEST_MAIN(BitmapsTest)
#include "tst_Bitmaps.moc"
