#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "../forms/FormTestTree.h"
#include "PageTestSupport.h"
#include "forms/GeneralForm.h"
#include "pages/GeneralPage.h"

namespace rw {
namespace {

using test::EmptyTree;
using test::TreeWith;
using test::ValueAt;

class GeneralPageTest : public ::testing::Test {
protected:
    template <typename T>
    T* Child(const char* name) {
        return page_test::Find<T>(page, name);
    }
    std::vector<QWidget*> Fields() {
        std::vector<QWidget*> fields;
        for (const char* name : {"nameEdit", "yearEdit", "versionEdit", "idEdit"}) {
            fields.push_back(Child<QLineEdit>(name));
        }
        for (const char* name : {"creditsEdit", "notesEdit"}) {
            fields.push_back(Child<QPlainTextEdit>(name));
        }
        return fields;
    }

    ScriptedDialogs dialogs;
    GeneralForm form;
    GeneralPage page{form, dialogs};
};

TEST_F(GeneralPageTest, LabelsAsTheCarFileNamesThem) {
    const std::pair<const char*, const char*> labels[] = {
        {"nameLabel", "Name"}, {"yearLabel", "Year"},        {"versionLabel", "Version"},
        {"idLabel", "ID"},     {"creditsLabel", "Credits:"}, {"notesLabel", "Notes:"},
    };
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(Child<QLabel>(name)->text(), text) << name;
    }
}

TEST_F(GeneralPageTest, FieldsFollowTheOpenDocument) {
    for (QWidget* field : Fields()) {
        EXPECT_FALSE(field->isEnabled()) << field->objectName().toStdString();
    }
    page.FillFromTree(*TreeWith({{"car.name", "Roadster"}, {"car.year", "1998"}}));
    for (QWidget* field : Fields()) {
        EXPECT_TRUE(field->isEnabled()) << field->objectName().toStdString();
    }
    page.EnableFields(false);
    for (QWidget* field : Fields()) {
        EXPECT_FALSE(field->isEnabled());
    }
    // Disabling keeps the texts.
    EXPECT_EQ(Child<QLineEdit>("nameEdit")->text(), "Roadster");
}

TEST_F(GeneralPageTest, TypedTextsAreStoredAsTyped) {
    page.show();
    page.FillFromTree(*TreeWith({{"car.name", "Roadster"}, {"car.wheels", "6"}}));
    QLineEdit* year = Child<QLineEdit>("yearEdit");
    QTest::keyClicks(year, "mid-2003");
    QPlainTextEdit* notes = Child<QPlainTextEdit>("notesEdit");
    notes->setFocus();
    QTest::keyClicks(notes, "first");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClick(notes, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(notes, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClicks(notes, " second");
    EXPECT_EQ(notes->toPlainText(), "first second");
    EXPECT_EQ(notes->wordWrapMode(), QTextOption::WordWrap);

    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    EXPECT_EQ(ValueAt(*stored, "car.year"), "mid-2003");
    EXPECT_EQ(ValueAt(*stored, "car.comments"), "first second");
    EXPECT_EQ(ValueAt(*stored, "car.name"), "Roadster");
    EXPECT_EQ(ValueAt(*stored, "car.credits"), "");
    EXPECT_EQ(ValueAt(*stored, "car.wheels"), "4");
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace rw
