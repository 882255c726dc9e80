#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <algorithm>
#include <fstream>
#include <sstream>

#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "forms/WheelsForm.h"
#include "pages/WheelSelector.h"
#include "pages/WheelsPage.h"
#include "shell/MainDialog.h"
#include "widgets/NumberField.h"
#include "widgets/PageView.h"

namespace rw {
namespace {

using page_test::Find;
using page_test::TreeOf;
using page_test::TypeOver;
using page_test::ValueAt;

const char* const kFourWheels =
    "wheel0\n{\n   mass=20\n   radius=0.31\n   steering=1\n   camber=-1.5\n}\n"
    "wheel1\n{\n   mass=20\n   radius=0.33\n   steering=1\n   camber=-1.5\n}\n"
    "wheel2\n{\n   mass=22\n   radius=0.33\n   steering=0\n}\n"
    "wheel3\n{\n   mass=22\n   radius=0.33\n   steering=0\n}\n"
    "handbrakes\n{\n   wheels=2 3\n}\n";

TEST(WheelSelectorTest, FourToggleButtonsInTwoRowsAndTheirMask) {
    WheelSelector selector;
    QSignalSpy changes(&selector, &WheelSelector::SelectionChanged);
    auto* grid = qobject_cast<QGridLayout*>(selector.layout());
    ASSERT_NE(grid, nullptr);
    const char* texts[] = {"Left Front", "Right Front", "Left Rear", "Right Rear"};
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        QPushButton* button = selector.Button(wheel);
        EXPECT_EQ(button->text(), texts[wheel]);
        EXPECT_TRUE(button->isCheckable());
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(grid->indexOf(button), &row, &column, &rowSpan, &columnSpan);
        EXPECT_EQ(row, wheel / 2) << texts[wheel];
        EXPECT_EQ(column, wheel % 2) << texts[wheel];
    }

    QTest::mouseClick(selector.Button(1), Qt::LeftButton);
    QTest::mouseClick(selector.Button(3), Qt::LeftButton);
    EXPECT_EQ(selector.Mask(), 2u | 8u);
    ASSERT_EQ(changes.count(), 2);
    EXPECT_EQ(changes[1][0].value<std::uint32_t>(), 10u);

    // Setting the mask from the program is not a user's change.
    selector.SetMask(5);
    EXPECT_EQ(selector.Mask(), 5u);
    EXPECT_EQ(changes.count(), 2);
}

class WheelsPageTest : public page_test::PageFixture<WheelsPage, WheelsForm> {
protected:
    void ClickWheel(int wheel) { page_test::ClickWheel(page, wheel); }
};

TEST_F(WheelsPageTest, LabelsAndGroups) {
    const std::pair<const char*, const char*> labels[] = {
        {"massLabel", "Mass:"},
        {"inertiaLabel", "Inertia:"},
        {"radiusLabel", "Radius:"},
        {"lockLabel", "Steer lock:"},
        {"toeLabel", "Toe:"},
        {"camberLabel", "Camber:"},
        {"tireRateLabel", "Tyre rate:"},
        {"brakingFactorLabel", "Brake factor:"},
        {"maxBrakingLabel", "Brake torque:"},
        {"maxHandbrakeTorqueLabel", "Handbrake Torque:"},
        {"xLabel", "x:"},
        {"zLabel", "z:"},
    };
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(Find<QLabel>(page, name)->text(), text) << name;
    }
    EXPECT_EQ(Find<QGroupBox>(page, "wheelConfigurationsGroup")->title(), "Wheel Configurations");
    EXPECT_EQ(Find<QGroupBox>(page, "positionGroup")->title(), "Position relative to suspension");
    EXPECT_EQ(Check("steeringCheck")->text().remove(u'&'), "Steering");
    EXPECT_EQ(Check("handbrakeCheck")->text().remove(u'&'), "Handbrake");
}

