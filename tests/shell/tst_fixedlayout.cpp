#include <QScreen>
#include <QtTest>

#include "CProbeUnits.h"
#include "platform/CWindowPlacement.h"

using CProbeDlg = CProbeUnits<CFixedLayoutDlg>;

// The dialogs are the message dialog's template laid out with known font units.
class TestFixedLayout : public QObject {
    Q_OBJECT
private slots:
    // On 10 x 20 a coordinate becomes twice its truncated four tenths.
    void onALargeSystemFontTheDialogAndItsControlsShrinkOnceWhenItOpens() {
        for (auto [coordinate, rescaled] : {std::pair(3, 2), {12, 8}, {623, 498}, {-10, -8}}) {
            QCOMPARE(CFixedLayoutDlg::RescaleX(coordinate, 10), rescaled);
            QCOMPARE(CFixedLayoutDlg::RescaleY(coordinate, 20), rescaled);
        }
        CProbeDlg dialog({10, 20}, CDialogBuilder(136).UseBaseUnits({6, 13}));
        QWidget* ok = dialog.Control(1);
        QCOMPARE(ok->geometry(), QRect(96, 41, 42, 18));
        dialog.show();
        QCOMPARE(ok->geometry(), QRect(76, 32, 34, 14));
        QCOMPARE(dialog.size(), QSize(186, 48));
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
};

QTEST_MAIN(TestFixedLayout)
#include "tst_fixedlayout.moc"
