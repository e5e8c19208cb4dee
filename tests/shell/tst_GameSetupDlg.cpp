#include <QAbstractButton>
#include <QButtonGroup>
#include <QtTest>
#include <map>

#include "platform/CDialogBuilder.h"
#include "shell/CGameSetupDlg.h"
#include "support/CModalScript.h"

namespace {

const QString kLong = "Bartholomew Fitzwilliam";  // a player file allows such names
const QString kRule = "Invalid Game Setup 0 0 ";  // caption, OK only, no icon

// The boxes the dialog may show by a short code: caption, buttons, icon, text.
const std::map<QString, QString> kBoxes = {
    {"none", kRule + "You must select an operation."},
    {"div", kRule + "You can't play a game with only division."},
    {"pos", kRule + "Using these operators, you must play\nwith positive numbers only."},
    {"neg", kRule + "Using these operators, you can't play\nwith only positive numbers."},
    {"long", "Tallyfold 0 3 Please enter no more than 12 characters."},
    {"quit", "Confirmation Dialog 1 2 Are you sure you want to quit?"}};

struct SOutcome {
    int result = 0;     // -1: still open
    QStringList boxes;  // code and the sign button checked as each box showed
    QString state;      // enabled 1016 1017 1019, shown 1049 2, checked sign, focus while open
    QString members;    // players size signs, A S M D sounds quick, names
};

// Runs the dialog, taking steps: a control id clicks it; "id:text" types into an
// edit (shown first: the template hides them); "esc"; "close"; "yes" answers the
// next question Yes.
SOutcome Run(CGameSetupDlg& dlg, const QStringList& steps) {
    SOutcome out;
    int answer = CModal::IdNo;
    const auto sign = [&dlg] { return dlg.findChild<QButtonGroup*>("group1024")->checkedId(); };
    const auto note = [&](const CModal::SRequest& r) {
        const QString seen =
            QString("%1 %2 %3 %4").arg(r.caption).arg(r.buttons).arg(r.icon).arg(r.text);
        const auto box =
            std::find_if(kBoxes.begin(), kBoxes.end(), [&](auto& b) { return b.second == seen; });
        out.boxes << (box != kBoxes.end() && r.owner == &dlg ? box->first : seen) +
                         QString::number(sign());
        return r.buttons == CModal::YesNo ? answer : int(CModal::IdOk);
    };
    CModalScript script;
    script.Answer([&](const CModal::SRequest&) {
        for (const QString& step : steps) {
            QWidget* control = CDialogBuilder::Control(dlg, step.section(':', 0, 0).toInt());
            if (step == "esc") QTest::keyClick(&dlg, Qt::Key_Escape);
            if (step == "close") dlg.close();
            if (step == "yes") answer = CModal::IdYes;
            if (step.contains(':'))
                control->show(), QTest::keyClicks(control, step.section(':', 1));
            if (auto* button = qobject_cast<QAbstractButton*>(control)) button->click();
        }
        for (int id : {1016, 1017, 1019, 1049, 2, 1052}) {
            const QWidget* w = CDialogBuilder::Control(dlg, id);
            out.state +=
                QString::number(id == 1049 || id == 2 ? w->isVisibleTo(&dlg) : w->isEnabled());
        }
        out.state += QString(" %1").arg(sign());
        if (dlg.isVisible())
            out.state += " " + (dlg.focusWidget() ? dlg.focusWidget()->objectName() : "");
        out.result = dlg.isVisible() ? -1 : 0;
        return dlg.result();
    });
    for (int i = 0; i < 4; ++i) script.Answer(note);
    const int result = CModal::Run(dlg);
    if (out.result != -1) out.result = result;
    const CGameOptions o = dlg.Options();
    out.members = QString::asprintf("%d%d%d%d %d%d%d%d%d%d ", !o.m_bOnePlayer,
                                    CGameOptions::SizeForPieces(o.m_nPieces), o.m_nSignMode, o.m_nLevel,
                                    o.m_operators.m_bAdd, o.m_operators.m_bSubtract,
                                    o.m_operators.m_bMultiply, o.m_operators.m_bDivide, o.m_bSound,
                                    o.m_bShowQuickInstructions) +
                  QString::fromStdString(o.m_strName1 + "," + o.m_strName2);
    return out;
}

}  // namespace

