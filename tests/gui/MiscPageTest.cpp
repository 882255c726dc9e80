#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "../forms/FormTestTree.h"
#include "PageTestSupport.h"
#include "forms/FormSet.h"
#include "pages/MiscPage.h"

namespace rw {
namespace {

using test::TreeWith;
using test::ValueAt;

class MiscPageTest : public ::testing::Test {
protected:
    void SetUp() override { page.show(); }

    QLineEdit* Edit(const char* name) { return page_test::Find<QLineEdit>(page, name); }
    QCheckBox* Check(const char* name) { return page_test::Find<QCheckBox>(page, name); }

    ScriptedDialogs dialogs;
    FormSet forms;
    MiscPage page{forms.Misc(), dialogs};
};

TEST_F(MiscPageTest, Texts) {
    EXPECT_EQ(Check("frontBarCheck")->text().remove(u'&'), "Front");
    EXPECT_EQ(Check("rearBarCheck")->text().remove(u'&'), "Rear");
    EXPECT_EQ(page_test::Find<QLabel>(page, "lockLabel")->text(), "Lock:");
    EXPECT_EQ(page_test::Find<QLabel>(page, "ackermannLabel")->text(), "Ackermann Effect:");
}

TEST_F(MiscPageTest, BarsEnableTheirStiffness) {
    auto tree = TreeWith({{"antirollbar.count", "1"},
                          {"antirollbar.arb0.susp_left", "3"},
                          {"antirollbar.arb0.susp_right", "2"},
                          {"antirollbar.arb0.k", "500"},
                          {"steer.lock", "540"}});
    page.FillFromTree(*tree);
    EXPECT_FALSE(Check("frontBarCheck")->isChecked());
    EXPECT_TRUE(Check("rearBarCheck")->isChecked());
    EXPECT_FALSE(Edit("frontStiffnessEdit")->isEnabled());
    EXPECT_TRUE(Edit("rearStiffnessEdit")->isEnabled());
    EXPECT_EQ(Edit("rearStiffnessEdit")->text(), "500");
    EXPECT_EQ(Edit("lockEdit")->text(), "540");

    Check("frontBarCheck")->click();
    EXPECT_TRUE(Edit("frontStiffnessEdit")->isEnabled());
    Edit("frontStiffnessEdit")->selectAll();
    QTest::keyClicks(Edit("frontStiffnessEdit"), "800");
    page.StoreToTree(*tree);
    EXPECT_EQ(ValueAt(*tree, "antirollbar.count"), "2");
    EXPECT_EQ(ValueAt(*tree, "antirollbar.arb0.k"), "800");
    EXPECT_EQ(ValueAt(*tree, "antirollbar.arb1.k"), "500");
    EXPECT_EQ(ValueAt(*tree, "steer.lock"), "540");

    Check("rearBarCheck")->click();
    Check("frontBarCheck")->click();
    EXPECT_FALSE(Edit("frontStiffnessEdit")->isEnabled());
    EXPECT_FALSE(Edit("rearStiffnessEdit")->isEnabled());
    // The lock and Ackermann fields are never disabled.
    EXPECT_TRUE(Edit("lockEdit")->isEnabled());
    EXPECT_TRUE(Edit("ackermannEdit")->isEnabled());
    page.StoreToTree(*tree);
    EXPECT_EQ(ValueAt(*tree, "antirollbar.count"), "0");
}

TEST_F(MiscPageTest, AckermannGoesToTheFirstSteeredWheelOfTheWheelsPage) {
    auto tree = TreeWith({{"wheel0.steering", "1"},
                          {"wheel0.ackerman", "1.2"},
                          {"wheel1.steering", "1"},
                          {"wheel1.ackerman", "0.8"}});
    forms.Wheels().FillFromTree(*tree);
    page.FillFromTree(*tree);
    EXPECT_EQ(Edit("ackermannEdit")->text(), "1.2");
    Edit("ackermannEdit")->selectAll();
    QTest::keyClicks(Edit("ackermannEdit"), "1.5");
    page.StoreToTree(*tree);
    EXPECT_EQ(ValueAt(*tree, "wheel0.ackerman"), "1.5");
    EXPECT_EQ(ValueAt(*tree, "wheel1.ackerman"), "0.8");
}

}  // namespace
}  // namespace rw
