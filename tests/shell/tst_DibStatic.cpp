#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "PictureSamples.h"
#include "platform/CModal.h"
#include "shell/CDibStatic.h"
#include "shell/CPictureBlock.h"

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
        const SPictureImage image = SamplePicture(headerSize, bits, 13, 9);
        CDibStatic control;
        control.resize(20, 12);
        QVERIFY(control.LoadPicture(Save("picture.bmp", WritePicture(image))));
        QVERIFY(m_boxes.isEmpty());
        QCOMPARE(control.Palette()->size(), std::size_t(1) << bits);

        const QImage shown = control.grab().toImage();
        for (int y = 0; y < image.nHeight; ++y) {
            for (int x = 0; x < image.nWidth; ++x) {
                QCOMPARE(shown.pixel(x, y), SampleColor(image, x, y));
            }
        }
    }

    void pictureLargerThanTheControlIsCutOffNotScaled() {
        const SPictureImage image = SamplePicture(40, 8, 40, 30);
        CDibStatic control;
        control.resize(10, 7);
        QVERIFY(control.LoadPicture(Save("large.bmp", WritePicture(image))));
        const QImage shown = control.grab().toImage();
        QCOMPARE(shown.size(), QSize(10, 7));
        QCOMPARE(shown.pixel(9, 6), SampleColor(image, 9, 6));
    }

    void trueColourPictureWithoutColoursUsedIsReportedAndNotDrawn() {
        CDibStatic control;
        control.resize(8, 8);
        QVERIFY(control.LoadPicture(Save("true.bmp", WritePicture(SamplePicture(40, 24, 8, 8)))));
        QCOMPARE(BoxTexts(), QStringList{"Error creating palette from DIB."});
        QVERIFY(control.Picture());
        QVERIFY(!control.Palette());
    }

    void damagedFileIsReportedAndLeavesTheControlEmpty_data() {
        QTest::addColumn<QByteArray>("bytes");
        const std::vector<std::uint8_t> good = WritePicture(SamplePicture(40, 8, 6, 6));
        QByteArray notBm(reinterpret_cast<const char*>(good.data()), int(good.size()));
        notBm[0] = 'P';
        QByteArray cutShort =
            QByteArray(reinterpret_cast<const char*>(good.data()), int(good.size()) - 1);
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
        QVERIFY(control->LoadPicture(Save("good.bmp", WritePicture(SamplePicture(40, 8, 6, 6)))));
        const std::vector<std::uint8_t> damaged(bytes.begin(), bytes.end());

        QVERIFY(control->LoadPicture(Save("damaged.bmp", damaged)));

        QCOMPARE(BoxTexts(),
                 (QStringList{"Error reading DIB file.", "Error creating palette from DIB."}));
        QCOMPARE(m_boxes.first().owner, control);
        QCOMPARE(m_boxes.first().caption, CModal::AppName());
        QVERIFY(!control->Picture());
        QVERIFY(!control->Palette());
        // The window that holds the picture stays on the screen.
        QVERIFY(mainWindow.isVisible());
    }

    void missingFileIsLeftToTheCallerAndKeepsThePicture() {
        CDibStatic control;
        QVERIFY(control.LoadPicture(Save("kept.bmp", WritePicture(SamplePicture(40, 4, 3, 3)))));
        QVERIFY(!control.LoadPicture(m_dir.filePath("absent.bmp")));
        QVERIFY(m_boxes.isEmpty());
        QVERIFY(control.Picture());
    }
};

QTEST_MAIN(DibStaticTest)
#include "tst_DibStatic.moc"