TEST_F(WheelsPageTest, NothingSelectedDisablesEverythingAndShowsZero) {
    page.FillFromTree(TreeOf(kFourWheels));
    for (const char* name : {"massEdit", "radiusEdit", "lockEdit", "toeEdit", "tireRateEdit",
                             "maxHandbrakeTorqueEdit", "zEdit"}) {
        EXPECT_FALSE(Edit(name)->isEnabled()) << name;
        EXPECT_EQ(Edit(name)->text(), "0") << name;
    }
    EXPECT_FALSE(Check("steeringCheck")->isEnabled());
    EXPECT_FALSE(Check("handbrakeCheck")->isEnabled());
    EXPECT_FALSE(Find<NumberField>(page, "toeEditSpin")->isEnabled());
}

TEST_F(WheelsPageTest, MixedFieldShowsZeroAndIsLeftAloneUntilEdited) {
    page.FillFromTree(TreeOf(kFourWheels));
    ClickWheel(0);
    EXPECT_EQ(Edit("radiusEdit")->text(), "0.31");
    ClickWheel(1);
    // 0.31 against 0.33: mixed. Mass and camber agree.
    EXPECT_EQ(Edit("radiusEdit")->text(), "0");
    EXPECT_EQ(Edit("massEdit")->text(), "20");
    EXPECT_EQ(Edit("camberEdit")->text(), "-1.5");

    // Editing another field leaves the mixed one alone in both wheels.
    TypeOver(Edit("massEdit"), "25");
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "wheel0.radius"), "0.31");
    EXPECT_EQ(ValueAt(tree, "wheel1.radius"), "0.33");
    EXPECT_EQ(ValueAt(tree, "wheel0.mass"), "25");
    EXPECT_EQ(ValueAt(tree, "wheel1.mass"), "25");
    EXPECT_EQ(ValueAt(tree, "wheel2.mass"), "22");

    // Typing into the mixed field sets every selected wheel, keystroke by
    // keystroke, with no prompt on the way.
    TypeOver(Edit("radiusEdit"), "0.32");
    tree = Stored();
    EXPECT_EQ(ValueAt(tree, "wheel0.radius"), "0.32");
    EXPECT_EQ(ValueAt(tree, "wheel1.radius"), "0.32");
    EXPECT_EQ(ValueAt(tree, "wheel2.radius"), "0.33");
    EXPECT_TRUE(dialogs.messages.empty());

    // Re-selecting re-derives what is shown.
    ClickWheel(1);
    ClickWheel(2);
    EXPECT_EQ(Edit("radiusEdit")->text(), "0");
    EXPECT_EQ(Edit("massEdit")->text(), "0");
    ClickWheel(0);
    EXPECT_EQ(Edit("radiusEdit")->text(), "0.33");
}

TEST_F(WheelsPageTest, TextOnItsWayToANumberKeepsTheLastGoodValue) {
    page.FillFromTree(TreeOf(kFourWheels));
    ClickWheel(2);
    ClickWheel(3);
    TypeOver(Edit("camberEdit"), "-");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(DataExchange::IsMarkedInvalid(Edit("camberEdit")));
    QTest::keyClicks(Edit("camberEdit"), "2");
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "wheel2.camber"), "-2");
    EXPECT_EQ(ValueAt(tree, "wheel3.camber"), "-2");
    EXPECT_EQ(ValueAt(tree, "wheel0.camber"), "-1.5");

    // An integer field refuses a fraction at the store, with the prompt.
    TypeOver(Edit("massEdit"), "12.5");
    Stored();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please enter an integer.");
}

