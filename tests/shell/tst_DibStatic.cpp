#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "platform/CModal.h"
#include "shell/CDibStatic.h"
#include "shell/CPictureBlock.h"

namespace {

// A picture whose every pixel differs from its neighbours, so an offset, a
// flip or a scaling shows in the painted control.
SPictureImage Picture(int headerSize, int bits, int width, int height) {
    SPictureImage image;
    image.nHeaderSize = headerSize;
    image.nWidth = width;
    image.nHeight = height;
    image.nBitsPerPixel = bits;
    if (bits <= 8) {
        for (std::uint32_t k = 0; k < (1u << bits); ++k) {
            image.colors.push_back(0xFF000000u | (k * 0x3B1F07u) % 0x1000000u);
        }
    }
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t n = std::uint32_t(x + y * width);
            image.pixels.push_back(bits <= 8 ? n % (1u << bits) : (n * 0x0A1B2Cu) & 0xFFFFFFu);
        }
    }
    return image;
}

QRgb ColorAt(const SPictureImage& image, int x, int y) {
    const std::uint32_t value = image.pixels[std::size_t(y * image.nWidth + x)];
    return image.nBitsPerPixel <= 8 ? image.colors[value] : 0xFF000000u | value;
}

}  // namespace

class DibStaticTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QList<CModal::SRequest> m_boxes;

    QString Save(const QString& name, const std::vector<std::uint8_t>& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly)) return QString();
        file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
        return path;
    }

    QStringList BoxTexts() const {
        QStringList texts;
        for (const CModal::SRequest& box : m_boxes) texts << box.text;
        return texts;
    }

private slots:
    void init() {
        m_boxes.clear();
        CModal::SetAnswerer([this](const CModal::SRequest& request) {
            m_boxes << request;
            return int(CModal::IdOk);
        });
    }
    void cleanup() { CModal::SetAnswerer(nullptr); }

    void picturePaintsUnscaledFromTheTopLeftCorner_data() {
        QTest::addColumn<int>("headerSize");
        QTest::addColumn<int>("bits");
        QTest::newRow("1 bit") << 40 << 1;
        QTest::newRow("4 bits") << 40 << 4;
        QTest::newRow("8 bits") << 40 << 8;
        QTest::newRow("8 bits, core header") << 12 << 8;
        QTest::newRow("4 bits, 124-byte header") << 124 << 4;
    }
    void picturePaintsUnscaledFromTheTopLeftCorner() {
        QFETCH(int, headerSize);
        QFETCH(int, bits);
        const SPictureImage image = Picture(headerSize, bits, 13, 9);
        CDibStatic control;
        control.resize(20, 12);
        QVERIFY(control.LoadPicture(Save("picture.bmp", WritePicture(image))));
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(control.Palette()->size(), std::size_t(1) << bits);

        const QImage shown = control.grab().toImage();
        for (int y = 0; y < image.nHeight; ++y) {
            for (int x = 0; x < image.nWidth; ++x) {
                QCOMPARE(shown.pixel(x, y), ColorAt(image, x, y));
            }
        }
    }

    void pictureLargerThanTheControlIsCutOffNotScaled() {
        const SPictureImage image = Picture(40, 8, 40, 30);
        CDibStatic control;
        control.resize(10, 7);
        QVERIFY(control.LoadPicture(Save("large.bmp", WritePicture(image))));
        const QImage shown = control.grab().toImage();
        QCOMPARE(shown.size(), QSize(10, 7));
        QCOMPARE(shown.pixel(9, 6), ColorAt(image, 9, 6));
    }

    void trueColourPictureWithoutColoursUsedIsReportedAndNotDrawn() {
        CDibStatic control;
        control.resize(8, 8);
        QVERIFY(control.LoadPicture(Save("true.bmp", WritePicture(Picture(40, 24, 8, 8)))));
        QCOMPARE(BoxTexts(), QStringList{"Error creating palette from DIB."});
        QVERIFY(control.Picture());
        QVERIFY(!control.Palette());
    }

    void damagedFileIsReportedAndLeavesTheControlEmpty_data() {
        QTest::addColumn<QByteArray>("bytes");
        const std::vector<std::uint8_t> good = WritePicture(Picture(40, 8, 6, 6));
        QByteArray notBm(reinterpret_cast<const char*>(good.data()), int(good.size()));
        notBm[0] = 'P';
        QByteArray cutShort = QByteArray(reinterpret_cast<const char*>(good.data()),
                                         int(good.size()) - 1);
        QByteArray hugeTable(reinterpret_cast<const char*>(good.data()), int(good.size()));
        hugeTable[14 + 32 + 3] = char(0x7F);  // colours used: about two thousand million
        QTest::newRow("not starting with BM") << notBm;
        QTest::newRow("pixel bits cut short") << cutShort;
        QTest::newRow("colour table past the end") << hugeTable;
        QTest::newRow("empty file") << QByteArray();
    }
    void damagedFileIsReportedAndLeavesTheControlEmpty() {
        QFETCH(QByteArray, bytes);
        QWidget mainWindow;
        mainWindow.show();
        auto* control = new CDibStatic(&mainWindow);
        QVERIFY(control->LoadPicture(Save("good.bmp", WritePicture(Picture(40, 8, 6, 6)))));
        const std::vector<std::uint8_t> damaged(bytes.begin(), bytes.end());

        QVERIFY(control->LoadPicture(Save("damaged.bmp", damaged)));

        QCOMPARE(BoxTexts(), (QStringList{"Error reading DIB file.",
                                          "Error creating palette from DIB."}));
        QCOMPARE(m_boxes.first().owner, control);
        QCOMPARE(m_boxes.first().caption, CModal::AppName());
        QVERIFY(!control->Picture());
        QVERIFY(!control->Palette());
        // The window that holds the picture stays on the screen.
        QVERIFY(mainWindow.isVisible());
    }

    void missingFileIsLeftToTheCallerAndKeepsThePicture() {
        CDibStatic control;
        QVERIFY(control.LoadPicture(Save("kept.bmp", WritePicture(Picture(40, 4, 3, 3)))));
        QVERIFY(!control.LoadPicture(m_dir.filePath("absent.bmp")));
        QVERIFY(m_boxes.isEmpty());
        QVERIFY(control.Picture());
    }
};

QTEST_MAIN(DibStaticTest)
#include "tst_DibStatic.moc"
