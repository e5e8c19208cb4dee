#include <QScreen>
#include <QtTest>

#include "shell/CFixedLayoutDlg.h"

namespace {

// The message dialog's template laid out with known font units, on a system
// whose dialog base units the test chooses ({0, 0}: the real ones).
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
        for (auto [coordinate, rescaled] : {std::pair(0, 0),
                                            {1, 0},
                                            {3, 2},
                                            {5, 4},
                                            {12, 8},
                                            {100, 80},
                                            {623, 498},
                                            {1279, 1022},
                                            {-10, -8}}) {
            QTest::addRow("%d", coordinate) << coordinate << rescaled;
        }
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
        QCOMPARE(CFixedLayoutDlg::Rescale(QRect(-20, -20, 40, 40), {10, 20}),
                 QRect(-16, -16, 32, 32));
    }

    void onALargeSystemFontTheDialogAndItsControlsShrinkOnceWhenItOpens() {
        CProbeDlg dialog({10, 20});
        QWidget* ok = dialog.Control(1);
        QCOMPARE(ok->geometry(), QRect(96, 41, 42, 18));
        QCOMPARE(dialog.size(), QSize(234, 60));
        dialog.show();
        QCOMPARE(ok->geometry(), QRect(76, 32, 34, 14));
        QCOMPARE(dialog.size(), QSize(186, 48));
        dialog.hide();
        dialog.show();
        QCOMPARE(dialog.m_nInitialised, 1);
        QCOMPARE(dialog.size(), QSize(186, 48));
    }

    void aDialogOpensInTheMiddleOfItsVisibleOwnerOrElseOfTheScreen() {
        QWidget owner;
        owner.setGeometry(50, 40, 500, 400);
        owner.show();
        for (QWidget* parent : {&owner, static_cast<QWidget*>(nullptr)}) {
            CProbeDlg dialog({8, 16}, parent);
            dialog.show();
            const QPoint middle = parent ? owner.frameGeometry().center()
                                         : dialog.screen()->availableGeometry().center();
            QVERIFY((dialog.frameGeometry().center() - middle).manhattanLength() <= 4);
        }
    }

    void theDesignUnitsAreThoseOfTheClassicSystemFontAt96Dpi() {
        CProbeDlg dialog({0, 0});
        if (dialog.screen()->logicalDotsPerInchX() != 96) QSKIP("the screen is not at 96 dpi");
        const QRect before = dialog.Control(1041)->geometry();
        dialog.show();
        const QRect after = dialog.Control(1041)->geometry();
        for (int moved : {after.left() - before.left(), after.right() - before.right(),
                          after.top() - before.top(), after.bottom() - before.bottom()}) {
            QVERIFY(std::abs(moved) <= 1);
        }
    }
};

QTEST_MAIN(TestFixedLayout)
#include "tst_fixedlayout.moc"