TEST_F(WheelsPageTest, SteeringAndHandbrakeEnableTheirFields) {
    page.FillFromTree(TreeOf(kFourWheels));
    ClickWheel(2);
    EXPECT_TRUE(Edit("massEdit")->isEnabled());
    EXPECT_FALSE(Check("steeringCheck")->isChecked());
    EXPECT_FALSE(Edit("lockEdit")->isEnabled());
    EXPECT_TRUE(Check("handbrakeCheck")->isChecked());
    EXPECT_TRUE(Edit("maxHandbrakeTorqueEdit")->isEnabled());

    QTest::mouseClick(Check("steeringCheck"), Qt::LeftButton);
    EXPECT_TRUE(Edit("lockEdit")->isEnabled());
    QTest::mouseClick(Check("handbrakeCheck"), Qt::LeftButton);
    EXPECT_FALSE(Edit("maxHandbrakeTorqueEdit")->isEnabled());

    // Only the selected wheel changed.
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "wheel2.steering"), "1");
    EXPECT_EQ(ValueAt(tree, "wheel3.steering"), "0");
    EXPECT_EQ(ValueAt(tree, "handbrakes.wheels"), "3");

    // Front pair: both steer, so the lock is open; neither has a handbrake.
    ClickWheel(2);
    ClickWheel(0);
    ClickWheel(1);
    EXPECT_TRUE(Edit("lockEdit")->isEnabled());
    EXPECT_FALSE(Edit("maxHandbrakeTorqueEdit")->isEnabled());
    // Left front with right rear: steering differs, so it shows unticked.
    ClickWheel(1);
    ClickWheel(3);
    EXPECT_FALSE(Check("steeringCheck")->isChecked());
    EXPECT_FALSE(Edit("lockEdit")->isEnabled());
}

TEST_F(WheelsPageTest, SpinButtonsCopyIntoTheSelectedWheels) {
    page.FillFromTree(TreeOf(kFourWheels));
    ClickWheel(0);
    ClickWheel(1);
    auto* spin = Find<NumberField>(page, "maxBrakingEditSpin");
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "wheel0.max_braking"), "100");
    EXPECT_EQ(ValueAt(tree, "wheel1.max_braking"), "100");
    EXPECT_EQ(ValueAt(tree, "wheel2.max_braking"), "0");
}

TEST_F(WheelsPageTest, FillShowsTheNewCarForTheKeptSelection) {
    page.FillFromTree(TreeOf(kFourWheels));
    ClickWheel(3);
    EXPECT_EQ(Edit("massEdit")->text(), "22");
    page.FillFromTree(TreeOf("wheel3\n{\n   mass=40\n}\n"));
    EXPECT_EQ(Find<WheelSelector>(page, "wheelSelector")->Mask(), 8u);
    EXPECT_EQ(Edit("massEdit")->text(), "40");
    EXPECT_TRUE(Edit("massEdit")->isEnabled());
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The Misc page's Ackermann value belongs to the first steered wheel as the
// Wheels page has it at the save, not as the file had it.
TEST(WheelsPageDialogTest, AckermannMovesToTheNextSteeredWheel) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("car.ini").toStdString();
    std::ofstream(path, std::ios::binary) << "car\n{\n   wheels=4\n}\n"
                                             "wheel0\n{\n   steering=1\n   ackerman=0.25\n}\n"
                                             "wheel1\n{\n   steering=1\n}\n";
    ScriptedDialogs dialogs;
    MainDialog window(dialogs);
    window.LoadAtStart(path);
    window.SelectCategory(PageCategory::Physics);
    auto* tabs = window.findChild<QTabBar*>("pageTabBar");
    ASSERT_NE(tabs, nullptr);
    const std::vector<PageSlot>& shownSlots = window.ShownSlots();
    const auto wheelsTab = std::find(shownSlots.begin(), shownSlots.end(), PageSlot::Wheels);
    ASSERT_NE(wheelsTab, shownSlots.end());
    tabs->setCurrentIndex(static_cast<int>(wheelsTab - shownSlots.begin()));
    PageView* wheels = window.View(PageSlot::Wheels);
    ASSERT_EQ(window.ShownPage(), wheels);

    QTest::mouseClick(Find<WheelSelector>(*wheels, "wheelSelector")->Button(0), Qt::LeftButton);
    QTest::mouseClick(Find<QCheckBox>(*wheels, "steeringCheck"), Qt::LeftButton);
    dialogs.answers.push_back(MessageAnswer::Yes);
    QTest::mouseClick(window.findChild<QPushButton*>("saveButton"), Qt::LeftButton);
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().text, "Saved.");

    const ConfigTree saved = TreeOf(ReadFile(path));
    EXPECT_EQ(ValueAt(saved, "wheel0.steering"), "0");
    EXPECT_EQ(ValueAt(saved, "wheel1.steering"), "1");
    EXPECT_EQ(ValueAt(saved, "wheel1.ackerman"), "0.25");
}

}  // namespace
}  // namespace rw
