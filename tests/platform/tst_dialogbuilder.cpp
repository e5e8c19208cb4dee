#include <QButtonGroup>
#include <QCheckBox>
#include <QDialog>
#include <QFontDatabase>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "platform/CDialogBuilder.h"

namespace {

// The base units of "MS Sans Serif" 8 point on a 96 dpi screen: pixel sizes
// below are worked out by hand from them.
const SBaseUnits kUnits{6, 13};

QDialog* Built(int templateId) {
    auto* dialog = new QDialog;
    CDialogBuilder(templateId).UseBaseUnits(kUnits).Build(*dialog);
    return dialog;
}

}  // namespace

class TestDialogBuilder : public QObject {
    Q_OBJECT
private slots:
    void everyTemplateLoadsWithItsCaptionAndControls_data() {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("controls");
        QTest::addColumn<int>("points");
        QTest::newRow("about box") << 100 << "About..." << 8 << 10;
        QTest::newRow("main window") << 102 << "Tallyfold! (Basicon)" << 31 << 12;
        QTest::newRow("game setup") << 132 << "Tallyfold! Game Setup" << 24 << 8;
        QTest::newRow("hints") << 135 << "Types of Hints" << 6 << 8;
        QTest::newRow("message") << 136 << "?" << 2 << 10;
        QTest::newRow("statistics") << 137 << "Player Statistics" << 8 << 8;
        QTest::newRow("delete players") << 142 << "Delete Players" << 4 << 8;
        QTest::newRow("select player") << 143 << "Select Player" << 7 << 8;
    }
    void everyTemplateLoadsWithItsCaptionAndControls() {
        QFETCH(int, id);
        QFETCH(QString, caption);
        QFETCH(int, controls);
        QFETCH(int, points);
        const CDialogTemplate loaded = CDialogTemplate::Load(id);
        QCOMPARE(loaded.caption, caption);
        QCOMPARE(int(loaded.controls.size()), controls);
        QCOMPARE(loaded.fontName, QStringLiteral("MS Sans Serif"));
        QCOMPARE(loaded.pointSize, points);

        std::unique_ptr<QDialog> dialog(Built(id));
        QCOMPARE(dialog->windowTitle(), caption);
        for (const SControlTemplate& control : loaded.controls) {
            if (control.id == -1) continue;
            QWidget* widget = CDialogBuilder::Control(*dialog, control.id);
            QVERIFY2(widget, qPrintable(QStringLiteral("control %1").arg(control.id)));
            QCOMPARE(widget->objectName(), QStringLiteral("id%1").arg(control.id));
            QCOMPARE(widget->geometry(), CDialogBuilder::ToPixels(control.rect, kUnits));
        }
    }

    void controlsComeOutWithTheirKindCaptionAndPixelRectangle_data() {
        QTest::addColumn<int>("dialogId");
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("pixels");
        // left = round(x * 6 / 4), right = round((x + w) * 6 / 4); vertically with 13 / 8.
        QTest::newRow("message OK") << 136 << 1 << "QPushButton"
                                    << "OK" << QRect(96, 41, 42, 18);
        QTest::newRow("message text") << 136 << 1041 << "QLabel"
                                      << "?" << QRect(2, 3, 232, 34);
        QTest::newRow("first number") << 102 << 1000 << "QPushButton"
                                      << "?" << QRect(383, 182, 24, 21);
        QTest::newRow("board area") << 102 << 1014 << "QFrame"
                                    << "" << QRect(0, 2, 416, 175);
        QTest::newRow("score") << 102 << 1034 << "QLabel"
                               << "0" << QRect(5, 182, 25, 13);
        QTest::newRow("names frame") << 102 << 1044 << "QGroupBox"
                                     << "" << QRect(2, 172, 195, 38);
        QTest::newRow("two players") << 132 << 1017 << "QRadioButton"
                                     << "Two Players" << QRect(23, 62, 82, 16);
        QTest::newRow("division") << 132 << 1023 << "QCheckBox"
                                  << "Division" << QRect(201, 85, 117, 16);
        QTest::newRow("name") << 132 << 1018 << "QLineEdit"
                              << "" << QRect(108, 31, 74, 23);
        QTest::newRow("optimal") << 135 << 1040 << "QPushButton"
                                 << "Optimal" << QRect(11, 16, 75, 23);
        QTest::newRow("players") << 143 << 1028 << "QListWidget"
                                 << "" << QRect(11, 89, 174, 127);
        QTest::newRow("report") << 137 << 1032 << "QPlainTextEdit"
                                << "" << QRect(185, 46, 285, 230);
        QTest::newRow("version") << 100 << 1047 << "QLabel"
                                 << "2.003" << QRect(96, 281, 89, 13);
    }
    void controlsComeOutWithTheirKindCaptionAndPixelRectangle() {
        QFETCH(int, dialogId);
        QFETCH(int, id);
        QFETCH(QString, type);
        QFETCH(QString, caption);
        QFETCH(QRect, pixels);
        std::unique_ptr<QDialog> dialog(Built(dialogId));
        QWidget* widget = CDialogBuilder::Control(*dialog, id);
        QVERIFY(widget);
        QCOMPARE(QString(widget->metaObject()->className()), type);
        QCOMPARE(widget->geometry(), pixels);
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            QCOMPARE(button->text(), caption);
        if (auto* label = qobject_cast<QLabel*>(widget)) QCOMPARE(label->text(), caption);
    }

