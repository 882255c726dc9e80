#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "ScriptedDialogs.h"
#include "widgets/DataExchange.h"

namespace rw {
namespace {

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        exchange.Bind(intEdit, &number);
        exchange.Bind(floatEdit, &real);
        exchange.Bind(textEdit, &text);
        exchange.Bind(notes, &notesText);
        page.setWindowTitle("Test");
        page.show();
    }

    QWidget page;
    QGroupBox* group = new QGroupBox("Sizes", &page);
    QLineEdit* intEdit = new QLineEdit(group);
    QLineEdit* floatEdit = new QLineEdit(group);
    QLineEdit* textEdit = new QLineEdit(group);
    QPlainTextEdit* notes = new QPlainTextEdit(group);
    ScriptedDialogs dialogs;
    DataExchange exchange{dialogs};
    std::int32_t number = -7;
    float real = 16777217.0f;              // not exactly representable; shows its float
    std::string text = "Citro\xEBn \x81";  // Windows-1252 with an unassigned byte
    std::string notesText = "bad \xFF utf-8";
};

TEST_F(DataExchangeTest, PushShowsValuesWithoutNotifyingAndTakeGivesThemBack) {
    int changes = 0;
    QObject::connect(intEdit, &QLineEdit::textChanged, [&] { ++changes; });
    exchange.Push();
    EXPECT_EQ(intEdit->text(), "-7");
    EXPECT_EQ(floatEdit->text(), "16777216");
    EXPECT_EQ(textEdit->text(), QString::fromUtf8("Citro\xC3\xABn \xC2\x81"));
    EXPECT_EQ(changes, 0);

    // Untouched texts give back their bytes; reals read back exactly.
    text.clear();
    notesText.clear();
    for (float value : {0.1f, 1.0f / 3.0f, -2.5e-7f, 3.4028235e38f, 1e-45f}) {
        real = value;
        exchange.Push(floatEdit);
        real = 99.0f;
        ASSERT_FALSE(exchange.TakeAll());
        EXPECT_EQ(real, value) << floatEdit->text().toStdString();
    }
    EXPECT_EQ(text, "Citro\xEBn \x81");
    EXPECT_EQ(notesText, "bad \xFF utf-8");
    // Edited text stays in its encoding while it can, else becomes UTF-8.
    textEdit->setText(textEdit->text() + QString::fromUtf8("\xC3\xA9"));
    ASSERT_FALSE(exchange.TakeAll());
    EXPECT_EQ(text, "Citro\xEBn \x81\xE9");
    textEdit->setText(QString::fromUtf8("\xCE\xA9 ") + QString(40000, 'x'));
    ASSERT_FALSE(exchange.TakeAll());
    EXPECT_EQ(text, "\xCE\xA9 " + std::string(40000, 'x'));

    // A value too long to edit shows its beginning, read-only, and comes back
    // whole; the next short one is editable again.
    const std::string huge = "\xCE\xA9" + std::string(70000, 'y');
    text = notesText = huge;
    exchange.Push();
    EXPECT_TRUE(textEdit->isReadOnly() && notes->isReadOnly());
    EXPECT_TRUE(textEdit->text().startsWith(QString::fromUtf8("\xCE\xA9yyy")));
    EXPECT_LT(textEdit->text().size(), 1000);
    text.clear();
    notesText.clear();
    ASSERT_FALSE(exchange.TakeAll());
    EXPECT_EQ(text, huge);
    EXPECT_EQ(notesText, huge);
    text = "short";
    exchange.Push(textEdit);
    EXPECT_FALSE(textEdit->isReadOnly());
}

// A take reads each field's text as it stands: text that does not parse,
// numbers beyond the field's 32 bits included, is the bad field.
TEST_F(DataExchangeTest, TakeStopsAtTheFirstBadField) {
    struct Case {
        const char *intText, *floatText;
        QLineEdit* bad;
        const char* prompt;
    };
    const std::vector<Case> cases = {
        {" 12 ", "1,5", floatEdit, "Please enter a number."},
        {"1.5", "2", intEdit, "Please enter an integer."},
        {"2147483648", "2", intEdit, "Please enter an integer."},
        {"3", "1e999", floatEdit, "Please enter a number."},
        {"-2147483648", "-3.4e38", nullptr, ""},
    };
    exchange.Push();
    for (const Case& c : cases) {
        number = -7;
        text = "old";
        intEdit->setText(c.intText);
        floatEdit->setText(c.floatText);
        textEdit->setText("new");
        const std::optional<BadField> bad = exchange.TakeAll();
        EXPECT_EQ(bad ? bad->widget : nullptr, c.bad) << c.intText << " " << c.floatText;
        EXPECT_EQ(bad ? bad->prompt : "", c.prompt);
        // Earlier fields take their new values, later ones keep their old.
        EXPECT_EQ(number != -7, c.bad != intEdit);
        EXPECT_EQ(text, c.bad ? "old" : "new");
        EXPECT_EQ(DataExchange::IsMarkedInvalid(floatEdit), c.bad == floatEdit);
    }
    EXPECT_EQ(number, INT32_MIN);
    EXPECT_TRUE(dialogs.messages.empty());

    // An action's take prompts on the page and hands the field over.
    intEdit->setText("x");
    EXPECT_FALSE(exchange.Take(TakeReason::Action));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please enter an integer.");
    EXPECT_EQ(page.focusWidget(), intEdit);
    EXPECT_EQ(intEdit->selectedText(), "x");
    // A field without a label is named by its group.
    intEdit->setText("1");
    floatEdit->setText("?");
    EXPECT_EQ(DataExchange::BadFieldText(*exchange.TakeAll(), &page),
              "Please enter a number.\n\nField \"Sizes\" on the Test page.");
}

TEST_F(DataExchangeTest, TypingMarksAndNeverPrompts) {
    real = 0.1f;
    exchange.Push();
    std::vector<float> seen;
    QObject::connect(floatEdit, &QLineEdit::textChanged, [&] {
        exchange.Take(floatEdit, TakeReason::Typing);
        seen.push_back(real);
    });
    floatEdit->clear();
    floatEdit->setFocus();
    QTest::keyClicks(floatEdit, "-0.5e");
    // Empty, "-" and "-0.5e" keep the last good value; "-0" already parses.
    EXPECT_EQ(seen, (std::vector<float>{0.1f, 0.1f, -0.0f, -0.0f, -0.5f, -0.5f}));
    EXPECT_TRUE(DataExchange::IsMarkedInvalid(floatEdit));
    // A whole-page take while typing goes on past the field.
    intEdit->setText("8");
    EXPECT_FALSE(exchange.Take(TakeReason::Typing));
    EXPECT_EQ(number, 8);
    EXPECT_TRUE(dialogs.messages.empty());
    QTest::keyClick(floatEdit, Qt::Key_Backspace);
    EXPECT_FALSE(DataExchange::IsMarkedInvalid(floatEdit));
}

}  // namespace
}  // namespace rw
