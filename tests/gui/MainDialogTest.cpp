#include <gtest/gtest.h>

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "widgets/NumberField.h"

namespace rw {
namespace {

// A car the save-time checks let through.
std::string CleanCar(const std::string& name = "Test") {
    return "car\r\n{\r\n   name=" + name +
           "\r\n   id=test\r\n   version=050b10\r\n   wheels=4\r\n}\r\n"
           "engine\r\n{\r\n   max_rpm=7000\r\n   idle_rpm=800\r\n   curve_torque=t.crv\r\n}\r\n"
           "differential\r\n{\r\n   ratio=3.5\r\n}\r\n";
}

using page_test::Click;

class MainDialogTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }
    std::string Car(const char* name, const std::string& bytes) const {
        return test::WriteFile(PathOf(name), bytes) ? PathOf(name) : "";
    }
    QString CarPathText(MainDialog& window) {
        return page_test::Find<QLabel>(window, "carPathLabel")->text();
    }
    QLineEdit* Field(MainDialog& window, PageId slot, const char* name) {
        return page_test::Find<QLineEdit>(*window.View(slot), name);
    }
    // Save, Save As, Undo All, Notepad and the tab rows.
    std::vector<bool> States(MainDialog& window) {
        std::vector<bool> states;
        for (const char* name : {"save", "saveAs", "undoAll", "notepad", "physics"}) {
            states.push_back(window.findChild<QPushButton*>(QString(name) + "Button")->isEnabled());
        }
        return states;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
};

TEST_F(MainDialogTest, DocumentStatesThroughTheWindow) {
    MainDialog window(dialogs);
    EXPECT_EQ(CarPathText(window), "No file loaded");
    EXPECT_EQ(States(window), std::vector<bool>(5, false));
    Click(window, "newButton");
    EXPECT_EQ(CarPathText(window), "Unsaved");
    EXPECT_EQ(States(window), (std::vector<bool>{false, true, false, false, true}));

    // The template car raises warnings; declining writes nothing but moves
    // the document to the new name.
    const std::string target = PathOf("new.ini");
    dialogs.files.push_back(target);
    dialogs.answers.push_back(MessageAnswer::No);
    Click(window, "saveAsButton");
    EXPECT_EQ(dialogs.messages.at(0).caption, "Warning");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
    EXPECT_EQ(CarPathText(window).toStdString(), target);
    EXPECT_EQ(States(window), std::vector<bool>(5, true));
}

TEST_F(MainDialogTest, UndoAllAndNotepad) {
    MainDialog window(dialogs);
    const std::string path = Car("car \"$(x)\" ;.ini", CleanCar("First"));
    window.LoadAtStart(path);
    Car("car \"$(x)\" ;.ini", CleanCar("Second"));
    Click(window, "undoAllButton");
    EXPECT_EQ(window.Forms().General().name, "Second");

    Click(window, "notepadButton");
    EXPECT_TRUE(dialogs.messages.empty());
    // A desktop without an application for the file says so.
    dialogs.desktopOpens = false;
    Click(window, "notepadButton");
    EXPECT_EQ(dialogs.openedFiles, std::vector<std::string>(2, path));
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"The file \"" + path + "\" could not be opened."});
}

