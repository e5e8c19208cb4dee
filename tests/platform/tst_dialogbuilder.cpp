#include <QDialog>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>
#include <functional>
#include <memory>

#include "platform/CDialogBuilder.h"

namespace {

// The base units of "MS Sans Serif" 8 point on a 96 dpi screen.
const SBaseUnits kUnits{6, 13};

std::unique_ptr<QDialog> Built(int templateId) {
    auto dialog = std::make_unique<QDialog>();
    CDialogBuilder(templateId).UseBaseUnits(kUnits).Build(*dialog);
    return dialog;
}

QString ClassFor(const SControlTemplate& control) {
    static const QMap<QString, QString> classes{
        {"button", "QPushButton"}, {"checkbox", "QCheckBox"}, {"radio", "QRadioButton"},
        {"groupbox", "QGroupBox"}, {"static", "QLabel"},      {"icon", "QLabel"},
        {"frame", "QFrame"},       {"edit", "QLineEdit"},     {"listbox", "QListWidget"}};
    return control.Has("multiline") ? "QPlainTextEdit" : classes.value(control.kind);
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
    // Edge by edge: left = round(x * 6 / 4), right = round((x + w) * 6 / 4); down with 13 / 8.
    void everyTemplateBuildsEachControlOfItsKindWhereItBelongs() {
        QCOMPARE(CDialogBuilder::ToPixels({64, 25, 28, 11}, kUnits), QRect(96, 41, 42, 18));
        QCOMPARE(CDialogBuilder::ToPixels({1, 2, 155, 21}, kUnits), QRect(2, 3, 232, 34));
        QCOMPARE(CDialogBuilder::ToPixels({-3, -3, 3, 3}, kUnits), QRect(-5, -5, 5, 5));
        const QStringList files = QDir(":/templates").entryList();
        QVERIFY(files.size() >= 8);
        for (const QString& file : files) {
            const CDialogTemplate loaded = CDialogTemplate::Load(file.section('.', 0, 0).toInt());
            const auto dialog = Built(loaded.id);
            QCOMPARE(dialog->windowTitle(), loaded.caption);
            QCOMPARE(dialog->size(),
                     CDialogBuilder::ToPixels({{0, 0}, loaded.size}, kUnits).size());
            for (const SControlTemplate& control : loaded.controls) {
                if (control.id == -1) continue;
                QWidget* widget = CDialogBuilder::Control(*dialog, control.id);
                QVERIFY2(widget, qPrintable(file + QStringLiteral(": control %1").arg(control.id)));
                QCOMPARE(widget->objectName(), QStringLiteral("id%1").arg(control.id));
                QCOMPARE(QString(widget->metaObject()->className()), ClassFor(control));
                QCOMPARE(widget->geometry(), CDialogBuilder::ToPixels(control.rect, kUnits));
                QCOMPARE(widget->isHidden(), control.Has("hidden"));
                QCOMPARE(widget->isEnabled(), !control.Has("disabled"));
                if (auto* button = qobject_cast<QAbstractButton*>(widget))
                    QCOMPARE(button->text(), control.caption);
            }
        }
    }

    void radioGroupsAndEndButtonsWork() {
        const auto setup = Built(132);
        auto radio = [&setup](int id) {
            return setup->findChild<QRadioButton*>(QString("id%1").arg(id));
        };
        // Players 1016 and 1017, size 1027 to 1030, signs 1024 to 1026.
        for (int id : {1016, 1029, 1026, 1017, 1024}) radio(id)->click();
        QVERIFY(!radio(1016)->isChecked() && radio(1017)->isChecked() && radio(1029)->isChecked());
        QVERIFY(!radio(1026)->isChecked() && radio(1024)->isChecked());
        for (int id : {1, 2}) {
            setup->show();
            setup->findChild<QPushButton*>(QString("id%1").arg(id))->click();
            QCOMPARE(setup->result(), id == 1 ? int(QDialog::Accepted) : int(QDialog::Rejected));
        }
    }

    void aDamagedTemplateIsReportedByName() {
        const QByteArray head =
            R"({"id": 7, "caption": "X", "size": [9, 9], "font": {"name": "F", "points": 8}, )";
        const QByteArray button =
            R"({"id": 1, "kind": "button", "caption": "", "rect": [0,0,1,1]})";
        const QByteArray json = head + "\"controls\": [" + button + ", " + button + "]}";
        QCOMPARE(TemplateErrorOf([&json] { CDialogTemplate::Parse(json, "7 (test)"); }),
                 QStringLiteral("Dialog template 7 (test) is damaged: control id 1 appears twice"));
    }
};

QTEST_MAIN(TestDialogBuilder)
#include "tst_dialogbuilder.moc"
