#include <QListWidget>
#include <algorithm>
#include <functional>

#include "PageTestSupport.h"

namespace rw::test {
namespace {

// A car the save lets through without a question, with two wings.
const std::string kCar = CleanCar() +
                         "aero\n{\n   wings=2\n   wing0\n   {\n      name=rear\n   }\n   wing1\n"
                         "   {\n      name=flap\n   }\n}\n";

class UndoTest : public EditorTest {
protected:
    UndoTest() { Open(); }

    void Open() {
        dialogs.messages.clear();
        WriteFile(PathOf("car.ini"), kCar);
        window.LoadAtStart(PathOf("car.ini"));
    }

    // What a save would write now, without writing i
    std::string Written() {
        ConfigTree tree(PathOf("car.ini"));
        EXPECT_FALSE(tree.Read());
        for (const PageRow& row : kPages) {
            window.View(row.id)->TakeControls();
        }
        window.Forms().StoreAll(tree);
        return tree.ToText();
    }

    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::ControlModifier) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused != nullptr ? focused : &window, key, modifiers);
        QApplication::processEvents();
    }

    // Moves the focus off the field, which finishes its edi
    void Leave(const char* to = "idleRpmEdit") {
        Find<QWidget>(*window.View(PageId::Engine), to)->setFocus();
        QApplication::processEvents();
    }

    QLineEdit* MaxRpm() { return Find<QLineEdit>(Show(PageId::Engine), "maxRpmEdit"); }
};

struct StepKind {
    const char* what;
    std::function<void()> before;  // edits that are no part of the step
    std::function<void()> step;
};

void SelectWheels(PageView& wheels, std::initializer_list<const char*> names) {
    for (QPushButton* button :
         Find<QWidget>(wheels, "wheelSelector")->findChildren<QPushButton*>()) {
        button->setChecked(std::find_if(names.begin(), names.end(), [button](const char* name) {
                               return button->objectName() == QLatin1String(name);
                           }) != names.end());
    }
}

// Each kind of step is undone and redone through the keys; what a save would
// write follows it, and the page and field where it happened come back.
TEST_F(UndoTest, EveryKindOfStepIsUndoneAndRedone) {
    const StepKind kinds[] = {
        {"a field on a plain page", nullptr,
         [this] {
             TypeOver(MaxRpm(), "7800");
             Leave();
         }},
        {"one edit on two wheels",
         [this] {
             SelectWheels(Show(PageId::Wheels), {"leftFrontButton", "rightFrontButton"});
         },
         [this] {
             TypeOver(Find<QLineEdit>(*window.View(PageId::Wheels), "massEdit"), "21");
             Leave();
         }},
        {"a tick that changes enables", nullptr,
         [this] { Click(Show(PageId::Gearbox), "reverseGearCheck"); }},
        {"a wing deleted",
         [this] { Find<QListWidget>(Show(PageId::Aero), "wingList")->setCurrentRow(1); },
         [this] { Click(*window.View(PageId::Aero), "deleteWingButton"); }},
        {"Undo All",
         [this] {
             TypeOver(MaxRpm(), "7800");
             Leave();
         },
         [this] { Click(window, "undoAllButton"); }},
    };
    for (const StepKind& kind : kinds) {
        SCOPED_TRACE(kind.what);
        Open();
        if (kind.before) {
            kind.before();
        }
        const std::string before = Written();
        const bool modifiedBefore = window.isWindowModified();
        kind.step();
        const std::string after = Written();
        ASSERT_NE(after, before);
        PageView* stepPage = window.ShownPage();

        Show(PageId::General);
        Press(Qt::Key_Z);
        EXPECT_EQ(Written(), before);
        EXPECT_EQ(window.ShownPage(), stepPage) << window.ShownPage()->windowTitle().toStdString();
        EXPECT_EQ(window.isWindowModified(), modifiedBefore);
        Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_EQ(Written(), after);
        Press(Qt::Key_Z);
        Press(Qt::Key_Y);
        EXPECT_EQ(Written(), after);
        Click(window, "saveButton");
        EXPECT_EQ(ReadFile(PathOf("car.ini")), after);
    }
}

// In a field typed in, Escape and the first Ctrl+Z give back the text it
// had when it got the focus; Escape closes nothing. Undoing to the values
// last saved clears the modified mark, and closing then asks nothing.
TEST_F(UndoTest, TheFieldFirstThenTheHistoryDownToTheCleanState) {
    TypeOver(MaxRpm(), "7800");
    Press(Qt::Key_Escape, Qt::NoModifier);
    EXPECT_EQ(MaxRpm()->text(), "7000");
    EXPECT_TRUE(window.isVisible());
    QTest::keyClicks(MaxRpm(), "5");
    Press(Qt::Key_Z);
    EXPECT_EQ(MaxRpm()->text(), "7000");
    Leave();
    EXPECT_FALSE(window.isWindowModified());

    TypeOver(MaxRpm(), "7800");
    Leave();
    TypeOver(Find<QLineEdit>(*window.View(PageId::Engine), "idleRpmEdit"), "900");
    Leave();
    EXPECT_TRUE(window.isWindowModified());
    Press(Qt::Key_Z);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "idleRpmEdit");
    Press(Qt::Key_Z);
    EXPECT_EQ(MaxRpm()->text(), "7000");
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "maxRpmEdit");
    EXPECT_FALSE(window.isWindowModified());
    window.close();
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace rw::test
