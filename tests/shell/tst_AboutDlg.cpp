#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>
#include <optional>

#include "PictureSamples.h"
#include "platform/CModal.h"
#include "shell/CAboutDlg.h"
#include "shell/CDibStatic.h"
#include "support/CModalScript.h"
#include "support/CSoundRecorder.h"

namespace {

const QString kNoImage = "No image path given!\nThis could only be caused by human error.";
const QString kNoData = "No data path given!\nThis could only be caused by human error.";
const QString kMissingData = "Missing about box data!\nPlease reinstall Brainwick.";

QString Text(const QDialog& dlg, int nId) {
    const auto* label = CDialogBuilder::ControlAs<QLabel>(dlg, nId);
    return label ? label->text() : "(no label)";
}

// What the user sees of an open box.
struct SSeen {
    QStringList texts;  // platform, year, version
    bool picture = false;
    bool topmost = false;
    QPoint offCentre;
};

SSeen Look(const CAboutDlg& dlg) {
    SSeen seen;
    seen.texts = {Text(dlg, CAboutDlg::IdPlatform), Text(dlg, CAboutDlg::IdYear),
                  Text(dlg, CAboutDlg::IdVersion)};
    seen.picture = dlg.Picture().Picture() != nullptr && dlg.Picture().Palette() != nullptr;
    seen.topmost = dlg.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    seen.offCentre = dlg.frameGeometry().center() - dlg.screen()->availableGeometry().center();
    return seen;
}

QStringList Texts(const CModalScript& script) {
    QStringList texts;
    for (const CModal::SRequest& r : script.Requests())
        texts << (r.dialog ? "(dialog) " + r.caption : r.text + " | " + r.caption);
    return texts;
}

// The box on a system whose dialog base units the test chooses.
class CProbeAboutDlg : public CAboutDlg {
public:
    CProbeAboutDlg(ISound& sound, SBaseUnits system) : CAboutDlg(sound), m_system(system) {}

protected:
    SBaseUnits SystemBaseUnits() const override { return m_system; }

private:
    SBaseUnits m_system;
};

}  // namespace

