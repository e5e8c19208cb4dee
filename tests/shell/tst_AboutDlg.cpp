#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include "PictureSamples.h"
#include "platform/CWindowPlacement.h"
#include "shell/CAboutDlg.h"
#include "shell/CDibStatic.h"
#include "support/CModalScript.h"
#include "support/CSoundRecorder.h"

namespace {

// A fixed-layout dialog on a system whose dialog base units the test chooses.
template <class TDialog>
struct CProbeUnits : TDialog {
    template <class... TArgs>
    explicit CProbeUnits(SBaseUnits system, TArgs&&... args)
        : TDialog(std::forward<TArgs>(args)...), m_system(system) {}
    SBaseUnits SystemBaseUnits() const override { return m_system; }
    SBaseUnits m_system;
};
using CProbeDlg = CProbeUnits<CFixedLayoutDlg>;

// Message boxes as CModalScript::Boxes() gives them.
const QString kApp = CModal::AppName() + "|";
const QString kNoImage = kApp + "No image path given!\nThis could only be caused by human error.";
const QString kNoData = kApp + "No data path given!\nThis could only be caused by human error.";

QByteArray FileOf(const SPictureImage& image) {
    const std::vector<std::uint8_t> bytes = WritePicture(image);
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), qsizetype(bytes.size()));
}

}  // namespace

// The box as ShowAboutBox opens it from the data folder of the working
// directory, SetContent's reports when a caller leaves out a path, and what it
// is made of: the fixed-layout base (shown on the message dialog's template laid
// out with known font units) and the picture control (decoding is proved on the
// picture block).
class AboutDlgTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir m_dir;
    const QString m_previous = QDir::currentPath();

    // A null bytes removes the file.
    void Write(const QString& name, const QByteArray& bytes) {
        QFile::remove(name);
        QFile file(m_dir.filePath(name));
        if (!bytes.isNull())
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
    }

