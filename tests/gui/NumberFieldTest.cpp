#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWidget>
#include <string>
#include <vector>

#include "widgets/NumberField.h"
#include "widgets/NumberFieldRules.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

struct StepCase {
    double min, max, step;
    std::string start;
    std::vector<int> presses;
    std::vector<std::string> shown;
};

// Each press starts again from the shown text, as the widget does.
TEST(NumberFieldRulesTest, ArrowPressesClampAndFormat) {
    const std::vector<StepCase> cases = {
        {0, 100, 10, "95", {1, 1}, {"100", "100"}},
        {0,
         1,
         0.1,
         "0",
         {1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         {"0.1", "0.2", "0.3", "0.4", "0.5", "0.6", "0.7", "0.8", "0.9", "1"}},
        {0, 1, 0.1, "0.95", {1}, {"1"}},
        {1, 7, 1, "abc", {1}, {"1"}},
        {0, 1e7, 1e6, "0", {1}, {"1e+06"}},
        {0, 100, 10, "5", {-1, -1}, {"0", "0"}},
        {-1, 1, 0.5, " -0.5xyz", {-1, -1}, {"-1", "-1"}},
        {0, 10, 1, "3", {0}, {"3"}},
    };
    for (const StepCase& c : cases) {
        NumberFieldRules rules;
        rules.ApplyRange(c.min, c.max, c.step);
        std::string text = c.start;
        for (std::size_t i = 0; i < c.presses.size(); ++i) {
            text = rules.FormatValue(rules.Stepped(ParseDouble(text), c.presses[i]));
            EXPECT_EQ(text, c.shown[i]) << "from '" << c.start << "' press " << i;
        }
    }
}

TEST(NumberFieldRulesTest, ToleranceAndWrap) {
    NumberFieldRules rules;
    rules.ApplyRange(0, 1, 0.1);
    // A value that passes a bound by less than the tolerance stays as computed.
    EXPECT_DOUBLE_EQ(rules.Stepped(0.9 + 5e-10, 1), 0.9 + 5e-10 + 0.1);
    EXPECT_DOUBLE_EQ(rules.Stepped(0.95, 1), 1.0);
    rules.wrap = true;
    EXPECT_DOUBLE_EQ(rules.Stepped(0.95, 1), 0.0);
    EXPECT_DOUBLE_EQ(rules.Stepped(0.05, -1), 1.0);
}

TEST(NumberFieldRulesTest, PositionsFollowTheRange) {
    NumberFieldRules rules;
    rules.ApplyRange(0, 100, 1);
    EXPECT_EQ(rules.positionCount, 100);
    EXPECT_EQ(rules.PositionFor(50), 50);
    EXPECT_EQ(rules.PositionFor(150), 100);
    EXPECT_EQ(rules.PositionFor(-3), 0);

    EXPECT_TRUE(rules.ApplyRange(0, 10000, 0.01));
    EXPECT_EQ(rules.positionCount, 32767);

    // A step of 0 stores the range but leaves the count alone.
    EXPECT_FALSE(rules.ApplyRange(5, 6, 0));
    EXPECT_EQ(rules.positionCount, 32767);
    EXPECT_EQ(rules.minimum, 5);
    EXPECT_EQ(rules.step, 0);

    rules.ApplyRange(2, 2, 1);
    EXPECT_FALSE(rules.PositionFor(2).has_value());
}

TEST(NumberFieldRulesTest, DisplayTexts) {
    struct Case {
        double value;
        int precision;
        bool trim;
        const char* format;
        const char* text;
    };
    const std::vector<Case> cases = {
        {0, -1, true, "", "0"},
        {2.5, -1, true, "", "2.5"},
        {0.1, -1, true, "", "0.1"},
        {1e6, -1, true, "", "1e+06"},
        {1234567, -1, true, "", "1.23457e+06"},
        {1e-5, -1, true, "", "1e-05"},
        {2.5, 3, true, "", "2.5"},
        {2.5, 3, false, "", "2.500"},
        {2.0, 2, true, "", "2"},
        {1234567, 2, true, "", "1.23e+06"},
        {1e6, 3, true, "", "1e+06"},
        {1e6, 3, false, "", "1.000e+06"},
        {2.5, -1, true, "%.2f mm", "2.50 mm"},
        {2.5, -1, true, "100%% %g", "100% 2.5"},
        // A format that would read arguments it does not have is not used.
        {2.5, -1, true, "%s", "2.5"},
        {2.5, -1, true, "%f %f", "2.5"},
    };
    for (const Case& c : cases) {
        NumberFieldRules rules;
        rules.SetPrecision(c.precision);
        rules.trimZeros = c.trim;
        rules.SetCustomFormat(std::string(c.format));
        EXPECT_EQ(rules.DisplayText(c.value), c.text) << c.value << " " << c.precision;
    }
}

class NumberFieldWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* row = new QHBoxLayout(&page);
        edit = new QLineEdit(&page);
        edit->setObjectName("massEdit");
        row->addWidget(edit);
        field = AttachNumberField(edit, 0, 100, 10);
        page.show();
    }

    QWidget page;
    QLineEdit* edit = nullptr;
    NumberField* field = nullptr;
};

TEST_F(NumberFieldWidgetTest, ArrowsAndKeysStepTheBuddy) {
    ASSERT_EQ(page.findChild<NumberField*>("massEditSpin"), field);
    EXPECT_EQ(field->Buddy(), edit);
    // The spin button sits right of its edit.
    EXPECT_GT(field->geometry().left(), edit->geometry().left());

    edit->setText("95");
    QTest::mouseClick(field->UpButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "100");
    QTest::mouseClick(field->UpButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "100");
    QTest::mouseClick(field->DownButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "90");

    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "80");
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "90");
}

TEST_F(NumberFieldWidgetTest, FollowsTheBuddysEnabledState) {
    edit->setEnabled(false);
    EXPECT_FALSE(field->isEnabled());
    edit->setText("10");
    QTest::mouseClick(field->UpButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "10");
    edit->setEnabled(true);
    EXPECT_TRUE(field->isEnabled());
    QTest::mouseClick(field->UpButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "20");
}

TEST(NumberFieldAttachTest, KeepsTheGridCell) {
    QWidget page;
    auto* grid = new QGridLayout(&page);
    auto* label = new QLineEdit(&page);
    auto* edit = new QLineEdit(&page);
    edit->setObjectName("idleRpmEdit");
    grid->addWidget(label, 0, 0);
    grid->addWidget(edit, 0, 1);
    NumberField* field = AttachNumberField(edit, 0, 20000, 100);
    page.show();
    EXPECT_EQ(field->positionCount, 200);
    EXPECT_TRUE(field->isVisible());
    EXPECT_EQ(grid->itemAtPosition(0, 1)->layout()->indexOf(edit), 0);
    EXPECT_EQ(grid->itemAtPosition(0, 1)->layout()->indexOf(field), 1);
}

}  // namespace
}  // namespace rw