// Save and Save As first take every page; the first field in store order
// whose text the page cannot accept stops them before anything is asked or
// written, and is shown and named in one box.
TEST_F(MainDialogTest, BadFieldStopsTheSave) {
    struct Typed {
        PageId slot;
        const char* edit;
        const char* text;
    };
    // The first field typed is the one named; both front wheels and
    // suspensions are selected.
    const std::vector<std::pair<std::vector<Typed>, std::string>> cases = {
        {{{PageId::Body, "massEdit", "12a"}}, "a number.\n\nField \"Mass:\" on the Body page."},
        // Suspension is stored before Misc and Wheels, though its tab is after.
        {{{PageId::Suspension, "kEdit", "1e3"},
          {PageId::Wheels, "radiusEdit", "-"},
          {PageId::Misc, "lockEdit", "+"},
          {PageId::Aero, "areaEdit", "x"}},
         "an integer.\n\nField \"k (Spring rate):\" on the Suspension page."},
        {{{PageId::Wheels, "inertiaEdit", "1e999"}},
         "a number.\n\nField \"Inertia:\" on the Wheels page."},
        {{{PageId::Wheels, "massEdit", "21.5"}},
         "an integer.\n\nField \"Mass:\" on the Wheels page."},
        {{{PageId::Engine, "maxRpmEdit", "2147483648"}},
         "an integer.\n\nField \"Max RPM:\" on the Engine page."},
        {{{PageId::Body, "cgYEdit", "?"}},
         "a number.\n\nField \"y:\" in \"Centre of Gravity\" on the Body page."},
    };
    const std::string path = Car("stop.ini", CleanCar());
    const std::string original = test::ReadFile(path);
    for (const auto& [typed, message] : cases) {
        SCOPED_TRACE(message);
        MainDialog window(dialogs);
        window.show();
        window.LoadAtStart(path);
        for (PageId slot : {PageId::Wheels, PageId::Suspension}) {
            Click(*window.View(slot), "leftFrontButton");
            Click(*window.View(slot), "rightFrontButton");
        }
        for (const Typed& field : typed) {
            QLineEdit* edit = Field(window, field.slot, field.edit);
            page_test::TypeOver(edit, field.text);
            EXPECT_TRUE(DataExchange::IsMarkedInvalid(edit)) << field.edit;
        }
        QLineEdit* bad = Field(window, typed[0].slot, typed[0].edit);
        for (const char* button : {"saveButton", "saveAsButton"}) {
            Click(window, button);
            EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Please enter " + message});
            dialogs.messages.clear();
            EXPECT_EQ(window.ShownPage(), window.View(typed[0].slot));
            EXPECT_EQ(window.focusWidget(), bad);
            EXPECT_EQ(bad->selectedText(), bad->text());
        }
        EXPECT_TRUE(dialogs.fileRequests.empty());
        EXPECT_EQ(CarPathText(window).toStdString(), path);
        EXPECT_EQ(test::ReadFile(path), original);
    }
}

TEST_F(MainDialogTest, FixedFieldsAndSpunIntegersSave) {
    const std::string path = Car("fixed.ini", CleanCar());
    MainDialog window(dialogs);
    window.show();
    window.LoadAtStart(path);
    PageView& wheels = *window.View(PageId::Wheels);
    Click(wheels, "leftFrontButton");
    Click(wheels, "rightFrontButton");
    QLineEdit* inertia = Field(window, PageId::Wheels, "inertiaEdit");
    page_test::TypeOver(inertia, "1e999");
    Click(window, "saveButton");
    ASSERT_EQ(dialogs.messages.size(), 1u);

    // Fix the text and save again; spin the tyre rate to its top.
    page_test::TypeOver(inertia, "2.5");
    QLineEdit* tireRate = Field(window, PageId::Wheels, "tireRateEdit");
    page_test::TypeOver(tireRate, "990000");
    QTest::mouseClick(page_test::Find<NumberField>(wheels, "tireRateEditSpin")->UpButton(),
                      Qt::LeftButton);
    EXPECT_EQ(tireRate->text(), "1000000");
    Click(window, "saveButton");
    EXPECT_EQ(dialogs.messages.back().text, "Saved.");
    const ConfigTree saved = page_test::TreeOf(test::ReadFile(path));
    EXPECT_EQ(page_test::ValueAt(saved, "wheel1.inertia"), "2.5");
    EXPECT_EQ(page_test::ValueAt(saved, "wheel0.tire_rate"), "1000000");
    EXPECT_EQ(page_test::ValueAt(saved, "wheel2.tire_rate"), "0");
}

// The figures go on with what the pages hold; the bad field is shown and named.
TEST_F(MainDialogTest, CalculationsNameABadSourceField) {
    MainDialog window(dialogs);
    window.show();
    window.LoadAtStart(Car("figures.ini", CleanCar()));
    Click(window, "physicsButton");
    QLineEdit* mass = Field(window, PageId::Body, "massEdit");
    page_test::TypeOver(mass, "abc");
    page_test::Find<QTabBar>(window, "pageTabBar")->setCurrentIndex(8);
    EXPECT_EQ(
        dialogs.MessageTexts(),
        std::vector<std::string>{"Please enter a number.\n\nField \"Mass:\" on the Body page."});
    EXPECT_EQ(window.ShownPage(), window.View(PageId::Body));
    EXPECT_EQ(window.focusWidget(), mass);
}

}  // namespace
}  // namespace rw
