#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>

#include "ScriptedDialogs.h"
#include "widgets/DataExchange.h"

namespace rw {
namespace {

class DataExchangeTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* column = new QVBoxLayout(&page);
        for (QWidget* widget : std::initializer_list<QWidget*>{intEdit, floatEdit, textEdit, notes,
                                                               check, radioA, radioB}) {
            column->addWidget(widget);
        }
        exchange.Bind(intEdit, &number);
        exchange.Bind(floatEdit, &real);
        exchange.Bind(textEdit, &text);
        exchange.Bind(notes, &notesText);
        exchange.Bind(check, &flag);
        exchange.Bind(radioA, &choiceA);
        exchange.Bind(radioB, &choiceB);
        page.show();
    }

    QWidget page;
    QLineEdit* intEdit = new QLineEdit(&page);
    QLineEdit* floatEdit = new QLineEdit(&page);
    QLineEdit* textEdit = new QLineEdit(&page);
    QPlainTextEdit* notes = new QPlainTextEdit(&page);
    QCheckBox* check = new QCheckBox(&page);
    QRadioButton* radioA = new QRadioButton(&page);
    QRadioButton* radioB = new QRadioButton(&page);
    ScriptedDialogs dialogs;
    DataExchange exchange{dialogs};
    std::int32_t number = -7;
    float real = 0.1f;
    std::string text = "old";
    std::string notesText;
    bool flag = true;
    bool choiceA = false;
    bool choiceB = true;
};

TEST_F(DataExchangeTest, PushShowsValuesWithoutNotifying) {
    int changes = 0;
    for (QLineEdit* edit : {intEdit, floatEdit, textEdit}) {
        QObject::connect(edit, &QLineEdit::textChanged, [&] { ++changes; });
    }
    QObject::connect(radioA, &QRadioButton::toggled, [&] { ++changes; });
    QObject::connect(check, &QCheckBox::toggled, [&] { ++changes; });
    real = 16777217.0f;  // not exactly representable; shows its float
    exchange.Push();
    EXPECT_EQ(intEdit->text(), "-7");
    EXPECT_EQ(floatEdit->text(), "16777216");
    EXPECT_EQ(textEdit->text(), "old");
    EXPECT_TRUE(check->isChecked());
    EXPECT_TRUE(radioB->isChecked());

    // Turning the radio group over notifies neither button.
    choiceA = true;
    choiceB = false;
    exchange.Push();
    EXPECT_TRUE(radioA->isChecked());
    EXPECT_FALSE(radioB->isChecked());
    EXPECT_EQ(changes, 0);

    // An undecided group shows no button checked.
    choiceA = false;
    exchange.Push();
    EXPECT_FALSE(radioA->isChecked());
    EXPECT_FALSE(radioB->isChecked());
    EXPECT_TRUE(radioA->autoExclusive());
}

TEST_F(DataExchangeTest, ShortestRealsReadBackExactly) {
    for (float value : {0.1f, 1.0f / 3.0f, -2.5e-7f, 3.4028235e38f, 1e-45f, 0.0f}) {
        real = value;
        exchange.Push();
        real = 99.0f;
        ASSERT_TRUE(exchange.Take(TakeReason::Action));
        EXPECT_EQ(real, value) << floatEdit->text().toStdString();
    }
}

