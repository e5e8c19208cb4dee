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

// Message boxes as CModalScript::Boxes() gives them.
const QString kApp = CModal::AppName() + "|";
const QString kNoImage = kApp + "No image path given!\nThis could only be caused by human error.";
const QString kNoData = kApp + "No data path given!\nThis could only be caused by human error.";
const QString kMissingData = kApp + "Missing about box data!\nPlease reinstall Brainwick.";

QString Text(const QDialog& dlg, int nId) {
    const auto* label = CDialogBuilder::ControlAs<QLabel>(dlg, nId);
    return label ? label->text() : "(no label)";
}

// What the user sees of an open box.
struct SSeen {
    QStringList texts;  // platform, year, version
    bool picture = false;
    bool topmost = false;
};

QPoint OffCentre(const QWidget& dlg) {
    return dlg.frameGeometry().center() - dlg.screen()->availableGeometry().center();
}

SSeen Look(const CAboutDlg& dlg) {
    SSeen seen;
    seen.texts = {Text(dlg, CAboutDlg::IdPlatform), Text(dlg, CAboutDlg::IdYear),
                  Text(dlg, CAboutDlg::IdVersion)};
    seen.picture = dlg.Picture().Picture() != nullptr && dlg.Picture().Palette() != nullptr;
    seen.topmost = dlg.windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    return seen;
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
                                 << QStringList{kMissingData};
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

        QCOMPARE(script.Boxes(), messages);
        QVERIFY(seen);
        QCOMPARE(seen->texts, texts);
        QVERIFY(seen->picture);
        QVERIFY(seen->topmost);
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
        QPoint off(99, 99);
        script.Answer([&](const CModal::SRequest&) {
            off = OffCentre(dlg);
            return int(CModal::IdOk);
        });
        dlg.SetContent("data\\vexa.bmp", "data\\vexa.dat", false);
        CModal::Run(dlg);
        QVERIFY2(off.manhattanLength() <= 2, qPrintable(QString("off by %1,%2").arg(off.x()).arg(off.y())));
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
        QCOMPARE(script.Boxes(), messages);
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
        QCOMPARE(script.Boxes(), QStringList{kApp + "data/vexa.bmp was not found."});
        QVERIFY(recorder.Cues().empty());

        CModalScript damaged;
        Write("data/vexa.bmp", "not a picture");
        ShowAboutBox(recorder, true);
        QCOMPARE(damaged.Boxes(), (QStringList{kApp + "Error reading DIB file.",
                                               kApp + "Error creating palette from DIB."}));
        QCOMPARE(damaged.Requests().size(), std::size_t(3));  // the box opened after them
    }

    // The committed picture and texts: the picture fills its control and no
    // text is cut off. With TALLYFOLD_SCREENSHOT set the box is saved there.
    void theShippedBoxFitsItsPictureAndTexts() {
        for (const QString name : {"vexa.bmp", "vexa.dat"}) {
            Remove("data/" + name);
            QVERIFY(QFile::copy(QFINDTESTDATA("../../data/" + name), m_dir.filePath("data/" + name)));
        }
        CSoundRecorder recorder;
        CModalScript script;
        QStringList problems{"not shown"};
        script.Answer([&](const CModal::SRequest& r) {
            auto& dlg = dynamic_cast<CAboutDlg&>(*r.dialog);
            const CDibStatic& control = dlg.Picture();
            const QSize size(PictureWidth(*control.Picture()), std::abs(PictureHeight(*control.Picture())));
            // A dialog unit or two of slack; the picture may not be cut off.
            const QSize slack = control.size() - size;
            problems = {};
            if (slack.width() < 0 || slack.height() < 0 || slack.width() > 4 || slack.height() > 4)
                problems << QString("slack %1x%2").arg(slack.width()).arg(slack.height());
            for (const QLabel* label : dlg.findChildren<QLabel*>()) {
                if (QFontMetrics(label->font()).horizontalAdvance(label->text()) > label->width())
                    problems << "cut off: " + label->text();
            }
            const QString path = qEnvironmentVariable("TALLYFOLD_SCREENSHOT");
            if (!path.isEmpty()) dlg.grab().save(path);
            return int(CModal::IdOk);
        });
        ShowAboutBox(recorder, false);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }
};

QTEST_MAIN(AboutDlgTest)
#include "tst_AboutDlg.moc"
