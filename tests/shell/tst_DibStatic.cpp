#include <QTemporaryDir>
#include <QtTest>

#include "PictureSamples.h"
#include "shell/CDibStatic.h"
#include "support/CModalScript.h"

namespace {

QByteArray FileOf(const SPictureImage& image) {
    const std::vector<std::uint8_t> bytes = WritePicture(image);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

}  // namespace

// Decoding is proved on the picture block; here, how the control shows a
// picture and what it says when it cannot.
class DibStaticTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;

    QString Save(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(name));
        const bool saved = file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        return saved ? file.fileName() : "";
    }

private slots:
    void pictureIsDrawnUnscaledFromTheTopLeftCornerAndCutOffAtTheEdges() {
        CModalScript script;
        const SPictureImage image = SamplePicture(40, 8, 13, 9);
        CDibStatic control;
        control.resize(10, 7);
        QVERIFY(control.LoadPicture(Save("picture.bmp", FileOf(image))));
        QVERIFY(script.Requests().empty());
        const QImage shown = control.grab().toImage();
        QCOMPARE(shown.size(), QSize(10, 7));
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                QCOMPARE(shown.pixel(x, y), SampleColor(image, x, y));
    }

    // Each after a good picture was shown in a control of the main window; the
    // read error is the control's own box, the palette error the application's.
    void loadProblemIsReportedAndLeavesTheWindowOnTheScreen() {
        const QByteArray good = FileOf(SamplePicture(40, 8, 6, 6));
        const QString read = "Error reading DIB file. (control) " + CModal::AppName(),
                      palette = "Error creating palette from DIB. " + CModal::AppName();
        struct SCase {
            QByteArray bytes;  // null: no such file, and the old picture stays
            QStringList boxes;
            bool picture, palette;
        };
        for (const SCase& c :
             {SCase{FileOf(SamplePicture(40, 24, 8, 8)), {palette}, true, false},
              SCase{"P" + good.mid(1), {read, palette}, false, false},
              SCase{good.chopped(1), {read, palette}, false, false},
              SCase{"", {read, palette}, false, false}, SCase{{}, {}, true, true}}) {
            CModalScript script;
            QWidget mainWindow;
            mainWindow.show();
            auto* control = new CDibStatic(&mainWindow);
            QVERIFY(control->LoadPicture(Save("good.bmp", good)));
            QCOMPARE(control->LoadPicture(c.bytes.isNull() ? "absent" : Save("tried.bmp", c.bytes)),
                     !c.bytes.isNull());
            QStringList texts;
            for (const CModal::SRequest& box : script.Requests())
                texts << box.text + (box.owner == control ? " (control)" : "") + " " + box.caption;
            QCOMPARE(texts, c.boxes);
            QCOMPARE(control->Picture() != nullptr, c.picture);
            QCOMPARE(control->Palette() != nullptr, c.palette);
            QVERIFY(mainWindow.isVisible());
        }
    }
};

QTEST_MAIN(DibStaticTest)
#include "tst_DibStatic.moc"
