#include <gtest/gtest.h>

#include <QDialog>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ScriptedDialogs.h"
#include "widgets/PageView.h"

namespace rw {
namespace {

// Counts the keys that get through to it.
class KeyCounter : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    int keys = 0;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        ++keys;
        QLineEdit::keyPressEvent(event);
    }
};

TEST(PageViewTest, EnterAndEscapeDoNothing) {
    ScriptedDialogs dialogs;
    PageView page(dialogs);
    auto* column = new QVBoxLayout(&page);
    auto* notes = new QPlainTextEdit(&page);
    auto* button = new QPushButton("Apply", &page);
    column->addWidget(notes);
    column->addWidget(button);
    page.show();
    QSignalSpy clicks(button, &QPushButton::clicked);

    notes->setFocus();
    QTest::keyClicks(notes, "ab");
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClick(notes, Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(notes, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(notes, Qt::Key_Escape);
    EXPECT_EQ(notes->toPlainText(), "ab");

    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    QTest::keyClick(button, Qt::Key_Enter);
    EXPECT_EQ(clicks.count(), 0);

    // A field added after the page was built is covered too, down the tree.
    auto* group = new QWidget(&page);
    auto* late = new KeyCounter(group);
    column->addWidget(group);
    group->show();
    QTest::keyClick(late, Qt::Key_Return);
    QTest::keyClick(late, Qt::Key_Escape);
    EXPECT_EQ(late->keys, 0);
    QTest::keyClick(late, Qt::Key_A);
    EXPECT_EQ(late->keys, 1);
    EXPECT_EQ(late->text(), "a");
}

TEST(PageViewTest, DialogsOpenedFromAPageKeepTheirKeys) {
    ScriptedDialogs dialogs;
    PageView page(dialogs);
    page.show();
    auto* dialog = new QDialog(&page);
    dialog->show();
    QSignalSpy rejected(dialog, &QDialog::rejected);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_EQ(rejected.count(), 1);
}

}  // namespace
}  // namespace rw
