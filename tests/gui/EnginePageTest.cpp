#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "../forms/FormTestTree.h"
#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "forms/EngineForm.h"
#include "pages/EnginePage.h"
#include "widgets/NumberField.h"

namespace rw {
namespace {

using test::EmptyTree;
using test::TreeWith;
using test::ValueAt;

class EnginePageTest : public page_test::PageFixture<EnginePage, EngineForm> {
protected:
    void Click(QAbstractButton* button) { button->click(); }
    void Retype(QLineEdit* edit, const char* text) {
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    std::vector<bool> ShiftingEnabled() {
        std::vector<bool> enabled;
        for (const char* name :
             {"shiftUpRpmEdit", "shiftDownRpmEdit", "clutchTimeEdit", "declutchTimeEdit"}) {
            enabled.push_back(Edit(name)->isEnabled());
        }
        return enabled;
    }
};

TEST_F(EnginePageTest, TextsOfTheForm) {
    const std::pair<const char*, const char*> labels[] = {
        {"massLabel", "Mass:"},
        {"maxRpmLabel", "Max RPM:"},
        {"autoclutchRpmLabel", "Autoclutch RPM:"},
        {"shiftUpLabel", "Shift Up @"},
        {"declutchTimeLabel", "De-clutch time:"},
        {"brakingCoeffLabel", "Braking Friction Coeff.:"},
        {"curveTorqueLabel", "Torque .crv file:"},
    };
    for (const auto& [name, text] : labels) {
        auto* label = page.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), text);
    }
    // These check boxes carry their text left of the box.
    for (const char* name : {"starterMotorCheck", "startStalledCheck", "automaticShiftingCheck"}) {
        EXPECT_EQ(Check(name)->layoutDirection(), Qt::RightToLeft) << name;
    }
    EXPECT_EQ(Check("startStalledCheck")->text().remove(u'&'), "Start Stalled");
    EXPECT_EQ(page.findChild<QPushButton*>("curveTorqueButton")->text(), "...");
    // Every number field starts at 0.
    EXPECT_EQ(Edit("maxRpmEdit")->text(), "0");
    EXPECT_EQ(Edit("declutchTimeEdit")->text(), "0");
}

TEST_F(EnginePageTest, CheckBoxesEnableTheirFields) {
    EXPECT_EQ(ShiftingEnabled(), std::vector<bool>(4, false));
    EXPECT_FALSE(Edit("starterTorqueEdit")->isEnabled());
    EXPECT_FALSE(Check("startStalledCheck")->isEnabled());

    Click(Check("starterMotorCheck"));
    EXPECT_TRUE(Edit("starterTorqueEdit")->isEnabled());
    EXPECT_TRUE(Check("startStalledCheck")->isEnabled());
    EXPECT_EQ(ShiftingEnabled(), std::vector<bool>(4, false));

    Click(Check("automaticShiftingCheck"));
    EXPECT_EQ(ShiftingEnabled(), std::vector<bool>(4, true));

    // The spin button of a disabled field is disabled with it.
    Click(Check("automaticShiftingCheck"));
    EXPECT_FALSE(page.findChild<NumberField*>("shiftUpRpmEditSpin")->isEnabled());

    // A fill sets the enables from the loaded car.
    page.FillFromTree(*TreeWith({{"engine.shifting.automatic", "1"}}));
    EXPECT_EQ(ShiftingEnabled(), std::vector<bool>(4, true));
    EXPECT_FALSE(Edit("starterTorqueEdit")->isEnabled());
    page.FillFromTree(*TreeWith({{"engine.shifting.automatic", "0"}}));
    EXPECT_FALSE(Check("automaticShiftingCheck")->isChecked());
    EXPECT_EQ(ShiftingEnabled(), std::vector<bool>(4, false));
}

TEST_F(EnginePageTest, StartStalledNeedsTheStarter) {
    page.FillFromTree(*TreeWith({{"engine.starter", "1"}, {"engine.start_stalled", "1"}}));
    Click(Check("starterMotorCheck"));
    // Unticking the starter disables Start Stalled without clearing it.
    EXPECT_TRUE(Check("startStalledCheck")->isChecked());
    EXPECT_FALSE(Check("startStalledCheck")->isEnabled());
    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    EXPECT_EQ(ValueAt(*stored, "engine.starter"), "0");
    EXPECT_EQ(ValueAt(*stored, "engine.start_stalled"), "0");
}

TEST_F(EnginePageTest, TextTypedSurvivesAClick) {
    Retype(Edit("maxRpmEdit"), "7500");
    Click(Check("starterMotorCheck"));
    EXPECT_EQ(Edit("maxRpmEdit")->text(), "7500");
    Retype(Edit("starterTorqueEdit"), "0.15");
    Click(Check("automaticShiftingCheck"));
    Click(Check("automaticShiftingCheck"));
    EXPECT_EQ(Edit("starterTorqueEdit")->text(), "0.15");
    EXPECT_TRUE(dialogs.messages.empty());

    // A field that does not parse is prompted for and keeps its text.
    Retype(Edit("idleRpmEdit"), "8x");
    Click(Check("automaticShiftingCheck"));
    ASSERT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Please enter an integer."});
    EXPECT_EQ(Edit("idleRpmEdit")->text(), "8x");
    EXPECT_EQ(ShiftingEnabled(), std::vector<bool>(4, true));
}

TEST_F(EnginePageTest, CurveFilePickedKeepsItsNameOnly) {
    page.FillFromTree(*TreeWith({{"engine.curve_torque", "old.crv"}, {"engine.max_rpm", "7000"}}));
    Retype(Edit("maxRpmEdit"), "7200");

    dialogs.files.push_back(std::nullopt);
    Click(page.findChild<QPushButton*>("curveTorqueButton"));
    EXPECT_EQ(Edit("curveTorqueEdit")->text(), "old.crv");

    dialogs.files.push_back("/home/driver/curves/v8 torque.crv");
    Click(page.findChild<QPushButton*>("curveTorqueButton"));
    ASSERT_EQ(dialogs.fileRequests.size(), 2u);
    EXPECT_EQ(dialogs.fileRequests[1].title, "Select an CRV File");
    EXPECT_EQ(dialogs.fileRequests[1].filter, "Tavix CRV Files (*.crv)|*.crv||");
    EXPECT_EQ(Edit("curveTorqueEdit")->text(), "v8 torque.crv");
    EXPECT_EQ(Edit("maxRpmEdit")->text(), "7200");

    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    EXPECT_EQ(ValueAt(*stored, "engine.curve_torque"), "v8 torque.crv");
    EXPECT_EQ(ValueAt(*stored, "engine.max_rpm"), "7200");
}

TEST_F(EnginePageTest, SpinsKeepToTheirRanges) {
    Retype(Edit("maxRpmEdit"), "19950");
    QTest::mouseClick(page.findChild<NumberField*>("maxRpmEditSpin")->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Edit("maxRpmEdit")->text(), "20000");
    // The arrow keys step a field the same way.
    Click(Check("automaticShiftingCheck"));
    Retype(Edit("clutchTimeEdit"), "100");
    QTest::keyClick(Edit("clutchTimeEdit"), Qt::Key_Up);
    EXPECT_EQ(Edit("clutchTimeEdit")->text(), "120");
}

}  // namespace
}  // namespace rw