    void theDialogTakesItsSizeInPixels() {
        std::unique_ptr<QDialog> dialog(Built(136));
        // 156 x 37 dialog units.
        QCOMPARE(dialog->minimumSize(), QSize(234, 60));
        QCOMPARE(dialog->maximumSize(), QSize(234, 60));
    }

    void initialStatesFollowTheTemplate() {
        std::unique_ptr<QDialog> main(Built(102));
        QVERIFY(!main->findChild<QWidget*>("id1008")->isEnabled());
        QVERIFY(main->findChild<QWidget*>("id1000")->isEnabled());
        QVERIFY(main->findChild<QWidget*>("id1043")->isHidden());
        QVERIFY(main->findChild<QPushButton*>("id1028")->isDefault());
        QCOMPARE(main->findChild<QLabel*>("id1034")->alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignRight);
        std::unique_ptr<QDialog> setup(Built(132));
        QWidget* second = CDialogBuilder::Control(*setup, 1019);
        QVERIFY(second->isHidden() && !second->isEnabled());
        std::unique_ptr<QDialog> remove(Built(142));
        QCOMPARE(CDialogBuilder::ControlAs<QListWidget>(*remove, 1028)->selectionMode(),
                 QAbstractItemView::ExtendedSelection);
        std::unique_ptr<QDialog> stats(Built(137));
        QVERIFY(CDialogBuilder::ControlAs<QPlainTextEdit>(*stats, 1032)->isReadOnly());
    }

    void radioButtonsAreExclusiveOnlyWithinTheirGroup() {
        std::unique_ptr<QDialog> setup(Built(132));
        auto radio = [&setup](int id) {
            return CDialogBuilder::ControlAs<QRadioButton>(*setup, id);
        };
        radio(1016)->click();
        radio(1029)->click();
        radio(1026)->click();
        QVERIFY(radio(1016)->isChecked() && radio(1029)->isChecked() && radio(1026)->isChecked());
        radio(1017)->click();
        radio(1024)->click();
        QVERIFY(!radio(1016)->isChecked() && radio(1017)->isChecked());
        QVERIFY(radio(1029)->isChecked());
        QVERIFY(!radio(1026)->isChecked() && radio(1024)->isChecked());
        QCOMPARE(setup->findChild<QButtonGroup*>("group1027")->buttons().size(), 4);
    }