class GameSetupDlgTest : public QObject {
    Q_OBJECT

private slots:
    void rulesCorrectAndExplainAndTheWaysOut() {
        // Handed in: operators, sign index, then q (no game: Quit Game), f (players
        // fixed), t (two players), L (player one's long name); names Ann and Bo.
        struct SRow {
            QString setup;
            QStringList steps, boxes;
            int result;
            QString state, members = {};
        };
        const QStringList edits = {
            "1017", "1030", "1025", "1020", "1050", "1051", "1019:cdefghijklmnop"};
        const SRow rows[] = {
            {"D 1", {"1"}, {"div1025"}, -1, "110011 1025 "},
            {"A 1", {"1", "1"}, {"pos1024"}, 1, "110011 1024", "0102 100000 Ann,Bo"},
            {"A -1", {"1"}, {"pos1024"}, -1, "110011 1024 "},
            {"MS 2", {"1021"}, {"pos1024"}, -1, "110011 1024 "},
            {"SA 0", {"1020"}, {"neg1026"}, -1, "110011 1026 "},
            {"S 0", {"1", "1"}, {"neg1026"}, 1, "110011 1026"},
            {"SD 0", {"1"}, {"neg1026"}, -1, "110011 1026 "},
            {"SD 1", {"1"}, {}, 1, "110011 1025"},
            {"SM 0", {"1"}, {}, 1, "110011 1024"},
            {"SM 1", {"1"}, {}, 1, "110011 1025"},
            {"SM 2", {"1"}, {}, 1, "110011 1026"},
            {"A 0", {"1020", "1"}, {"none1024", "none1024"}, -1, "110011 1024 "},
            {"A 0 q", {"1049"}, {"quit1024"}, -1, "110101 1024 "},
            {"A 0 q", {"yes", "1049"}, {"quit1024"}, 1049, "110101 1024"},
            {"A 0 q", {"esc"}, {}, 2, "110101 1024"},
            {"A 0 t", {"close", "2"}, {}, 2, "111010 1024"},
            {"A 0 tf", {"close"}, {}, -1, "001010 1024 "},
            {"A 0", {"1017"}, {}, -1, "111010 1024 "},
            {"A 0 t", {"1016"}, {}, -1, "110011 1024 "},
            {"A 0 L", {"1"}, {}, 1, "110011 1024", "0102 100000 " + kLong + ",Bo"},
            {"A 0", {"1052", "1"}, {}, 1, "110011 1024", "0100 100000 Ann,Bo"},
            {"A 0 L", {"1018:\b", "1"}, {"long1024"}, -1, "110011 1024 id1018"},
            {"SM 2", edits + QStringList{"1"}, {}, 1, "111010 1025", "1312 111011 Ann,Bocdefghijkl"},
            {"SM 2", edits + QStringList{"esc"}, {}, 2, "111010 1025", "0122 011000 Ann,Bo"},
        };
        for (const SRow& row : rows) {
            const QString ops = row.setup.section(' ', 0, 0), flags = row.setup.section(' ', 2);
            QWidget owner;
            owner.setGeometry(200, 150, 700, 500);
            CGameSetupDlg dlg(&owner);
            CGameOptions options;
            options.m_operators = {ops.contains('A'), ops.contains('S'), ops.contains('M'),
                                   ops.contains('D')};
            options.m_strName1 = (flags.contains('L') ? kLong : QString("Ann")).toStdString();
            options.m_strName2 = "Bo";
            options.m_bOnePlayer = !flags.contains('t');
            options.m_nSignMode = row.setup.section(' ', 1, 1).toInt();
            options.m_nPieces = 16;
            options.m_bSound = options.m_bShowQuickInstructions = false;
            dlg.SetOptions(options, !flags.contains('q'), !flags.contains('f'));
            const SOutcome out = Run(dlg, row.steps);
            QVERIFY2(out.boxes == row.boxes && out.result == row.result && out.state == row.state &&
                         (row.members.isEmpty() || out.members == row.members),
                     qPrintable(QString("%1 %2: %3 %4 '%5' %6")
                                    .arg(row.setup, row.steps.join(','), out.boxes.join(','))
                                    .arg(out.result)
                                    .arg(out.state, out.members)));
            QVERIFY((dlg.geometry().center() - owner.geometry().center()).manhattanLength() <= 2);
        }
    }
};

QTEST_MAIN(GameSetupDlgTest)
#include "tst_GameSetupDlg.moc"
