#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <algorithm>

#include "../forms/FormTestTree.h"
#include "PageTestSupport.h"
#include "forms/GearboxForm.h"
#include "pages/GearboxPage.h"
#include "widgets/DataExchange.h"
#include "widgets/NumberField.h"

namespace rw {
namespace {

using test::EmptyTree;
using test::TreeWith;
using test::ValueAt;

class GearboxPageTest : public page_test::PageFixture<GearboxPage, GearboxForm> {
protected:
    QLineEdit* Edit(const std::string& name) {
        return page_test::Find<QLineEdit>(page, name.c_str());
    }
    QLineEdit* Gears() { return Edit("gearCountEdit"); }
    QCheckBox* Reverse() { return Check("reverseGearCheck"); }
    // Which forward rows can be edited, ratio and inertia alike.
    std::vector<bool> RowsEnabled() {
        std::vector<bool> rows;
        for (int row = 1; row <= 7; ++row) {
            const bool ratio = Edit("ratio" + std::to_string(row) + "Edit")->isEnabled();
            EXPECT_EQ(ratio, Edit("inertia" + std::to_string(row) + "Edit")->isEnabled());
            rows.push_back(ratio);
        }
        return rows;
    }
    static std::vector<bool> FirstRows(int count) {
        std::vector<bool> rows(7, false);
        std::fill_n(rows.begin(), std::min(count, 7), true);
        return rows;
    }
    void TypeIntoGears(const char* text) { page_test::TypeOver(Gears(), text); }
};

TEST_F(GearboxPageTest, RowTexts) {
    const std::pair<const char*, const char*> labels[] = {
        {"gear1Label", "1st Gear "}, {"gear2Label", "2nd Gear "},  {"gear3Label", "3rd Gear"},
        {"gear7Label", "7th Gear"},  {"gearCountLabel", "Gears:"},
    };
    for (const auto& [name, text] : labels) {
        auto* label = page.findChild<QLabel*>(name);
        ASSERT_NE(label, nullptr) << name;
        EXPECT_EQ(label->text(), text);
    }
    EXPECT_EQ(Reverse()->text().remove(u'&'), "Reverse Gear");
}

TEST_F(GearboxPageTest, StartsWithOneGear) {
    EXPECT_EQ(Gears()->text(), "1");
    EXPECT_EQ(RowsEnabled(), FirstRows(1));
    EXPECT_FALSE(Edit("reverseRatioEdit")->isEnabled());
}

TEST_F(GearboxPageTest, TypingAndSpinningTheCountEnableRows) {
    TypeIntoGears("4");
    EXPECT_EQ(RowsEnabled(), FirstRows(4));
    auto* spin = page.findChild<NumberField*>("gearCountEditSpin");
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Gears()->text(), "5");
    EXPECT_EQ(RowsEnabled(), FirstRows(5));
    TypeIntoGears("7");
    QTest::mouseClick(spin->UpButton(), Qt::LeftButton);
    EXPECT_EQ(Gears()->text(), "7");

    // On the way to a number nothing prompts; the last good count holds.
    TypeIntoGears("3");
    QTest::keyClick(Gears(), Qt::Key_Backspace);
    EXPECT_EQ(Gears()->text(), "");
    EXPECT_TRUE(DataExchange::IsMarkedInvalid(Gears()));
    EXPECT_EQ(RowsEnabled(), FirstRows(3));
    QTest::keyClicks(Gears(), "-");
    EXPECT_TRUE(dialogs.messages.empty());
    QTest::keyClick(Gears(), Qt::Key_Backspace);
    QTest::keyClicks(Gears(), "2");
    EXPECT_FALSE(DataExchange::IsMarkedInvalid(Gears()));
    EXPECT_EQ(RowsEnabled(), FirstRows(2));

    Reverse()->click();
    EXPECT_TRUE(Edit("reverseRatioEdit")->isEnabled());
    EXPECT_TRUE(Edit("reverseInertiaEdit")->isEnabled());
    Reverse()->click();
    EXPECT_FALSE(Edit("reverseRatioEdit")->isEnabled());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(GearboxPageTest, CountAboveTheMaximumIsRefused) {
    page.FillFromTree(*TreeWith({{"gearbox.gears", "3"}, {"gearbox.gear0.ratio", "3.2"}}));
    ASSERT_EQ(form.MaxGearCount(), 7);
    TypeIntoGears("9");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(DataExchange::IsMarkedInvalid(Gears()));
    EXPECT_EQ(RowsEnabled(), FirstRows(3));
    EXPECT_EQ(form.gearCount, 3);
    Edit("ratio1Edit")->setText("2.9");

    // The next action prompts and stops at the count, as a bad number would.
    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, form.GearCountPrompt());
    EXPECT_EQ(dialogs.messages[0].caption, "TAVIX Rigwright");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(ValueAt(*stored, "gearbox.gears"), "3");
    EXPECT_EQ(ValueAt(*stored, "gearbox.gear0.ratio"), "3.2");
    EXPECT_EQ(Gears()->text(), "9");

    // A click prompts as well, and applies the rule with the last good count.
    Reverse()->click();
    EXPECT_EQ(dialogs.messages.size(), 2u);
    EXPECT_TRUE(Edit("reverseRatioEdit")->isEnabled());
    EXPECT_EQ(Gears()->text(), "9");

    TypeIntoGears("6");
    EXPECT_FALSE(DataExchange::IsMarkedInvalid(Gears()));
    EXPECT_EQ(RowsEnabled(), FirstRows(6));
}

TEST_F(GearboxPageTest, ReverseGearMovesToTheFront) {
    page.FillFromTree(*TreeWith({{"gearbox.gears", "3"},
                                 {"gearbox.gear0.ratio", "3.5"},
                                 {"gearbox.gear1.ratio", "2.1"},
                                 {"gearbox.gear2.ratio", "-3.1"}}));
    EXPECT_EQ(Gears()->text(), "2");
    EXPECT_TRUE(Reverse()->isChecked());
    EXPECT_EQ(Edit("reverseRatioEdit")->text(), "-3.1");
    EXPECT_EQ(RowsEnabled(), FirstRows(2));
    // A store that fails at a later field still writes the count.
    Edit("inertia1Edit")->setText("x");
    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(ValueAt(*stored, "gearbox.gears"), "3");
    EXPECT_EQ(ValueAt(*stored, "gearbox.gear0.ratio"), "-3.1");
    EXPECT_EQ(ValueAt(*stored, "gearbox.gear1.ratio"), "3.5");
    EXPECT_EQ(ValueAt(*stored, "gearbox.gear2.ratio"), "2.1");
}

}  // namespace
}  // namespace rw