// The box as ShowAboutBox opens it from the data folder of the working
// directory, and SetContent's reports when a caller leaves out a path.
class AboutDlgTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    QString m_previous;

    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }
    void Remove(const QString& name) { QFile::remove(m_dir.filePath(name)); }

    // The picture of the data folder; its file as the game's board picture is
    // tested separately, on the committed file.
    void WritePicture() {
        const std::vector<std::uint8_t> bytes = ::WritePicture(SamplePicture(40, 8, 30, 20));
        Write("data/vexa.bmp",
              QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkdir("data"));
        m_previous = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_previous); }

    void opensWithTheDataFilesTextsAndSound_data() {
        QTest::addColumn<QByteArray>("dat");  // null: no vexa.dat
        QTest::addColumn<bool>("sound");
        QTest::addColumn<QStringList>("texts");  // platform, year, version
        QTest::addColumn<QStringList>("messages");
        const QStringList ours{"Linux, Qt 6", "2026", "0.1"};
        QTest::newRow("three lines, CR LF")
            << QByteArray("Linux, Qt 6\r\n2026\r\n0.1\r\n") << true << ours << QStringList{};
        QTest::newRow("sound off")
            << QByteArray("Linux, Qt 6\n2026\n0.1") << false << ours << QStringList{};
        QTest::newRow("two lines") << QByteArray("Linux\n2026\n") << true
                                   << QStringList{"Linux", "2026", ""} << QStringList{};
        QTest::newRow("no file") << QByteArray() << true
                                 << QStringList{"Microsoft Windows", "1998", "1.0"}
                                 << QStringList{kMissingData + " | " + CModal::AppName()};
    }
    void opensWithTheDataFilesTextsAndSound() {
        QFETCH(QByteArray, dat);
        QFETCH(bool, sound);
        QFETCH(QStringList, texts);
        QFETCH(QStringList, messages);
        WritePicture();
        Remove("data/vexa.dat");
        if (!dat.isNull()) Write("data/vexa.dat", dat);

        CSoundRecorder recorder;
        CModalScript script;
        for (int i = 0; i < messages.size(); ++i) script.Answer(CModal::IdOk);
        std::optional<SSeen> seen;
        script.Answer([&](const CModal::SRequest& r) {
            const auto* dlg = dynamic_cast<const CAboutDlg*>(r.dialog);
            if (dlg && dlg->isVisible()) seen = Look(*dlg);
            return int(CModal::IdOk);
        });
        ShowAboutBox(recorder, sound);

        QCOMPARE(Texts(script), messages + QStringList{"(dialog) About..."});
        QVERIFY(seen);
        QCOMPARE(seen->texts, texts);
        QVERIFY(seen->picture);
        QVERIFY(seen->topmost);
        // Centred again after the rescaling, not where the first centring left it.
        QVERIFY2(
            seen->offCentre.manhattanLength() <= 2,
            qPrintable(QString("off by %1,%2").arg(seen->offCentre.x()).arg(seen->offCentre.y())));
        using Cues = std::vector<CSoundRecorder::Cue>;
        const Cues expected = sound ? Cues{{"data\\vexa.wav", ESoundMode::Async}} : Cues{};
        QCOMPARE(recorder.Cues(), expected);
    }

    // On a large system font the box shrinks as it opens; it is centred at the
    // size it ends up with.
    void opensCentredAtItsRescaledSize() {
        WritePicture();
        Write("data/vexa.dat", "p\ny\nv\n");
        CSoundRecorder recorder;
        CModalScript script;
        CProbeAboutDlg dlg(recorder, {10, 20});
        std::optional<SSeen> seen;
        script.Answer([&](const CModal::SRequest&) {
            seen = Look(dlg);
            return int(CModal::IdOk);
        });
        dlg.SetContent("data\\vexa.bmp", "data\\vexa.dat", false);
        CModal::Run(dlg);
        QVERIFY(seen);
        QVERIFY(seen->offCentre.manhattanLength() <= 2);
    }

    void aPathLeftOutIsReportedAndTheRestStillLoads_data() {
        QTest::addColumn<bool>("picture");
        QTest::addColumn<bool>("data");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("no picture path") << false << true << QStringList{kNoImage};
        QTest::newRow("no data path") << true << false << QStringList{kNoData};
        QTest::newRow("neither") << false << false << QStringList{kNoImage, kNoData};
    }
    void aPathLeftOutIsReportedAndTheRestStillLoads() {
        QFETCH(bool, picture);
        QFETCH(bool, data);
        QFETCH(QStringList, messages);
        WritePicture();
        Write("data/vexa.dat", "p\ny\nv\n");
        CSoundRecorder recorder;
        CModalScript script;
        CAboutDlg dlg(recorder);
        dlg.SetContent(picture ? "data\\vexa.bmp" : nullptr, data ? "data\\vexa.dat" : nullptr,
                       true);
        QStringList expected;
        for (const QString& text : messages) expected << text + " | " + CModal::AppName();
        QCOMPARE(Texts(script), expected);
        QCOMPARE(dlg.Picture().Picture() != nullptr, picture);
        QCOMPARE(dlg.m_strPlatform, data ? std::string("p") : std::string("Microsoft Windows"));
        QCOMPARE(dlg.m_strVersion, data ? std::string("v") : std::string("1.0"));
        QVERIFY(dlg.m_bPlaySound);
        // The sound is played from m_strSound only; left empty, nothing plays.
        dlg.m_strSound.clear();
        CModalScript run;
        CModal::Run(dlg);
        QVERIFY(recorder.Cues().empty());
    }

    // A picture file that is not there stops the box; a damaged one is the
    // picture control's to report, and the box still opens.
    void aMissingPictureFileKeepsTheBoxClosed() {
        Remove("data/vexa.bmp");
        Write("data/vexa.dat", "p\ny\nv\n");
        CSoundRecorder recorder;
        CModalScript script;
        ShowAboutBox(recorder, true);
        QCOMPARE(Texts(script), QStringList{"data/vexa.bmp was not found. | " + CModal::AppName()});
        QVERIFY(recorder.Cues().empty());

        CModalScript damaged;
        Write("data/vexa.bmp", "not a picture");
        ShowAboutBox(recorder, true);
        QCOMPARE(Texts(damaged),
                 (QStringList{"Error reading DIB file. | " + CModal::AppName(),
                              "Error creating palette from DIB. | " + CModal::AppName(),
                              "(dialog) About..."}));
    }

    // The committed picture and texts: the picture loads with its own palette,
    // fills the picture control, and no text is cut off or overlaps another.
    // With TALLYFOLD_SCREENSHOT set the open box is saved there as a PNG.
    void theShippedBoxFitsItsPictureAndTexts() {
        const QString source = QFINDTESTDATA("../../data/vexa.bmp");
        QVERIFY(!source.isEmpty());
        Remove("data/vexa.bmp");
        QVERIFY(QFile::copy(source, m_dir.filePath("data/vexa.bmp")));
        Remove("data/vexa.dat");
        QVERIFY(QFile::copy(QFINDTESTDATA("../../data/vexa.dat"), m_dir.filePath("data/vexa.dat")));

        CSoundRecorder recorder;
        CModalScript script;
        QImage shot;
        QStringList problems;
        script.Answer([&](const CModal::SRequest& r) {
            auto* dlg = dynamic_cast<CAboutDlg*>(r.dialog);
            if (!dlg) return int(CModal::IdCancel);
            const CDibStatic& control = dlg->Picture();
            const CPictureBlock* picture = control.Picture();
            if (!picture || !control.Palette()) return int(CModal::IdCancel);
            const QSize size(PictureWidth(*picture), std::abs(PictureHeight(*picture)));
            // A dialog unit or two of slack; the picture may not be cut off.
            if (size.width() > control.width() || size.height() > control.height() ||
                size.width() < control.width() - 4 || size.height() < control.height() - 4)
                problems << QString("picture %1x%2 in a control of %3x%4")
                                .arg(size.width())
                                .arg(size.height())
                                .arg(control.width())
                                .arg(control.height());
            const auto labels = dlg->findChildren<QLabel*>();
            for (const QLabel* label : labels) {
                const QFontMetrics metrics(label->font());
                if (metrics.horizontalAdvance(label->text()) > label->width() ||
                    metrics.height() > label->height() + 2)
                    problems << "cut off: " + label->text();
                for (const QWidget* other : dlg->findChildren<QWidget*>()) {
                    if (other != label && other->parentWidget() == dlg &&
                        label->geometry().intersects(other->geometry()))
                        problems << label->text() + " overlaps " + other->objectName();
                }
                if (!dlg->rect().contains(label->geometry()))
                    problems << "outside: " + label->text();
            }
            shot = dlg->grab().toImage();
            return int(CModal::IdOk);
        });
        ShowAboutBox(recorder, false);
        QCOMPARE(Texts(script), QStringList{"(dialog) About..."});
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
        QVERIFY(!shot.isNull());
        const QString path = qEnvironmentVariable("TALLYFOLD_SCREENSHOT");
        if (!path.isEmpty()) QVERIFY(shot.save(path));
    }
};

QTEST_MAIN(AboutDlgTest)
#include "tst_AboutDlg.moc"
