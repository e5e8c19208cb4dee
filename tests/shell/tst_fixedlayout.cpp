#include <QPushButton>
#include <QScreen>
#include <QtTest>

#include "shell/CFixedLayoutDlg.h"

namespace {

// The message dialog's template laid out with known font units, on a system
// whose dialog base units the test chooses.
class CProbeDlg : public CFixedLayoutDlg {
public:
    explicit CProbeDlg(SBaseUnits system, QWidget* parent = nullptr)
        : CFixedLayoutDlg(CDialogBuilder(136).UseBaseUnits({6, 13}), parent), m_system(system) {}
    int m_nInitialised = 0;

protected:
    bool OnInitDialog() override {
        ++m_nInitialised;
        return CFixedLayoutDlg::OnInitDialog();
    }
    SBaseUnits SystemBaseUnits() const override {
        return m_system.baseX ? m_system : CFixedLayoutDlg::SystemBaseUnits();
    }

private:
    SBaseUnits m_system;
};

}  // namespace

class TestFixedLayout : public QObject {
    Q_OBJECT
private slots:
    void onDesignUnitsEveryEdgeMovesAtMostOnePixel() {
        for (int coordinate = -2000; coordinate <= 4000; ++coordinate) {
            QVERIFY(std::abs(CFixedLayoutDlg::RescaleX(coordinate, 8) - coordinate) <= 1);
            QVERIFY(std::abs(CFixedLayoutDlg::RescaleY(coordinate, 16) - coordinate) <= 1);
        }
    }

    void onTenByTwentyACoordinateBecomesTwiceTruncatedFourTenths_data() {
        QTest::addColumn<int>("coordinate");
        QTest::addColumn<int>("rescaled");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("1") << 1 << 0;
        QTest::newRow("3") << 3 << 2;
        QTest::newRow("5") << 5 << 4;
        QTest::newRow("12") << 12 << 8;
        QTest::newRow("100") << 100 << 80;
        QTest::newRow("623") << 623 << 498;
        QTest::newRow("1279") << 1279 << 1022;
    }
    void onTenByTwentyACoordinateBecomesTwiceTruncatedFourTenths() {
        QFETCH(int, coordinate);
        QFETCH(int, rescaled);
        QCOMPARE(CFixedLayoutDlg::RescaleX(coordinate, 10), rescaled);
        QCOMPARE(CFixedLayoutDlg::RescaleY(coordinate, 20), rescaled);
    }

    void aRectangleIsConvertedEdgeByEdge() {
        // Edges 10..40 across and 20..60 down.
        QCOMPARE(CFixedLayoutDlg::Rescale(QRect(10, 20, 30, 40), {10, 20}), QRect(8, 16, 24, 32));
        QCOMPARE(CFixedLayoutDlg::Rescale(QRect(11, 21, 30, 40), {8, 16}), QRect(10, 20, 30, 40));
    }

    void negativeCoordinatesKeepTheirSign() {
        QCOMPARE(CFixedLayoutDlg::RescaleX(-10, 10), -8);
        QCOMPARE(CFixedLayoutDlg::RescaleY(-10, 20), -8);
        QCOMPARE(CFixedLayoutDlg::Rescale(QRect(-20, -20, 40, 40), {10, 20}),
                 QRect(-16, -16, 32, 32));
    }

    void onALargeSystemFontTheDialogAndItsControlsShrinkOnceWhenItOpens() {
        CProbeDlg dialog({10, 20});
        QWidget* ok = dialog.Control(1);
        QCOMPARE(ok->geometry(), QRect(96, 41, 42, 18));
        QCOMPARE(dialog.size(), QSize(234, 60));
        dialog.show();
        QCOMPARE(dialog.m_nInitialised, 1);
        QCOMPARE(ok->geometry(), QRect(76, 32, 34, 14));
        QCOMPARE(dialog.size(), QSize(186, 48));
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.m_nInitialised, 1);
        QCOMPARE(dialog.size(), QSize(186, 48));
    }

    void aDialogWithoutOwnerOpensInTheMiddleOfTheScreen() {
        CProbeDlg dialog({8, 16});
        dialog.show();
        const QPoint middle = dialog.screen()->availableGeometry().center();
        QVERIFY((dialog.frameGeometry().center() - middle).manhattanLength() <= 4);
    }

    void aDialogOpensInTheMiddleOfItsVisibleOwner() {
        QWidget owner;
        owner.setGeometry(50, 40, 500, 400);
        owner.show();
        CProbeDlg dialog({8, 16}, &owner);
        dialog.show();
        QVERIFY(
            (dialog.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength() <=
            4);
    }

    void theDesignUnitsAreThoseOfTheClassicSystemFontAt96Dpi() {
        CProbeDlg dialog({0, 0});
        if (dialog.screen()->logicalDotsPerInchX() != 96) QSKIP("the screen is not at 96 dpi");
        const QRect before = dialog.Control(1041)->geometry();
        dialog.show();
        const QRect after = dialog.Control(1041)->geometry();
        QVERIFY(std::abs(after.left() - before.left()) <= 1);
        QVERIFY(std::abs(after.right() - before.right()) <= 1);
        QVERIFY(std::abs(after.top() - before.top()) <= 1);
        QVERIFY(std::abs(after.bottom() - before.bottom()) <= 1);
    }
};

QTEST_MAIN(TestFixedLayout)
#include "tst_fixedlayout.moc"
