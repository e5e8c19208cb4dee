#include <QButtonGroup>
#include <QDialog>
#include <QDir>
#include <QFontDatabase>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "platform/CDialogBuilder.h"

namespace {

// The base units of "MS Sans Serif" 8 point on a 96 dpi screen: pixel sizes
// below are worked out by hand from them.
const SBaseUnits kUnits{6, 13};

std::unique_ptr<QDialog> Built(int templateId) {
    auto dialog = std::make_unique<QDialog>();
    CDialogBuilder(templateId).UseBaseUnits(kUnits).Build(*dialog);
    return dialog;
}

// The message of the template error the call throws; empty when it throws none.
QString TemplateErrorOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const CTemplateError& error) {
        return QString::fromStdString(error.what());
    }
    return {};
}

}  // namespace

class TestDialogBuilder : public QObject {
    Q_OBJECT
private slots:
    void everyTemplateBuildsWithEachControlFoundByItsId() {
        const QStringList files = QDir(":/templates").entryList();
        QVERIFY(!files.isEmpty());
        for (const QString& file : files) {
            const CDialogTemplate loaded = CDialogTemplate::Load(file.section('.', 0, 0).toInt());
            const auto dialog = Built(loaded.id);
            QCOMPARE(dialog->windowTitle(), loaded.caption);
            for (const SControlTemplate& control : loaded.controls) {
                if (control.id == -1) continue;
                QWidget* widget = CDialogBuilder::Control(*dialog, control.id);
                QVERIFY2(widget, qPrintable(file + QStringLiteral(": control %1").arg(control.id)));
                QCOMPARE(widget->objectName(), QStringLiteral("id%1").arg(control.id));
                QCOMPARE(widget->geometry(), CDialogBuilder::ToPixels(control.rect, kUnits));
            }
        }
    }

