#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "forms/SuspensionForm.h"
#include "pages/SuspensionPage.h"
#include "pages/WheelSelector.h"
#include "widgets/NumberField.h"

namespace rw {
namespace {

using page_test::Find;
using page_test::TreeOf;
using page_test::TypeOver;
using page_test::ValueAt;

class SuspensionPageTest : public page_test::PageFixture<SuspensionPage, SuspensionForm> {
protected:
    void ClickWheel(int wheel) { page_test::ClickWheel(page, wheel); }
};

TEST_F(SuspensionPageTest, LabelsAndGroups) {
    const std::pair<const char*, const char*> labels[] = {
        {"restLengthLabel", "Rest length:"},
        {"minLengthLabel", "Min. length:"},
        {"maxLengthLabel", "Max length:"},
        {"bumpRateLabel", "Bump rate:"},
        {"reboundRateLabel", "Rebound rate:"},
        {"kLabel", "k (Spring rate):"},
        {"antiPitchLabel", "Anti-pitch:"},
        {"rollCenterYLabel", "y:"},
        {"xLabel", "x:"},
    };
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(Find<QLabel>(page, name)->text(), text) << name;
    }
    EXPECT_EQ(Find<QGroupBox>(page, "suspensionConfigurationsGroup")->title(),
              "Suspension Configurations");
    EXPECT_EQ(Find<QGroupBox>(page, "rollCentreGroup")->title(), "Roll Centre");
    EXPECT_EQ(Find<QGroupBox>(page, "positionGroup")->title(), "Position relative to car");
    EXPECT_EQ(Find<WheelSelector>(page, "wheelSelector")->Button(3)->text(), "Right Rear");
}

TEST_F(SuspensionPageTest, MixedSpringRateSpinsBothFromZero) {
    page.FillFromTree(
        TreeOf("susp0\n{\n   k=300\n   z=1.2\n}\nsusp1\n{\n   k=320\n   z=1.2\n}\n"
               "susp2\n{\n   k=300\n}\n"));
    EXPECT_FALSE(Edit("kEdit")->isEnabled());
    EXPECT_EQ(Edit("kEdit")->text(), "0");
    ClickWheel(0);
    ClickWheel(1);
    EXPECT_TRUE(Edit("kEdit")->isEnabled());
    EXPECT_EQ(Edit("kEdit")->text(), "0");
    EXPECT_EQ(Edit("zEdit")->text(), "1.2");

    // Nothing is written by showing the 0.
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "susp0.k"), "300");
    EXPECT_EQ(ValueAt(tree, "susp1.k"), "320");

    QTest::mouseClick(Find<NumberField>(page, "kEditSpin")->UpButton(), Qt::LeftButton);
    tree = Stored();
    EXPECT_EQ(ValueAt(tree, "susp0.k"), "1000");
    EXPECT_EQ(ValueAt(tree, "susp1.k"), "1000");
    EXPECT_EQ(ValueAt(tree, "susp2.k"), "300");
    // Every suspension gets its roll centre.
    EXPECT_EQ(ValueAt(tree, "susp3.roll_center.z"), "0");
}

TEST_F(SuspensionPageTest, TypingCopiesIntoEverySelectedSuspension) {
    page.FillFromTree(TreeOf("susp2\n{\n   restlen=0.3\n}\nsusp3\n{\n   restlen=0.31\n}\n"));
    ClickWheel(2);
    ClickWheel(3);
    EXPECT_EQ(Edit("restLengthEdit")->text(), "0");
    TypeOver(Edit("rollCenterXEdit"), "-0.5");
    TypeOver(Edit("restLengthEdit"), "0.35");
    EXPECT_TRUE(dialogs.messages.empty());
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "susp2.restlen"), "0.35");
    EXPECT_EQ(ValueAt(tree, "susp3.restlen"), "0.35");
    EXPECT_EQ(ValueAt(tree, "susp3.roll_center.x"), "-0.5");
    EXPECT_EQ(ValueAt(tree, "susp0.roll_center.x"), "0");

    // Deselecting everything disables and zeroes the fields again.
    ClickWheel(2);
    ClickWheel(3);
    EXPECT_FALSE(Edit("restLengthEdit")->isEnabled());
    EXPECT_EQ(Edit("restLengthEdit")->text(), "0");
}

}  // namespace
}  // namespace rw
