#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "../forms/FormTestTree.h"
#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "forms/DrivelineForm.h"
#include "pages/DrivelinePage.h"

namespace rw {
namespace {

using test::EmptyTree;
using test::TreeWith;
using test::ValueAt;

class DrivelinePageTest : public page_test::PageFixture<DrivelinePage, DrivelineForm> {
protected:
    // The names of the checked radio buttons, in the page's order.
    std::vector<std::string> Checked() {
        std::vector<std::string> checked;
        for (const char* name :
             {"freeRadio", "viscousRadio", "salisburyRadio", "fwdRadio", "rwdRadio"}) {
            if (Radio(name)->isChecked()) {
                checked.push_back(name);
            }
        }
        return checked;
    }
    // Locking coefficient, power ramp angle, coast ramp angle.
    std::vector<bool> TypeFieldsEnabled() {
        return {Edit("lockingCoeffEdit")->isEnabled(), Edit("powerAngleEdit")->isEnabled(),
                Edit("coastAngleEdit")->isEnabled()};
    }
};

TEST_F(DrivelinePageTest, Texts) {
    const std::pair<const char*, const char*> radios[] = {
        {"freeRadio", "Free"}, {"viscousRadio", "Viscous"}, {"salisburyRadio", "Salisbury"},
        {"fwdRadio", "FWD"},   {"rwdRadio", "RWD"},
    };
    for (const auto& [name, text] : radios) {
        EXPECT_EQ(Radio(name)->text().remove(u'&'), text);
    }
    EXPECT_EQ(page.findChild<QGroupBox*>("driveGroup")->title(), "Drive Configuration");
    EXPECT_EQ(Checked(), std::vector<std::string>{"freeRadio"});
}

TEST_F(DrivelinePageTest, TypeButtonsEnableTheirFields) {
    Radio("viscousRadio")->click();
    EXPECT_EQ(TypeFieldsEnabled(), (std::vector<bool>{true, false, false}));
    Radio("salisburyRadio")->click();
    EXPECT_EQ(TypeFieldsEnabled(), (std::vector<bool>{false, true, true}));
    Radio("freeRadio")->click();
    EXPECT_EQ(TypeFieldsEnabled(), (std::vector<bool>{false, false, false}));
    EXPECT_TRUE(Edit("clutchesEdit")->isEnabled());
    EXPECT_TRUE(Edit("ratioEdit")->isEnabled());
}

TEST_F(DrivelinePageTest, UndecidedShowsNoSelection) {
    page.FillFromTree(*TreeWith({{"differential.type", "2"},
                                 {"differential.output0", "2"},
                                 {"differential.output1", "3"}}));
    EXPECT_EQ(Checked(), (std::vector<std::string>{"salisburyRadio", "rwdRadio"}));

    // Outputs 1, 0 leave the drive undecided; type 5 has no button.
    page.FillFromTree(*TreeWith({{"differential.type", "5"},
                                 {"differential.output0", "1"},
                                 {"differential.output1", "0"}}));
    EXPECT_TRUE(Checked().empty());
    EXPECT_EQ(TypeFieldsEnabled(), (std::vector<bool>{false, false, false}));

    // A click decides the drive; the unknown type stays as it was.
    Radio("rwdRadio")->click();
    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    EXPECT_EQ(ValueAt(*stored, "differential.type"), "5");
    EXPECT_EQ(ValueAt(*stored, "differential.output0"), "2");
    EXPECT_EQ(ValueAt(*stored, "differential.output1"), "3");
}

TEST_F(DrivelinePageTest, TypedRatioSurvivesATypeClick) {
    page.FillFromTree(*TreeWith({{"differential.ratio", "3.5"}}));
    Edit("ratioEdit")->selectAll();
    QTest::keyClicks(Edit("ratioEdit"), "4.1");
    Radio("viscousRadio")->click();
    EXPECT_EQ(Edit("ratioEdit")->text(), "4.1");
    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    EXPECT_EQ(ValueAt(*stored, "differential.ratio"), "4.1");
    EXPECT_EQ(ValueAt(*stored, "differential.type"), "1");
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace rw