    // One control of every kind.
    void controlsComeOutWithTheirKindCaptionAndPixelRectangle_data() {
        QTest::addColumn<int>("dialogId");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QRect>("pixels");
        QTest::addColumn<QString>("caption");
        // left = round(x * 6 / 4), right = round((x + w) * 6 / 4); vertically with 13 / 8.
        QTest::newRow("button") << 136 << 1 << "QPushButton" << QRect(96, 41, 42, 18) << "OK";
        QTest::newRow("static") << 136 << 1041 << "QLabel" << QRect(2, 3, 232, 34) << "?";
        QTest::newRow("frame") << 102 << 1014 << "QFrame" << QRect(0, 2, 416, 175) << "";
        QTest::newRow("groupbox") << 102 << 1044 << "QGroupBox" << QRect(2, 172, 195, 38) << "";
        QTest::newRow("radio") << 132 << 1017 << "QRadioButton" << QRect(23, 62, 82, 16)
                               << "Two Players";
        QTest::newRow("checkbox") << 132 << 1023 << "QCheckBox" << QRect(201, 85, 117, 16)
                                  << "Division";
        QTest::newRow("edit") << 132 << 1018 << "QLineEdit" << QRect(108, 31, 74, 23) << "";
        QTest::newRow("listbox") << 143 << 1028 << "QListWidget" << QRect(11, 89, 174, 127) << "";
        QTest::newRow("multiline edit")
            << 137 << 1032 << "QPlainTextEdit" << QRect(185, 46, 285, 230) << "";
    }
    void controlsComeOutWithTheirKindCaptionAndPixelRectangle() {
        QFETCH(int, dialogId);
        QFETCH(int, id);
        QFETCH(QString, type);
        QFETCH(QRect, pixels);
        QFETCH(QString, caption);
        const auto dialog = Built(dialogId);
        QWidget* widget = CDialogBuilder::Control(*dialog, id);
        QVERIFY(widget);
        QCOMPARE(QString(widget->metaObject()->className()), type);
        QCOMPARE(widget->geometry(), pixels);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), caption);
        if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), caption);
    }

    void theDialogTakesItsSizeInPixels() {
        const auto message = Built(136);  // 156 x 37 dialog units
        QCOMPARE(message->minimumSize(), QSize(234, 60));
        QCOMPARE(message->maximumSize(), QSize(234, 60));
    }

    void initialStatesFollowTheTemplate() {
        const auto main = Built(102);
        QVERIFY(!main->findChild<QWidget*>("id1008")->isEnabled());
        QVERIFY(main->findChild<QWidget*>("id1043")->isHidden());
        QVERIFY(main->findChild<QPushButton*>("id1028")->isDefault());
        QCOMPARE(main->findChild<QLabel*>("id1034")->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        QCOMPARE(CDialogBuilder::ControlAs<QListWidget>(*Built(142), 1028)->selectionMode(),
                 QAbstractItemView::ExtendedSelection);
        QVERIFY(CDialogBuilder::ControlAs<QPlainTextEdit>(*Built(137), 1032)->isReadOnly());
    }

    void radioButtonsAreExclusiveOnlyWithinTheirGroup() {
        const auto setup = Built(132);
        auto radio = [&setup](int id) {
            return CDialogBuilder::ControlAs<QRadioButton>(*setup, id);
        };
        // Players 1016 and 1017, size 1027 to 1030, signs 1024 to 1026.
        for (int id : {1016, 1029, 1026, 1017, 1024}) radio(id)->click();
        QVERIFY(!radio(1016)->isChecked() && radio(1017)->isChecked());
        QVERIFY(radio(1029)->isChecked());
        QVERIFY(!radio(1026)->isChecked() && radio(1024)->isChecked());
        QCOMPARE(setup->findChild<QButtonGroup*>("group1027")->buttons().size(), 4);
    }

    void groupBoxesLieBeneathTheControlsTheyFrame() {
        const auto main = Built(102);
        main->show();
        const QWidget* frame = CDialogBuilder::Control(*main, 1045);
        const QWidget* number = CDialogBuilder::Control(*main, 1001);
        QVERIFY(frame->geometry().contains(number->geometry()));
        QCOMPARE(main->childAt(number->geometry().center()), number);
        QVERIFY(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void okAndCancelEndTheDialog() {
        const auto setup = Built(132);
        for (int id : {1, 2}) {
            setup->show();
            CDialogBuilder::ControlAs<QPushButton>(*setup, id)->click();
            QCOMPARE(setup->result(), id == 1 ? int(QDialog::Accepted) : int(QDialog::Rejected));
            QVERIFY(!setup->isVisible());
        }
    }

    void controlsMadeOrReplacedByTheCallerTakeTheTemplatePlace() {
        QDialog dialog;
        CDialogBuilder(102)
            .UseBaseUnits(kUnits)
            .Make(1014,
                  [](QWidget* parent, const SControlTemplate&) { return new QWidget(parent); })
            .Build(dialog);
        QWidget* board = CDialogBuilder::Control(dialog, 1014);
        QCOMPARE(QString(board->metaObject()->className()), QStringLiteral("QWidget"));
        QCOMPARE(board->geometry(), QRect(0, 2, 416, 175));

        auto* replacement = new QPushButton;
        QVERIFY(CDialogBuilder::Replace(dialog, 1008, replacement));
        QCOMPARE(CDialogBuilder::Control(dialog, 1008), replacement);
        QCOMPARE(replacement->geometry(), QRect(383, 250, 24, 21));
        QCOMPARE(replacement->text(), QStringLiteral("?"));
        QVERIFY(!replacement->isEnabled());
        QCOMPARE(dialog.findChildren<QWidget*>("id1008").size(), 1);
    }

    void aMissingFontFallsBackToTheDesktopSansAtTheTemplateSize() {
        CDialogTemplate data = CDialogTemplate::Load(136);
        data.fontName = QStringLiteral("No Such Font Family");
        const QFont font = CDialogBuilder(data).Font();
        QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        QCOMPARE(font.pointSize(), 10);
    }

    void largerTemplateFontsGiveLargerDialogUnits() {
        const SBaseUnits small = CDialogBuilder(135).BaseUnits();  // 8 points
        const SBaseUnits large = CDialogBuilder(102).BaseUnits();  // 12 points
        QVERIFY(small.baseX > 0 && small.baseY > 0);
        QVERIFY(large.baseX > small.baseX && large.baseY > small.baseY);
    }

    void damagedTemplatesAreReportedByName_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("says");
        const auto with = [](const QByteArray& controls) {
            return R"({"id": 7, "caption": "X", "size": [10, 10],
                       "font": {"name": "MS Sans Serif", "points": 8}, "controls": [)" +
                   controls + "]}";
        };
        const QByteArray button = R"({"id": 1, "kind": "button", "caption": "", "rect": [0,0,1,1])";
        QTest::newRow("not json") << QByteArray("{\"id\": 7,") << "at character";
        QTest::newRow("no caption") << QByteArray(R"({"id": 7})") << "has no \"caption\"";
        QTest::newRow("unknown kind")
            << with(R"({"id": 1, "kind": "slider", "caption": "", "rect": [0,0,1,1]})")
            << "unknown kind \"slider\"";
        QTest::newRow("short rect")
            << with(R"({"id": 1, "kind": "button", "caption": "", "rect": [0,0,1]})")
            << "control 1 rect must be 4 numbers";
        QTest::newRow("unknown style")
            << with(button + R"(, "styles": ["defualt"]})") << "unknown style \"defualt\"";
        QTest::newRow("twice the same id")
            << with(button + "}, " + button + "}") << "control id 1 appears twice";
    }
    void damagedTemplatesAreReportedByName() {
        QFETCH(QByteArray, json);
        QFETCH(QString, says);
        const QString message =
            TemplateErrorOf([&json] { CDialogTemplate::Parse(json, QStringLiteral("7 (test)")); });
        QVERIFY2(message.startsWith("Dialog template 7 (test) is damaged: "), qPrintable(message));
        QVERIFY2(message.contains(says), qPrintable(message));
    }

    void aMissingTemplateIsReportedByName() {
        QCOMPARE(TemplateErrorOf([] { CDialogBuilder{999}; }),
                 QStringLiteral("Dialog template 999 is missing (:/templates/999.json)"));
    }
};

QTEST_MAIN(TestDialogBuilder)
#include "tst_dialogbuilder.moc"