    void groupBoxesLieBeneathTheControlsTheyFrame() {
        std::unique_ptr<QDialog> main(Built(102));
        main->show();
        const QWidget* frame = CDialogBuilder::Control(*main, 1045);
        const QWidget* number = CDialogBuilder::Control(*main, 1001);
        QVERIFY(frame->geometry().contains(number->geometry()));
        QCOMPARE(main->childAt(number->geometry().center()), number);
        QVERIFY(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void okAndCancelEndTheDialog() {
        std::unique_ptr<QDialog> setup(Built(132));
        setup->show();
        CDialogBuilder::ControlAs<QPushButton>(*setup, 1)->click();
        QCOMPARE(setup->result(), int(QDialog::Accepted));
        setup->show();
        CDialogBuilder::ControlAs<QPushButton>(*setup, 2)->click();
        QCOMPARE(setup->result(), int(QDialog::Rejected));
    }

    void aFactoryMakesTheControlsItIsGiven() {
        QDialog dialog;
        int askedFor = 0;
        QRect askedRect;
        CDialogBuilder(102)
            .UseBaseUnits(kUnits)
            .Make(1014,
                  [&](QWidget* parent, const SControlTemplate& control) {
                      askedFor = control.id;
                      askedRect = control.rect;
                      auto* board = new QWidget(parent);
                      board->setObjectName("board");
                      return board;
                  })
            .Build(dialog);
        QCOMPARE(askedFor, 1014);
        QCOMPARE(askedRect, QRect(0, 1, 277, 108));
        QWidget* board = CDialogBuilder::Control(dialog, 1014);
        QVERIFY(board);
        QCOMPARE(board->parentWidget(), &dialog);
        QCOMPARE(board->geometry(), QRect(0, 2, 416, 175));
    }

    void aReplacementTakesTheOldControlsPlace() {
        std::unique_ptr<QDialog> main(Built(102));
        auto* replacement = new QPushButton;
        QVERIFY(CDialogBuilder::Replace(*main, 1008, replacement));
        QCOMPARE(CDialogBuilder::Control(*main, 1008), replacement);
        QCOMPARE(replacement->geometry(), QRect(383, 250, 24, 21));
        QCOMPARE(replacement->text(), QStringLiteral("?"));
        QVERIFY(!replacement->isEnabled());
        QCOMPARE(main->findChildren<QWidget*>("id1008").size(), 1);
        QVERIFY(!CDialogBuilder::Replace(*main, 4242, new QPushButton(main.get())));
    }

    void aMissingFontFallsBackToTheDesktopSansAtTheTemplateSize() {
        CDialogTemplate data = CDialogTemplate::Load(136);
        data.fontName = QStringLiteral("No Such Font Family");
        const QFont font = CDialogBuilder(data).Font();
        QCOMPARE(font.family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
        QCOMPARE(font.pointSize(), 10);
    }

    void largerTemplateFontsGiveLargerDialogUnits() {
        const SBaseUnits small = CDialogBuilder(135).BaseUnits();
        const SBaseUnits large = CDialogBuilder(102).BaseUnits();
        QVERIFY(small.baseX > 0 && small.baseY > 0);
        QVERIFY(large.baseX > small.baseX);
        QVERIFY(large.baseY > small.baseY);
    }

    void damagedTemplatesAreReportedByName_data() {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QString>("says");
        const QByteArray head = R"({"id": 7, "caption": "X", "size": [10, 10],
                                    "font": {"name": "MS Sans Serif", "points": 8}, )";
        QTest::newRow("not json") << QByteArray("{\"id\": 7,") << "at character";
        QTest::newRow("no caption") << QByteArray(R"({"id": 7})") << "has no \"caption\"";
        QTest::newRow("unknown kind")
            << head +
                   R"("controls": [{"id": 1, "kind": "slider", "caption": "", "rect": [0,0,1,1]}]})"
            << "unknown kind \"slider\"";
        QTest::newRow("short rect")
            << head +
                   R"("controls": [{"id": 1, "kind": "button", "caption": "", "rect": [0,0,1]}]})"
            << "control 1 rect must be 4 numbers";
        QTest::newRow("unknown style")
            << head +
                   R"("controls": [{"id": 1, "kind": "button", "caption": "", "rect": [0,0,1,1],)"
                   R"( "styles": ["defualt"]}]})"
            << "unknown style \"defualt\"";
        QTest::newRow("twice the same id")
            << head +
                   R"("controls": [{"id": 1, "kind": "button", "caption": "", "rect": [0,0,1,1]},)"
                   R"({"id": 1, "kind": "button", "caption": "", "rect": [0,0,1,1]}]})"
            << "control id 1 appears twice";
    }
    void damagedTemplatesAreReportedByName() {
        QFETCH(QByteArray, json);
        QFETCH(QString, says);
        try {
            CDialogTemplate::Parse(json, QStringLiteral("7 (test)"));
            QFAIL("a damaged template was accepted");
        } catch (const CTemplateError& error) {
            const QString message = QString::fromStdString(error.what());
            QVERIFY2(message.startsWith("Dialog template 7 (test) is damaged: "),
                     qPrintable(message));
            QVERIFY2(message.contains(says), qPrintable(message));
        }
    }

    void aMissingTemplateIsReportedByName() {
        try {
            CDialogBuilder builder(999);
            QFAIL("a missing template was found");
        } catch (const CTemplateError& error) {
            QCOMPARE(QString::fromStdString(error.what()),
                     QStringLiteral("Dialog template 999 is missing (:/templates/999.json)"));
        }
    }
};

QTEST_MAIN(TestDialogBuilder)
#include "tst_dialogbuilder.moc"