TEST_F(DataExchangeTest, FailedTakeStopsAtTheField) {
    exchange.Push();
    intEdit->setText(" 12 ");
    floatEdit->setText("1,5");
    textEdit->setText("new");
    check->setChecked(false);

    EXPECT_FALSE(exchange.Take(TakeReason::Action));
    EXPECT_EQ(number, 12);
    EXPECT_EQ(real, 0.1f);
    EXPECT_EQ(text, "old");
    EXPECT_TRUE(flag);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please enter a number.");
    EXPECT_EQ(dialogs.messages[0].caption, "TAVIX Rigwright");
    EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(page.focusWidget(), floatEdit);
    EXPECT_EQ(floatEdit->selectedText(), "1,5");

    intEdit->setText("1.5");
    EXPECT_FALSE(exchange.Take(TakeReason::Action));
    EXPECT_EQ(dialogs.messages.back().text, "Please enter an integer.");
    EXPECT_EQ(number, 12);

    intEdit->setText("2147483648");
    EXPECT_FALSE(exchange.Take(TakeReason::Action));
    EXPECT_EQ(number, 12);

    intEdit->setText("-2147483648");
    floatEdit->setText("-1e3");
    EXPECT_TRUE(exchange.Take(TakeReason::Action));
    EXPECT_EQ(number, INT32_MIN);
    EXPECT_EQ(real, -1000.0f);
    EXPECT_EQ(text, "new");
    EXPECT_FALSE(flag);
}

TEST_F(DataExchangeTest, TypingNeverPrompts) {
    exchange.Push();
    std::vector<float> seen;
    QObject::connect(floatEdit, &QLineEdit::textChanged, [&] {
        exchange.Take(floatEdit, TakeReason::Typing);
        seen.push_back(real);
    });
    floatEdit->clear();
    floatEdit->setFocus();
    QTest::keyClicks(floatEdit, "-0.5");
    EXPECT_TRUE(dialogs.messages.empty());
    // Empty and "-" keep the last good value; "-0" and "-0." already parse.
    EXPECT_EQ(seen, (std::vector<float>{0.1f, 0.1f, -0.0f, -0.0f, -0.5f}));
    EXPECT_FALSE(DataExchange::IsMarkedInvalid(floatEdit));

    QTest::keyClicks(floatEdit, "e");
    EXPECT_TRUE(DataExchange::IsMarkedInvalid(floatEdit));
    EXPECT_EQ(real, -0.5f);
    EXPECT_TRUE(dialogs.messages.empty());

    // A whole-page take while typing goes on past the field.
    intEdit->setText("8");
    EXPECT_FALSE(exchange.Take(TakeReason::Typing));
    EXPECT_EQ(number, 8);
    EXPECT_TRUE(dialogs.messages.empty());

    // The next action prompts.
    EXPECT_FALSE(exchange.Take(TakeReason::Action));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please enter a number.");

    // The prompt selected the whole text; drop only the "e".
    QTest::keyClick(floatEdit, Qt::Key_End);
    QTest::keyClick(floatEdit, Qt::Key_Backspace);
    EXPECT_EQ(real, -0.5f);
    EXPECT_FALSE(DataExchange::IsMarkedInvalid(floatEdit));
}

TEST_F(DataExchangeTest, TextsKeepTheirBytes) {
    text = "Citro\xEBn \x81";  // Windows-1252 with an unassigned byte
    notesText = "bad \xFF utf-8";
    exchange.Push();
    EXPECT_EQ(textEdit->text(), QString::fromUtf8("Citro\xC3\xABn \xC2\x81"));
    text.clear();
    notesText.clear();
    ASSERT_TRUE(exchange.Take(TakeReason::Action));
    EXPECT_EQ(text, "Citro\xEBn \x81");
    EXPECT_EQ(notesText, "bad \xFF utf-8");

    // Edited text stays in its encoding while it can.
    textEdit->setText(textEdit->text() + QString::fromUtf8("\xC3\xA9"));
    ASSERT_TRUE(exchange.Take(TakeReason::Action));
    EXPECT_EQ(text, "Citro\xEBn \x81\xE9");

    // One character outside Windows-1252 and the text becomes UTF-8.
    textEdit->setText(QString::fromUtf8("Citro\xC3\xABn \xCE\xA9"));
    ASSERT_TRUE(exchange.Take(TakeReason::Action));
    EXPECT_EQ(text, "Citro\xC3\xABn \xCE\xA9");

    // A line longer than a line edit's usual limit survives.
    text = std::string(40000, 'x');
    exchange.Push();
    ASSERT_TRUE(exchange.Take(TakeReason::Action));
    EXPECT_EQ(text.size(), 40000u);
}

}  // namespace
}  // namespace rw