private slots:
    void initTestCase() {
        QVERIFY(m_dir.isValid() && QDir(m_dir.path()).mkdir("data"));
        QDir::setCurrent(m_dir.path());
    }
    void cleanupTestCase() { QDir::setCurrent(m_previous); }

    // On 10 x 20 a coordinate becomes twice its truncated four tenths.
    void onALargeSystemFontTheDialogAndItsControlsShrinkOnceWhenItOpens() {
        CProbeDlg dialog({10, 20}, CDialogBuilder(136).UseBaseUnits({6, 13}));
        QWidget* ok = dialog.Control(1);
        dialog.show();
        QCOMPARE(ok->geometry(), QRect(76, 32, 34, 14));
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.size(), QSize(186, 48));
    }

    void aDialogOpensInTheMiddleOfItsVisibleOwnerOrElseOfTheScreen() {
        QWidget owner;
        owner.setGeometry(50, 40, 500, 400);
        owner.show();
        for (QWidget* parent : {&owner, static_cast<QWidget*>(nullptr)}) {
            CProbeDlg dialog({8, 16}, CDialogBuilder(136).UseBaseUnits({6, 13}), parent);
            dialog.show();
            const QPoint middle = parent ? owner.frameGeometry().center()
                                         : dialog.screen()->availableGeometry().center();
            QVERIFY((dialog.frameGeometry().center() - middle).manhattanLength() <= 4);
        }
        // The dialogs built without a fixed layout place themselves the same way.
        QDialog plain(&owner);
        plain.resize(120, 80);
        CWindowPlacement::CentreOnOwner(plain);
        const QPoint off = plain.frameGeometry().center() - owner.frameGeometry().center();
        QVERIFY(off.manhattanLength() <= 4);
    }

    // After a good picture was shown in a control of the main window: what a
    // second load says, and what the control shows then: the picture unscaled
    // from its top-left corner and cut off at its edges, or nothing without a
    // palette. The read error is the control's own box, the palette error the
    // application's.
    void pictureControlShowsThePictureUnscaledOrSaysWhatWentWrong() {
        const SPictureImage image = SamplePicture(40, 8, 13, 9);
        const QByteArray good = FileOf(image);
        const QString read = "Error reading DIB file. (control) " + CModal::AppName(),
                      noPalette = "Error creating palette from DIB. " + CModal::AppName();
        // The second file (null: none, and the good picture stays), the boxes
        // shown, whether a picture and a palette are kept.
        for (auto [bytes, boxes, picture, palette] :
             {std::tuple(FileOf(SamplePicture(40, 24, 8, 8)), QStringList{noPalette}, true, false),
              {"P" + good.mid(1), {read, noPalette}, false, false},
              {QByteArray(), {}, true, true}}) {
            CModalScript script;
            QWidget mainWindow;
            mainWindow.show();
            auto* control = new CDibStatic(&mainWindow);
            control->resize(10, 7);
            Write("data/good.bmp", good);
            Write("data/tried.bmp", bytes);
            QVERIFY(control->LoadPicture("data\\good.bmp"));
            QCOMPARE(control->LoadPicture("data\\tried.bmp"), !bytes.isNull());
            QStringList texts;
            for (const CModal::SRequest& box : script.Requests())
                texts << box.text + (box.owner == control ? " (control)" : "") + " " + box.caption;
            QCOMPARE(texts, boxes);
            QCOMPARE(control->Picture() != nullptr, picture);
            QCOMPARE(control->Palette() != nullptr, palette);
            const QImage shown = control->grab().toImage();
            for (int y = 0; palette && y < shown.height(); ++y)
                for (int x = 0; x < shown.width(); ++x)
                    QCOMPARE(shown.pixel(x, y), SampleColor(image, x, y));
        }
    }

    void opensWithThePictureTextsAndSoundOfTheDataFolder() {
        const QByteArray good = FileOf(SamplePicture(40, 8, 30, 20));
        const QStringList ours{"Linux, Qt 6", "2026", "0.1", "picture", "on top"};
        const QStringList defaults{"Microsoft Windows", "1998", "1.0", "picture", "on top"};
        const QStringList missing{kApp + "Missing about box data!\nPlease reinstall Brainwick."};
        const QStringList damaged{kApp + "Error reading DIB file.",
                                  kApp + "Error creating palette from DIB."};
        const QByteArray crlf("Linux, Qt 6\r\n2026\r\n0.1\r\n"), pyv("p\ny\nv\n");
        // The texts the box showed, whether it had its picture and stayed on top;
        // nothing when it did not open.
        for (auto [bmp, dat, sound, boxes, seen] :
             {std::tuple(good, crlf, true, QStringList(), ours),
              {good, "Linux, Qt 6\n2026\n0.1", false, {}, ours},
              {good, "Linux\n2026\n", true, {}, {"Linux", "2026", "", "picture", "on top"}},
              {good, QByteArray(), true, missing, defaults},
              {QByteArray(), pyv, true, {kApp + "data/vexa.bmp was not found."}, {}},
              {"not a picture", pyv, true, damaged, {"p", "y", "v", "on top"}}}) {
            Write("data/vexa.bmp", bmp);
            Write("data/vexa.dat", dat);
            CSoundRecorder recorder;
            CModalScript script;
            QStringList shown;
            for (int i = 0; i < 3; ++i)
                script.Answer([&](const CModal::SRequest& r) {
                    const auto* dlg = dynamic_cast<const CAboutDlg*>(r.dialog);
                    if (!dlg || !dlg->isVisible()) return int(CModal::IdOk);
                    for (int id : {CAboutDlg::IdPlatform, CAboutDlg::IdYear, CAboutDlg::IdVersion})
                        shown << CDialogBuilder::ControlAs<QLabel>(*dlg, id)->text();
                    if (dlg->Picture().Picture() && dlg->Picture().Palette()) shown << "picture";
                    if (dlg->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) shown << "on top";
                    return int(CModal::IdOk);
                });
            ShowAboutBox(recorder, sound);

            QCOMPARE(script.Boxes(), boxes);
            QCOMPARE(shown, seen);
            const CSoundRecorder::Cue cue{"data\\vexa.wav", ESoundMode::Async};
            QCOMPARE(recorder.Cues(), std::vector(sound && !seen.isEmpty() ? 1 : 0, cue));
        }
    }

    // Without a picture the rest loads; on a large system font the box shrinks
    // as it opens and is centred at the size it ends up with.
    void aPathLeftOutIsReportedAndTheRestStillLoads() {
        Write("data/vexa.dat", "p\ny\nv\n");
        for (auto [data, messages] :
             {std::pair(true, QStringList{kNoImage}), {false, QStringList{kNoImage, kNoData}}}) {
            CSoundRecorder recorder;
            CModalScript script;
            for (int i = 0; i < messages.size(); ++i) script.Answer(CModal::IdOk);
            CProbeUnits<CAboutDlg> dlg({10, 20}, recorder);
            QPoint off(99, 99);
            script.Answer([&](const CModal::SRequest&) {
                off = dlg.frameGeometry().center() - dlg.screen()->availableGeometry().center();
                return int(CModal::IdOk);
            });
            dlg.SetContent(nullptr, data ? "data\\vexa.dat" : nullptr, true);
            QCOMPARE(script.Boxes(), messages);
            QCOMPARE(dlg.m_strPlatform, data ? std::string("p") : std::string("Microsoft Windows"));
            // The sound is played from m_strSound only, left empty here: nothing plays.
            CModal::Run(dlg);
            QVERIFY(recorder.Cues().empty());
            QVERIFY(off.manhattanLength() <= 2);
        }
    }

    // The committed picture and texts: the picture fills its control and no text is cut off.
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
            return int(CModal::IdOk);
        });
        ShowAboutBox(recorder, false);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join("; ")));
    }
};

QTEST_MAIN(AboutDlgTest)
#include "tst_AboutDlg.moc"
