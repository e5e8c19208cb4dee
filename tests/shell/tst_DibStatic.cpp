#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include "PictureSamples.h"
#include "shell/CDibStatic.h"
#include "shell/CPictureBlock.h"
#include "support/CModalScript.h"

namespace {

QByteArray FileOf(const SPictureImage& image) {
    const std::vector<std::uint8_t> bytes = WritePicture(image);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

QStringList Texts(const CModalScript& script) {
    QStringList texts;
    for (const CModal::SRequest& box : script.Requests()) texts << box.text;
    return texts;
}

}  // namespace

// The decoding of every depth and header is proved on the picture block; here,
// how the control shows a picture and what it says when it cannot.
class DibStaticTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Save(const QString& name, const QByteArray& bytes) {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return QString();
        return path;
    }

private slots:
    void pictureIsDrawnUnscaledFromTheTopLeftCornerAndCutOffAtTheEdges() {
        CModalScript script;
        const SPictureImage image = SamplePicture(40, 8, 13, 9);
        CDibStatic control;
        control.resize(10, 7);
        QVERIFY(control.LoadPicture(Save("picture.bmp", FileOf(image))));
        QVERIFY(script.Requests().empty());
        QCOMPARE(control.Palette()->size(), std::size_t(256));

        const QImage shown = control.grab().toImage();
        QCOMPARE(shown.size(), QSize(10, 7));
        for (int y = 0; y < shown.height(); ++y) {
            for (int x = 0; x < shown.width(); ++x) {
                QCOMPARE(shown.pixel(x, y), SampleColor(image, x, y));
            }
        }
    }

    // Each after a good picture was shown in a control of the main window.
    void loadProblemIsReportedAndLeavesTheWindowOnTheScreen_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("exists");
        QTest::addColumn<QStringList>("boxes");
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("palette");
        const QStringList damaged{"Error reading DIB file.", "Error creating palette from DIB."};
        const QByteArray good = FileOf(SamplePicture(40, 8, 6, 6));
        QByteArray notBm = good;
        notBm[0] = 'P';
        QByteArray hugeTable = good;
        hugeTable[14 + 32 + 3] = char(0x7F);  // colours used: about two thousand million
        QTest::newRow("true colour without colours used")
            << FileOf(SamplePicture(40, 24, 8, 8)) << true
            << QStringList{"Error creating palette from DIB."} << true << false;
        QTest::newRow("not starting with BM") << notBm << true << damaged << false << false;
        QTest::newRow("pixel bits cut short")
            << good.chopped(1) << true << damaged << false << false;
        QTest::newRow("colour table past the end")
            << hugeTable << true << damaged << false << false;
        QTest::newRow("empty file") << QByteArray() << true << damaged << false << false;
        // The caller names the missing file; the old picture stays.
        QTest::newRow("missing file") << QByteArray() << false << QStringList{} << true << true;
    }
    void loadProblemIsReportedAndLeavesTheWindowOnTheScreen() {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, exists);
        QFETCH(QStringList, boxes);
        QFETCH(bool, picture);
        QFETCH(bool, palette);
        CModalScript script;
        QWidget mainWindow;
        mainWindow.show();
        auto* control = new CDibStatic(&mainWindow);
        QVERIFY(control->LoadPicture(Save("good.bmp", FileOf(SamplePicture(40, 8, 6, 6)))));

        const QString path = exists ? Save("tried.bmp", bytes) : m_dir.filePath("absent.bmp");
        QCOMPARE(control->LoadPicture(path), exists);

        QCOMPARE(Texts(script), boxes);
        for (const CModal::SRequest& box : script.Requests()) {
            QCOMPARE(box.caption, CModal::AppName());
        }
        // The read error is the control's own; the palette error is the application's.
        if (boxes.size() == 2) QCOMPARE(script.Requests().front().owner, control);
        QCOMPARE(control->Picture() != nullptr, picture);
        QCOMPARE(control->Palette() != nullptr, palette);
        QVERIFY(mainWindow.isVisible());
    }
};

QTEST_MAIN(DibStaticTest)
#include "tst_DibStatic.moc"
