#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "CProbeUnits.h"
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

}  // namespace

// The box as ShowAboutBox opens it from the data folder of the working
// directory, and SetContent's reports when a caller leaves out a path.
class AboutDlgTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    const QString m_previous = QDir::currentPath();

    void Write(const QString& name, const QByteArray& bytes) {
        QFile file(m_dir.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(bytes), bytes.size());
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid());
        QVERIFY(QDir(m_dir.path()).mkdir("data"));
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_previous); }
    // A picture and texts in the data folder; the picture's file as the game's
    // board picture is tested separately, on the committed file.
    void init() {
        const std::vector<std::uint8_t> bytes = WritePicture(SamplePicture(40, 8, 30, 20));
        Write("data/vexa.bmp",
              QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size())));
        Write("data/vexa.dat", "p\ny\nv\n");
    }

    void opensWithTheDataFilesTextsAndSound() {
        const QStringList ours{"Linux, Qt 6", "2026", "0.1"};  // platform, year, version
        for (auto [dat, sound, texts, messages] :
             {std::tuple(QByteArray("Linux, Qt 6\r\n2026\r\n0.1\r\n"), true, ours, QStringList()),
              {"Linux, Qt 6\n2026\n0.1", false, ours, {}},
              {"Linux\n2026\n", true, {"Linux", "2026", ""}, {}},
              {QByteArray(), true, {"Microsoft Windows", "1998", "1.0"}, {kMissingData}}}) {
            QFile::remove("data/vexa.dat");
            if (!dat.isNull()) Write("data/vexa.dat", dat);  // null: no vexa.dat
            CSoundRecorder recorder;
            CModalScript script;
            for (int i = 0; i < messages.size(); ++i) script.Answer(CModal::IdOk);
            QStringList seen;  // the texts, then whether it has its picture and stays on top
            script.Answer([&](const CModal::SRequest& r) {
                const auto* dlg = dynamic_cast<const CAboutDlg*>(r.dialog);
                if (!dlg || !dlg->isVisible()) return int(CModal::IdOk);
                for (int id : {CAboutDlg::IdPlatform, CAboutDlg::IdYear, CAboutDlg::IdVersion}) {
                    const auto* label = CDialogBuilder::ControlAs<QLabel>(*dlg, id);
                    seen << (label ? label->text() : "(no label)");
                }
                if (dlg->Picture().Picture() && dlg->Picture().Palette()) seen << "picture";
                if (dlg->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) seen << "on top";
                return int(CModal::IdOk);
            });
            ShowAboutBox(recorder, sound);

            QCOMPARE(script.Boxes(), messages);
            QCOMPARE(seen, (texts + QStringList{"picture", "on top"}));
            using Cues = std::vector<CSoundRecorder::Cue>;
            QCOMPARE(recorder.Cues(),
                     (sound ? Cues{{"data\\vexa.wav", ESoundMode::Async}} : Cues{}));
        }
    }

    // On a large system font the box shrinks as it opens; it is centred at the
    // size it ends up with.
    void opensCentredAtItsRescaledSize() {
        CSoundRecorder recorder;
        CModalScript script;
        CProbeUnits<CAboutDlg> dlg({10, 20}, recorder);
        QPoint off(99, 99);
        script.Answer([&](const CModal::SRequest&) {
            off = dlg.frameGeometry().center() - dlg.screen()->availableGeometry().center();
            return int(CModal::IdOk);
        });
        dlg.SetContent("data\\vexa.bmp", "data\\vexa.dat", false);
        CModal::Run(dlg);
        QVERIFY2(off.manhattanLength() <= 2,
                 qPrintable(QString("off by %1,%2").arg(off.x()).arg(off.y())));
    }

    void aPathLeftOutIsReportedAndTheRestStillLoads() {
        for (auto [picture, data, messages] : {std::tuple(false, true, QStringList{kNoImage}),
                                               {true, false, QStringList{kNoData}},
                                               {false, false, QStringList{kNoImage, kNoData}}}) {
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
            // The sound is played from m_strSound only, left empty here: nothing plays.
            CModal::Run(dlg);
            QVERIFY(recorder.Cues().empty());
        }
    }

    // A picture file that is not there stops the box; a damaged one is the
    // picture control's to report, and the box still opens.
    void aMissingPictureFileKeepsTheBoxClosed() {
        QFile::remove("data/vexa.bmp");
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
            QFile::remove("data/" + name);
            QVERIFY(QFile::copy(QFINDTESTDATA("../../data/" + name), "data/" + name));
        }
        CSoundRecorder recorder;
        CModalScript script;
        QStringList problems{"not shown"};
        script.Answer([&](const CModal::SRequest& r) {
            auto& dlg = dynamic_cast<CAboutDlg&>(*r.dialog);
            const CDibStatic& control = dlg.Picture();
            const CPictureBlock& picture = *control.Picture();
            // A dialog unit or two of slack; the picture may not be cut off.
            const QSize slack =
                control.size() - QSize(PictureWidth(picture), std::abs(PictureHeight(picture)));
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
