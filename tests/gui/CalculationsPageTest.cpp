#include <gtest/gtest.h>

#include <QLabel>
#include <QTableWidget>

#include "PageTestSupport.h"
#include "pages/TopView.h"

namespace rw {
namespace {

using page_test::Find;
using page_test::TypeOver;

class CalculationsPageTest : public page_test::EditorTest {
protected:
    // Wheelbase 2.6 m, centre of gravity 0.1 m ahead, five forward gears.
    CalculationsPageTest() { window.LoadAtStart(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini"); }

    PageView* Select(PageId page) { return &Show(page); }
    QString Figure(const char* name) { return Find<QLabel>(*page, name)->text(); }
    QString Cell(int row, int column) { return table->item(row, column)->text(); }
    QImage Drawing() { return topView->grab().toImage(); }

    PageView* page = window.View(PageId::Calculations);
    QTableWidget* table = Find<QTableWidget>(*page, "gearingTable");
    TopView* topView = Find<TopView>(*page, "topView");
};

TEST_F(CalculationsPageTest, RecalculatedAtEachSelectionWithValuesTypedAndNotSaved) {
    const QImage empty = Drawing();
    EXPECT_EQ(Figure("wheelbaseValue"), "");
    EXPECT_EQ(table->rowCount(), 0);
    EXPECT_EQ(topView->accessibleName(), "Top view");
    EXPECT_EQ(topView->accessibleDescription(), "");

    Select(PageId::Calculations);
    EXPECT_EQ(Figure("wheelbaseValue"), "2.600 m");
    EXPECT_EQ(topView->accessibleDescription(),
              "Front Weight Distribution: 53.85 %, Wheelbase: 2.600 m, Track Width (Front): "
              "1.480 m, Track Width (Rear): 1.520 m");
    const QImage first = Drawing();
    EXPECT_NE(first, empty);
    ASSERT_EQ(table->rowCount(), 5);
    EXPECT_EQ((QStringList{Cell(0, 0), Cell(0, 1), Cell(4, 0), Cell(4, 1), Cell(4, 5)}),
              (QStringList{"1", "3.31", "5", "0.97", ""}));

    TypeOver(Find<QLineEdit>(*Select(PageId::Body), "cgZEdit"), "0.39");
    TypeOver(Find<QLineEdit>(*Select(PageId::Gearbox), "ratio1Edit"), "4");
    TypeOver(Find<QLineEdit>(*Select(PageId::Driveline), "ratioEdit"), "0.5");
    TypeOver(Find<QLineEdit>(*Select(PageId::Engine), "maxRpmEdit"), "0");
    // Nothing changes until the tab is selected again.
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "53.85 %");
    EXPECT_EQ(Drawing(), first);
    Select(PageId::Calculations);
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "65.00 %");
    EXPECT_NE(Drawing(), first);
    // Overall ratio 4 x 0.5; after the upshift 6900 x 2.13 / 4; nothing at 0 rpm.
    EXPECT_EQ((QStringList{Cell(0, 2), Cell(0, 5), Cell(0, 4)}), (QStringList{"2", "3674", "0.0"}));
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace rw
