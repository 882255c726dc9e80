#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QProcess>
#include <QRadioButton>
#include <QTableView>
#include <QToolButton>
#include <initializer_list>
#include <string>
#include <tuple>
#include <vector>

#include "PageTestSupport.h"
#include "pages/TopView.h"
#include "widgets/DataExchange.h"
#include "widgets/NumberField.h"

namespace rw {
namespace {

using namespace test;

// Wheelbase 2.6 m, centre of gravity 0.1 m ahead, five forward gears.
class CalculationsPageTest : public EditorTest {
protected:
    CalculationsPageTest() { window.LoadAtStart(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini"); }

    QString Figure(const char* name) { return Find<QLabel>(*page, name)->text(); }
    QString Cell(int row, int column) {
        return table->model()->index(row, column).data().toString();
    }
    QImage Drawing() { return topView->grab().toImage(); }

    PageView* page = window.View(PageId::Calculations);
    QTableView* table = Find<QTableView>(*page, "gearingTable");
    TopView* topView = Find<TopView>(*page, "topView");
};

// The figures come with each selection of the tab, from what the pages hold;
// a field they need that does not read is shown and named instead.
TEST_F(CalculationsPageTest, RecalculatedAtEachSelectionWithValuesTypedAndNotSaved) {
    EXPECT_EQ(Figure("wheelbaseValue"), "");
    Show(PageId::Calculations);
    EXPECT_EQ(Figure("wheelbaseValue"), "2.600 m");
    // A screen reader hears each figure with its caption, and the drawing's.
    EXPECT_EQ(Find<QLabel>(*page, "wheelbaseValue")->accessibleName(), "Wheelbase: 2.600 m");
    EXPECT_TRUE(topView->accessibleDescription().contains("Wheelbase: 2.600 m"));
    const QImage first = Drawing();
    ASSERT_EQ(table->model()->rowCount(), 5);
    EXPECT_EQ((QStringList{Cell(0, 0), Cell(0, 1), Cell(4, 0), Cell(4, 1), Cell(4, 5)}),
              (QStringList{"1", "3.31", "5", "0.97", ""}));

    TypeOver(Find<QLineEdit>(Show(PageId::Body), "cgZEdit"), "0.39");
    TypeOver(Find<QLineEdit>(Show(PageId::Gearbox), "ratio1Edit"), "4");
    TypeOver(Find<QLineEdit>(Show(PageId::Driveline), "ratioEdit"), "0.5");
    TypeOver(Find<QLineEdit>(Show(PageId::Engine), "maxRpmEdit"), "0");
    // Nothing changes until the tab is selected again.
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "53.85 %");
    EXPECT_EQ(Drawing(), first);
    Show(PageId::Calculations);
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "65.00 %");
    EXPECT_NE(Drawing(), first);
    // Overall ratio 4 x 0.5; after the upshift 6900 x 2.13 / 4; nothing at 0 rpm.
    EXPECT_EQ((QStringList{Cell(0, 2), Cell(0, 5), Cell(0, 4)}), (QStringList{"2", "3674", "0.0"}));
    EXPECT_TRUE(dialogs.messages.empty());

    QLineEdit* mass = Find<QLineEdit>(Show(PageId::Body), "massEdit");
    TypeOver(mass, "abc");
    Find<QTabBar>(window, "pageTabBar")->setCurrentIndex(8);
    EXPECT_EQ(
        dialogs.MessageTexts(),
        std::vector<std::string>{"Please enter a number.\n\nField \"Mass:\" on the Body page."});
    EXPECT_EQ(window.ShownPage(), window.View(PageId::Body));
    EXPECT_EQ(window.focusWidget(), mass);
}

}  // namespace
}  // namespace rw
