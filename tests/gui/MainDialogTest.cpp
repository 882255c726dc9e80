#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDragEnterEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QSignalSpy>
#include <QStyle>
#include <QUrl>
#include <set>

#include "PageTestSupport.h"

namespace rw {
namespace {

using page_test::Click;
using page_test::Find;

// A car the save-time checks let through.
std::string CleanCar(const std::string& name = "Test") {
    return "car\r\n{\r\n   name=" + name +
           "\r\n   id=test\r\n   version=050b10\r\n   wheels=4\r\n}\r\n"
           "engine\r\n{\r\n   max_rpm=7000\r\n   idle_rpm=800\r\n   curve_torque=t.crv\r\n}\r\n"
           "differential\r\n{\r\n   ratio=3.5\r\n}\r\n";
}

class MainDialogTest : public page_test::EditorTest {
protected:
    std::string Car(const char* name, const std::string& bytes) const {
        return test::WriteFile(PathOf(name), bytes) ? PathOf(name) : "";
    }
    void Press(QKeyCombination key) {
        QTest::keyClick(&window, key.key(), key.keyboardModifiers());
    }
    QTabBar* Tabs() { return Find<QTabBar>(window, "pageTabBar"); }
    static QString CarPathText(const MainDialog& shown) {
        return Find<QLabel>(shown, "carPathLabel")->text();
    }
    // Save, Save As, Undo All, Notepad and the tab rows.
    std::vector<bool> States() {
        std::vector<bool> states;
        for (const char* name : {"save", "saveAs", "undoAll", "notepad", "physics"}) {
            states.push_back(
                Find<QPushButton>(window, (name + std::string("Button")).c_str())->isEnabled());
        }
        return states;
    }
};

// Each key clicks its button, so a disabled button's key does nothing; the
// tab keys step round the row. SessionTest tries Ctrl+S and Ctrl+Q.
TEST_F(MainDialogTest, ShortcutsClickTheirButtonsAndStepThePageTabs) {
    Press(Qt::CTRL | Qt::SHIFT | Qt::Key_S);
    Press(Qt::ALT | Qt::Key_2);
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(window.SelectedCategory(), PageCategory::Info);
    Press(Qt::CTRL | Qt::Key_N);
    EXPECT_TRUE(window.Document().IsOpen() && !window.Document().IsFileBacked());
    Press(Qt::ALT | Qt::Key_2);
    EXPECT_EQ(window.SelectedCategory(), PageCategory::Physics);
    const std::pair<QKeyCombination, int> steps[] = {{Qt::CTRL | Qt::Key_Tab, 1},
                                                     {Qt::CTRL | Qt::Key_PageUp, 0},
                                                     {Qt::CTRL | Qt::Key_PageUp, 8}};
    for (const auto& [key, index] : steps) {
        Press(key);
        EXPECT_EQ(Tabs()->currentIndex(), index) << QKeySequence(key).toString().toStdString();
    }
    EXPECT_EQ(Find<QPushButton>(window, "saveAsButton")->toolTip(), "Save As (Ctrl+Shift+S)");
}

TEST_F(MainDialogTest, DropLoadsOneLocalFileAndRefusesAnythingElse) {
    const QString path = RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini";
    QSignalSpy documentFiles(&window, &MainDialog::DocumentFileChanged);
    auto drag = [&](QMimeData& data) {
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        if (enter.isAccepted()) {
            QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
            QApplication::sendEvent(&window, &dropped);
        }
        return enter.isAccepted();
    };
    QMimeData refused[4], file;
    refused[0].setText(path);
    refused[1].setUrls({QUrl("https://example.com/car.ini")});
    refused[2].setUrls({QUrl::fromLocalFile(path), QUrl::fromLocalFile("/tmp/b")});
    refused[3].setUrls({QUrl::fromLocalFile(dir.path())});
    file.setUrls({QUrl::fromLocalFile(path)});
    for (QMimeData& data : refused) {
        EXPECT_FALSE(drag(data));
    }
    EXPECT_FALSE(window.Document().IsOpen());
    EXPECT_TRUE(drag(file));
    EXPECT_EQ(window.Document().DocumentPath(), path.toStdString());
    EXPECT_EQ(documentFiles.size(), 1);
    EXPECT_TRUE(dialogs.messages.empty());
}

// Notes every interactive control without an accessible name, or with the
// name of another control of its group.
void CheckNames(QAccessibleInterface* node, const QString& group, std::set<QString>& groupNames,
                QStringList& faults) {
    static const std::set<QAccessible::Role> interactive = {
        QAccessible::EditableText, QAccessible::SpinBox,     QAccessible::PushButton,
        QAccessible::CheckBox,     QAccessible::RadioButton, QAccessible::List,
        QAccessible::ButtonMenu};
    if (node->state().invisible) {
        return;
    }
    const QString name = node->text(QAccessible::Name);
    if (interactive.count(node->role())) {
        if (name.trimmed().isEmpty()) {
            faults << group + ": nameless " +
                          (node->object() ? node->object()->objectName() : QString("item"));
        } else if (!groupNames.insert(name).second) {
            faults << group + ": twice " + name;
        }
    }
    // Qt keeps items of removed tabs; the tab texts are fixed anyway.
    if (node->role() == QAccessible::PageTabList) {
        return;
    }
    std::set<QString> innerNames;
    const bool grouping = node->role() == QAccessible::Grouping;
    for (int i = 0; i < node->childCount(); ++i) {
        CheckNames(node->child(i), grouping ? name : group, grouping ? innerNames : groupNames,
                   faults);
    }
}

TEST_F(MainDialogTest, EveryControlOfEveryPageHasAnAccessibleName) {
    window.Document().New();
    QStringList faults;
    for (const char* category : {"infoButton", "physicsButton", "presentationButton"}) {
        Click(window, category);
        for (int tab = 0; tab < Tabs()->count(); ++tab) {
            Tabs()->setCurrentIndex(tab);
            std::set<QString> names;
            CheckNames(QAccessible::queryAccessibleInterface(&window), Tabs()->tabText(tab), names,
                       faults);
        }
    }
    EXPECT_TRUE(faults.isEmpty()) << faults.join("\n").toStdString();
}

// A tip names the key and its unit, then the template car's comment: the
// one above the key, or above its block's first entry for a numbered block.
TEST_F(MainDialogTest, FieldTipsNameTheKeyItsUnitAndTheTemplateComment) {
    const std::tuple<PageId, const char*, const char*> cases[] = {
        {PageId::Engine, "maxRpmEdit", "engine.max_rpm (rpm)\nMax rpm generated by the motor"},
        // The template's comment stands above the inertia block, not the key.
        {PageId::Engine, "inertiaEdit", "engine.inertia.engine (kg·m²)"},
        {PageId::Wheels, "tireRateEdit",
         "wheelN.tire_rate (N/m)\nVertical tire spring rate (when the wheel is loaded, it acts "
         "as a spring)\nIn N/m (! not N/cm)"},
        {PageId::Suspension, "antiPitchEdit", "suspN.anti_pitch"},
        {PageId::Aero, "angleEdit", "aero.wingN.angle (degrees)\nAngle in degrees"},
        {PageId::Gearbox, "ratio2Edit", "gearbox.gear1.ratio"},
    };
    for (const auto& [page, name, tip] : cases) {
        QWidget* field = Find<QWidget>(*window.View(page), name);
        ASSERT_NE(field, nullptr);
        EXPECT_EQ(field->toolTip().toStdString(), tip) << name;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(field)
                      ->text(QAccessible::Description)
                      .toStdString(),
                  tip);
    }
    // A reverse gear is gear0, so ticking it moves every row one key on.
    Press(Qt::CTRL | Qt::Key_N);
    Find<QAbstractButton>(*window.View(PageId::Gearbox), "reverseGearCheck")->click();
    EXPECT_EQ(Find<QWidget>(*window.View(PageId::Gearbox), "ratio2Edit")->toolTip(),
              "gearbox.gear2.ratio");
}

// With RIGWRIGHT_SCREENSHOTS set to a folder, the Wheels page is saved there
// as light.png and dark.png (the README's screenshots).
TEST(LookTest, CheckedButtonsTakeTheHighlightInLightAndDarkPalettes) {
    const QPalette original = QApplication::palette();
    const QString originalStyle = QApplication::style()->name();
    QApplication::setStyle("Fusion");
    QPalette dark(Qt::white, QColor(53, 53, 53), QColor(80, 80, 80), QColor(25, 25, 25),
                  QColor(70, 70, 70), Qt::white, Qt::white, QColor(35, 35, 35), QColor(53, 53, 53));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    for (const auto& [name, palette] :
         {std::pair{"light", QApplication::style()->standardPalette()}, std::pair{"dark", dark}}) {
        QApplication::setPalette(palette);
        ScriptedDialogs dialogs;
        MainDialog window(dialogs);
        window.show();
        window.LoadAtStart(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
        Click(window, "physicsButton");
        Find<QTabBar>(window, "pageTabBar")->setCurrentIndex(5);
        Click(*window.ShownPage(), "rightFrontButton");
        for (const char* button : {"physicsButton", "infoButton", "leftFrontButton",
                                   "rightFrontButton", "leftRearButton", "rightRearButton"}) {
            QPushButton* shown = window.ShownPage()->findChild<QPushButton*>(button);
            shown = shown ? shown : window.findChild<QPushButton*>(button);
            EXPECT_EQ(shown->palette().color(QPalette::Button),
                      palette.color(shown->isChecked() ? QPalette::Highlight : QPalette::Button))
                << name << button;
        }
        if (qEnvironmentVariableIsSet("RIGWRIGHT_SCREENSHOTS")) {
            window.resize(window.sizeHint());
            window.grab().save(qEnvironmentVariable("RIGWRIGHT_SCREENSHOTS") + "/" + name + ".png");
        }
    }
    QApplication::setStyle(originalStyle);
    QApplication::setPalette(original);
}

TEST_F(MainDialogTest, DocumentStatesThroughTheWindow) {
    EXPECT_EQ(CarPathText(window), "No file loaded");
    EXPECT_EQ(States(), std::vector<bool>(5, false));
    Click(window, "newButton");
    EXPECT_EQ(CarPathText(window), "Unsaved");
    EXPECT_EQ(States(), (std::vector<bool>{false, true, false, false, true}));

    // The template car raises warnings; declining writes nothing but moves
    // the document to the new name.
    const std::string target = PathOf("new.ini");
    dialogs.files.push_back(target);
    dialogs.answers.push_back(MessageAnswer::No);
    Click(window, "saveAsButton");
    EXPECT_EQ(dialogs.messages.at(0).caption, "Warning");
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
    EXPECT_EQ(CarPathText(window).toStdString(), target);
    EXPECT_EQ(States(), std::vector<bool>(5, true));
}

// The desktop gets the path itself, however a shell would read it.
TEST_F(MainDialogTest, UndoAllAndNotepad) {
    const std::string path = Car("car \"$(x)\" ;.ini", CleanCar("First"));
    window.LoadAtStart(path);
    Car("car \"$(x)\" ;.ini", CleanCar("Second"));
    Click(window, "undoAllButton");
    EXPECT_EQ(window.Forms().General().name, "Second");

    // A desktop without an application for the file says so.
    dialogs.desktopOpens = false;
    Click(window, "notepadButton");
    EXPECT_EQ(dialogs.openedFiles, std::vector<std::string>{path});
    EXPECT_EQ(dialogs.MessageTexts(),
              std::vector<std::string>{"The file \"" + path + "\" could not be opened."});
}

// Save and Save As first take every page; the first field in store order
// whose text the page cannot accept stops them before anything is asked or
// written, and is shown and named in one box. Once it reads, the save goes on.
TEST_F(MainDialogTest, BadFieldStopsTheSave) {
    struct Typed {
        PageId slot;
        const char* edit;
        const char* text;
    };
    // The first field typed is the one named; both front wheels and
    // suspensions are selected.
    const std::pair<std::vector<Typed>, std::string> cases[] = {
        // Suspension is stored before Misc and Wheels, though its tab is after.
        {{{PageId::Suspension, "kEdit", "1e3"},
          {PageId::Wheels, "radiusEdit", "-"},
          {PageId::Misc, "lockEdit", "+"},
          {PageId::Aero, "areaEdit", "x"}},
         "Please enter an integer.\n\nField \"k (Spring rate):\" on the Suspension page."},
        // Text that parses, refused by the page.
        {{{PageId::Gearbox, "gearCountEdit", "9"}},
         "Please enter a number of gears between 1 and 7.\n\nField \"Gears:\" on the Gearbox "
         "page."},
        // The reader would take the line for an inheritance line.
        {{{PageId::General, "nameEdit", "Kestrel Mk~II"}},
         "The car file cannot hold \"~\" in a value.\n\nField \"Name\" on the General page."},
        {{{PageId::Body, "cgYEdit", "?"}},
         "Please enter a number.\n\nField \"y:\" in \"Centre of Gravity\" on the Body page."},
    };
    for (const auto& [typed, message] : cases) {
        SCOPED_TRACE(message);
        const std::string path = Car("stop.ini", CleanCar());
        MainDialog each(dialogs);
        each.show();
        each.LoadAtStart(path);
        for (PageId slot : {PageId::Wheels, PageId::Suspension}) {
            Click(*each.View(slot), "leftFrontButton");
            Click(*each.View(slot), "rightFrontButton");
        }
        const auto edit = [&each](const Typed& field) {
            return Find<QLineEdit>(*each.View(field.slot), field.edit);
        };
        for (const Typed& field : typed) {
            page_test::TypeOver(edit(field), field.text);
            EXPECT_TRUE(DataExchange::IsMarkedInvalid(edit(field))) << field.edit;
        }
        QLineEdit* bad = edit(typed[0]);
        for (const char* button : {"saveButton", "saveAsButton"}) {
            Click(each, button);
            EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{message});
            dialogs.messages.clear();
            EXPECT_EQ(each.ShownPage(), each.View(typed[0].slot));
            EXPECT_EQ(each.focusWidget(), bad);
            EXPECT_EQ(bad->selectedText(), bad->text());
        }
        EXPECT_TRUE(dialogs.fileRequests.empty());
        EXPECT_EQ(CarPathText(each).toStdString(), path);
        EXPECT_EQ(test::ReadFile(path), CleanCar());
        for (const Typed& field : typed) {
            page_test::TypeOver(edit(field), "1");
        }
        Click(each, "saveButton");
        EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});
        dialogs.messages.clear();
    }
}

}  // namespace
}  // namespace rw
