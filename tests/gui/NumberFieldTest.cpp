#include <gtest/gtest.h>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QTest>
#include <QToolButton>
#include <QWidget>

#include "tree/Numbers.h"
#include "widgets/NumberField.h"
#include "widgets/NumberFieldRules.h"

namespace rw {
namespace {

// Each press starts again from the shown text, as the widget does.
TEST(NumberFieldRulesTest, ArrowPressesClampAndFormat) {
    struct Case {
        double min, max, step;
        bool whole;
        std::string start;
        std::vector<int> presses;
        std::vector<std::string> shown;
    };
    const std::vector<Case> cases = {
        {0, 100, 10, false, "95", {1, 1}, {"100", "100"}},
        {0, 1, 0.1, false, "0", {1, 1, 1}, {"0.1", "0.2", "0.3"}},
        {0, 1, 0.1, false, "0.95", {1}, {"1"}},
        {1, 7, 1, false, "abc", {1}, {"1"}},
        {0, 1e7, 1e6, false, "0", {1}, {"1e+06"}},
        {0, 100, 10, false, "5", {-1, -1}, {"0", "0"}},
        {-1, 1, 0.5, false, " -0.5xyz", {-1, -1}, {"-1", "-1"}},
        {0, 10, 1, false, "3", {0}, {"3"}},
        // An integer field's arrows write plain digits that read back.
        {0, 1000000, 10000, true, "990000", {1, 1, -1}, {"1000000", "1000000", "990000"}},
        {0, 1e7, 1e6, true, "1234567.4", {1, -1}, {"2234567", "1234567"}},
        {-10, 10, 1, true, "0.4", {-1, 1}, {"-1", "0"}},
    };
    for (const Case& c : cases) {
        NumberFieldRules rules;
        rules.ApplyRange(c.min, c.max, c.step);
        rules.wholeNumbers = c.whole;
        std::string text = c.start;
        for (std::size_t i = 0; i < c.presses.size(); ++i) {
            text = rules.FormatValue(rules.Stepped(ParseDouble(text), c.presses[i]));
            EXPECT_EQ(text, c.shown[i]) << "from '" << c.start << "' press " << i;
        }
    }
}

TEST(NumberFieldRulesTest, ToleranceWrapAndPositions) {
    NumberFieldRules rules;
    rules.ApplyRange(0, 1, 0.1);
    // A value that passes a bound by less than the tolerance stays as computed.
    EXPECT_DOUBLE_EQ(rules.Stepped(0.9 + 5e-10, 1), 0.9 + 5e-10 + 0.1);

    rules.ApplyRange(0, 100, 1);
    EXPECT_EQ(rules.positionCount, 100);
    EXPECT_EQ(rules.PositionFor(50), 50);
    EXPECT_EQ(rules.PositionFor(150), 100);
    EXPECT_EQ(rules.PositionFor(-3), 0);
    EXPECT_TRUE(rules.ApplyRange(0, 10000, 0.01));
    EXPECT_EQ(rules.positionCount, 32767);
    // A step of 0 stores the range but leaves the count alone.
    EXPECT_FALSE(rules.ApplyRange(2, 2, 0));
    EXPECT_EQ(rules.positionCount, 32767);
    EXPECT_EQ(rules.minimum, 2);
    EXPECT_FALSE(rules.PositionFor(2).has_value());
}

TEST(NumberFieldRulesTest, DisplayTexts) {
    struct Case {
        double value;
        int precision;
        bool trim;
        const char *format, *text;
    };
    const std::vector<Case> cases = {
        {1234567, -1, true, "", "1.23457e+06"},
        {1e-5, -1, true, "", "1e-05"},
        {2.5, 3, false, "", "2.500"},
        {1e6, 3, false, "", "1.000e+06"},
        {2.5, -1, true, "%.2f mm", "2.50 mm"},
        // A format that would read arguments it does not have is not used.
        {2.5, -1, true, "%s", "2.5"},
    };
    for (const Case& c : cases) {
        NumberFieldRules rules;
        rules.SetPrecision(c.precision);
        rules.trimZeros = c.trim;
        rules.SetCustomFormat(std::string(c.format));
        EXPECT_EQ(rules.DisplayText(c.value), c.text) << c.value << " " << c.precision;
    }
}

TEST(NumberFieldWidgetTest, ArrowsAndKeysStepTheBuddyWhileItIsEnabled) {
    QWidget page;
    auto* edit = new QLineEdit(&page);
    (new QHBoxLayout(&page))->addWidget(edit);
    NumberField* field = AttachNumberField(edit, 0, 100, 10);
    page.show();
    EXPECT_GT(field->geometry().left(), edit->geometry().left());
    edit->setText("95");
    for (QToolButton* arrow : {field->UpButton(), field->UpButton(), field->DownButton()}) {
        QTest::mouseClick(arrow, Qt::LeftButton);
    }
    EXPECT_EQ(edit->text(), "90");
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "80");

    edit->setEnabled(false);
    EXPECT_FALSE(field->isEnabled());
    QTest::mouseClick(field->UpButton(), Qt::LeftButton);
    EXPECT_EQ(edit->text(), "80");
}

}  // namespace
}  // namespace rw
