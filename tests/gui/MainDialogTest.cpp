#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "ScriptedDialogs.h"
#include "forms/FormSet.h"
#include "shell/EditorApp.h"
#include "shell/MainDialog.h"
#include "tree/ConfigTree.h"
#include "widgets/PageView.h"

namespace rw {
namespace {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// The bytes `rigwright-cli resave` writes for a file.
std::string Resaved(const std::string& path) {
    QTemporaryDir out;
    const QString target = out.filePath("resaved.ini");
    const int status = QProcess::execute(QString::fromUtf8(RIGWRIGHT_CLI),
                                         {"resave", QFile::decodeName(path.c_str()), target});
    EXPECT_EQ(status, 0);
    return ReadFile(target.toStdString());
}

void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// A car the save-time checks let through.
std::string CleanCar(const std::string& name = "Test") {
    return "car\r\n{\r\n   name=" + name +
           "\r\n   id=test\r\n   version=050b10\r\n   wheels=4\r\n}\r\n"
           "engine\r\n{\r\n   max_rpm=7000\r\n   idle_rpm=800\r\n   curve_torque=t.crv\r\n}\r\n"
           "differential\r\n{\r\n   ratio=3.5\r\n}\r\n";
}

class MainDialogTest : public ::testing::Test {
protected:
    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }
    std::string Car(const char* name, const std::string& bytes) const {
        WriteFile(PathOf(name), bytes);
        return PathOf(name);
    }
    template <typename T>
    T* Child(MainDialog& window, const char* name) {
        T* child = window.findChild<T*>(name);
        EXPECT_NE(child, nullptr) << name;
        return child;
    }
    QPushButton* Button(MainDialog& window, const char* name) {
        return Child<QPushButton>(window, name);
    }
    QString CarPathText(MainDialog& window) {
        return Child<QLabel>(window, "carPathLabel")->text();
    }
    void Click(MainDialog& window, const char* name) {
        QTest::mouseClick(Button(window, name), Qt::LeftButton);
    }
    struct Enabled {
        bool save, saveAs, undoAll, notepad, tabs;
        bool operator==(const Enabled&) const = default;
    };
    Enabled States(MainDialog& window) {
        return {Button(window, "saveButton")->isEnabled(),
                Button(window, "saveAsButton")->isEnabled(),
                Button(window, "undoAllButton")->isEnabled(),
                Button(window, "notepadButton")->isEnabled(),
                Child<QTabBar>(window, "pageTabBar")->isEnabled() &&
                    Button(window, "physicsButton")->isEnabled()};
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
};

TEST_F(MainDialogTest, StartsWithoutADocument) {
    MainDialog window(dialogs);
    window.show();
    EXPECT_EQ(window.windowTitle(), "TAVIX Rigwright");
    EXPECT_EQ(CarPathText(window), "No file loaded");
    EXPECT_EQ(States(window), (Enabled{false, false, false, false, false}));
    for (const char* name : {"loadButton", "newButton", "aboutButton", "exitButton"}) {
        EXPECT_TRUE(Button(window, name)->isEnabled()) << name;
    }
    const std::vector<std::pair<const char*, const char*>> texts = {
        {"loadButton", "Load"},
        {"newButton", "New"},
        {"saveButton", "Save"},
        {"saveAsButton", "Save As"},
        {"undoAllButton", "Undo All"},
        {"notepadButton", "Notepad"},
        {"aboutButton", "About"},
        {"exitButton", "Exit"},
        {"infoButton", "Info"},
        {"physicsButton", "Physics"},
        {"presentationButton", "Presentation"}};
    for (const auto& [name, text] : texts) {
        EXPECT_EQ(Button(window, name)->text().remove(u'&'), text);
    }
    EXPECT_EQ(Child<QLabel>(window, "carLabel")->text(), "Car:");
    EXPECT_EQ(window.SelectedCategory(), PageCategory::Info);
    EXPECT_FALSE(window.windowIcon().isNull());
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainDialogTest, CommandLineNamesOneFile) {
    const char* one[] = {"rigwright", "car.ini"};
    const char* two[] = {"rigwright", "a.ini", "b.ini"};
    const char* none[] = {"rigwright"};
    EXPECT_EQ(EditorApp::StartFile(2, one), "car.ini");
    EXPECT_FALSE(EditorApp::StartFile(3, two).has_value());
    EXPECT_FALSE(EditorApp::StartFile(1, none).has_value());
}

TEST_F(MainDialogTest, StartsWithTheCommandLineFile) {
    const std::string path = Car("start.ini", CleanCar());
    MainDialog window(dialogs);
    window.LoadAtStart(path);
    EXPECT_EQ(CarPathText(window).toStdString(), path);
    EXPECT_EQ(States(window), (Enabled{true, true, true, true, true}));
    EXPECT_EQ(window.Forms().General().name, "Test");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(MainDialogTest, LoadRefusesCarsWithoutFourWheels) {
    MainDialog window(dialogs);
    dialogs.files.push_back(Car("good.ini", CleanCar()));
    Click(window, "loadButton");
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Select an INI File");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Tavix INI Files (*.ini)|*.ini||");
    EXPECT_EQ(CarPathText(window).toStdString(), PathOf("good.ini"));

    dialogs.files.push_back(Car("two.ini", "car\r\n{\r\n   wheels=2\r\n}\r\n"));
    Click(window, "loadButton");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "This INI cannot be loaded.Either this INI cannot be parsed, or it does not have 4 "
              "wheels.\n");
    EXPECT_EQ(States(window), (Enabled{false, false, false, false, false}));
    EXPECT_EQ(CarPathText(window).toStdString(), PathOf("good.ini"));

    // Cancelling the dialog changes nothing.
    dialogs.files.push_back(std::nullopt);
    Click(window, "loadButton");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(MainDialogTest, FileErrorIsOneBoxNamingTheFile) {
    MainDialog window(dialogs);
    const std::string missing = PathOf("missing.ini");
    window.LoadAtStart(missing);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find(missing), std::string::npos);
    EXPECT_EQ(States(window), (Enabled{false, false, false, false, false}));
}

TEST_F(MainDialogTest, UninterpretableLinesAreCapped) {
    std::string bytes = CleanCar();
    for (int i = 0; i < 25; ++i) {
        bytes += "garbage" + std::to_string(i) + "\r\n";
    }
    MainDialog window(dialogs);
    window.LoadAtStart(Car("noisy.ini", bytes));
    const std::vector<std::string> texts = dialogs.MessageTexts();
    ASSERT_EQ(texts.size(), 11u);
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(texts[static_cast<std::size_t>(i)].rfind("Cannot interpret value \"garbage", 0),
                  0u);
    }
    EXPECT_EQ(texts[10], "15 more lines could not be interpreted.");
    EXPECT_EQ(States(window).save, true);

    // The count starts again with the next load.
    dialogs.messages.clear();
    dialogs.files.push_back(Car("noisy2.ini", CleanCar() + "junk\r\n"));
    Click(window, "loadButton");
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(MainDialogTest, NewThenSaveAs) {
    MainDialog window(dialogs);
    Click(window, "newButton");
    EXPECT_EQ(CarPathText(window), "Unsaved");
    EXPECT_EQ(States(window), (Enabled{false, true, false, false, true}));

    // The template car raises warnings; declining writes nothing but moves
    // the document to the new name.
    const std::string target = PathOf("new.ini");
    dialogs.files.push_back(target);
    dialogs.answers.push_back(MessageAnswer::No);
    Click(window, "saveAsButton");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].caption, "Warning");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_FALSE(QFile::exists(QString::fromStdString(target)));
    EXPECT_EQ(CarPathText(window).toStdString(), target);
    EXPECT_EQ(States(window), (Enabled{true, true, true, true, true}));

    // Save As onto an existing file replaces it without a question.
    WriteFile(target, "old");
    dialogs.files.push_back(target);
    dialogs.answers.push_back(MessageAnswer::Yes);
    Click(window, "saveAsButton");
    EXPECT_EQ(dialogs.messages.back().text, "Saved.");
    EXPECT_EQ(ReadFile(target).rfind(";\r\n; TAVIX car.ini\r\n", 0), 0u);
}

TEST_F(MainDialogTest, SaveAsksAboutWarnings) {
    const std::string path = Car("warn.ini", "car\r\n{\r\n   wheels=4\r\n}\r\n");
    MainDialog window(dialogs);
    window.LoadAtStart(path);

    dialogs.answers.push_back(MessageAnswer::No);
    Click(window, "saveButton");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.rfind("The following warnings occurred:\n\n", 0), 0u);
    EXPECT_EQ(ReadFile(path), "car\r\n{\r\n   wheels=4\r\n}\r\n");

    dialogs.answers.push_back(MessageAnswer::Yes);
    Click(window, "saveButton");
    ASSERT_EQ(dialogs.messages.size(), 3u);
    EXPECT_EQ(dialogs.messages[2].text, "Saved.");
    EXPECT_EQ(dialogs.messages[2].caption, "TAVIX Rigwright");
    EXPECT_NE(ReadFile(path).find("max_rpm=0"), std::string::npos);
}

TEST_F(MainDialogTest, UndoAllAndNotepad) {
    MainDialog window(dialogs);
    Click(window, "notepadButton");  // disabled: nothing happens
    EXPECT_TRUE(dialogs.messages.empty());
    window.Document().Notepad();
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "You have not yet loaded an INI file!");
    EXPECT_TRUE(dialogs.openedFiles.empty());

    const std::string path = Car("car \"$(x)\" ;.ini", CleanCar("First"));
    window.LoadAtStart(path);
    EXPECT_EQ(window.Forms().General().name, "First");
    WriteFile(path, CleanCar("Second"));
    Click(window, "undoAllButton");
    EXPECT_EQ(window.Forms().General().name, "Second");

    Click(window, "notepadButton");
    EXPECT_EQ(dialogs.openedFiles, std::vector<std::string>{path});
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(MainDialogTest, EnterAndEscapeDoNothing) {
    MainDialog window(dialogs);
    window.show();
    QApplication::setActiveWindow(&window);
    for (const char* name : {"loadButton", "exitButton", "newButton"}) {
        QPushButton* button = Button(window, name);
        button->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(button, key);
            QTest::keyClick(&window, key);
        }
    }
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.result(), 0);
    EXPECT_TRUE(dialogs.fileRequests.empty());
    EXPECT_EQ(CarPathText(window), "No file loaded");

    Click(window, "exitButton");
    EXPECT_FALSE(window.isVisible());
}

TEST_F(MainDialogTest, AboutBoxOnButtonAndF1) {
    MainDialog window(dialogs);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    int shown = 0;
    std::vector<QString> texts;
    auto closeAbout = [&] {
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(about, nullptr);
            ++shown;
            EXPECT_EQ(about->windowTitle(), "About TAVIX Rigwright");
            for (QLabel* label : about->findChildren<QLabel*>()) {
                texts.push_back(label->text());
            }
            QTest::mouseClick(about->findChild<QPushButton*>("okButton"), Qt::LeftButton);
        });
    };
    closeAbout();
    Click(window, "aboutButton");
    EXPECT_EQ(shown, 1);
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Compatible for 0.5.0 Beta 9+"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "The Rigwright authors, 2026"), texts.end());
    EXPECT_NE(std::find_if(texts.begin(), texts.end(),
                           [](const QString& text) {
                               return text.startsWith(
                                   "All measurements are metric; Torque (Nm), Mass (kg), Time "
                                   "(ms), Force (N). ");
                           }),
              texts.end());

    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    closeAbout();
    QTest::keyClick(&window, Qt::Key_F1);
    EXPECT_EQ(shown, 2);
}

// Page views that log what the window asks of them.
class LoggingPage : public PageView {
public:
    LoggingPage(PageId slot, std::vector<std::string>& log, Dialogs& dialogs, QWidget* parent)
        : PageView(dialogs, parent), slot(slot), log(log) {}

    void FillFromTree(const ConfigTree&) override { log.push_back(std::string("fill ") + Name()); }
    void StoreToTree(ConfigTree&) override { log.push_back(std::string("store ") + Name()); }
    void Recalculate() override {
        auto* stack = qobject_cast<QStackedWidget*>(parentWidget());
        log.push_back(stack && stack->currentWidget() == this ? "recalculate shown"
                                                              : "recalculate hidden");
    }
    const char* Name() const { return PageTabLabel(slot); }

    PageId slot;
    std::vector<std::string>& log;
};

class PageTabTest : public MainDialogTest {
protected:
    MainDialog::PageFactory Factory() {
        return [this](FormSet&, Dialogs& d, QWidget* parent) {
            PageViews views{};
            for (std::size_t i = 0; i < kPageCount; ++i) {
                views[i] = new LoggingPage(static_cast<PageId>(i), log, d, parent);
            }
            return views;
        };
    }
    std::vector<QString> TabLabels(MainDialog& window) {
        QTabBar* bar = Child<QTabBar>(window, "pageTabBar");
        std::vector<QString> labels;
        for (int i = 0; i < bar->count(); ++i) {
            labels.push_back(bar->tabText(i));
        }
        return labels;
    }
    std::string Shown(MainDialog& window) {
        auto* page = static_cast<LoggingPage*>(window.ShownPage());
        return page ? page->Name() : "";
    }

    std::vector<std::string> log;
};

TEST_F(PageTabTest, CategoriesAndPages) {
    MainDialog window(dialogs, Factory());
    window.show();
    window.LoadAtStart(Car("tabs.ini", CleanCar()));
    EXPECT_EQ(TabLabels(window), std::vector<QString>{"General"});
    EXPECT_EQ(Shown(window), "General");

    Click(window, "physicsButton");
    EXPECT_EQ(TabLabels(window),
              (std::vector<QString>{"Body", "Engine", "Gearbox", "Driveline", "Misc", "Wheels",
                                    "Suspension", "Aero", "Calculations"}));
    EXPECT_EQ(Shown(window), "Body");
    QTabBar* bar = Child<QTabBar>(window, "pageTabBar");
    // Every tab is in view: no scroll arrows.
    EXPECT_FALSE(bar->usesScrollButtons());
    window.adjustSize();
    EXPECT_LE(bar->tabRect(bar->count() - 1).right(), bar->width());

    bar->setCurrentIndex(3);
    EXPECT_EQ(Shown(window), "Driveline");

    // The Calculations page is recalculated before it is shown, every time.
    log.clear();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(8).center());
    EXPECT_EQ(Shown(window), "Calculations");
    EXPECT_EQ(log, std::vector<std::string>{"recalculate hidden"});
    bar->setCurrentIndex(0);
    bar->setCurrentIndex(8);
    EXPECT_EQ(log.size(), 2u);

    // Re-selecting the current category rebuilds nothing.
    const int builds = window.TabRowBuilds();
    Click(window, "physicsButton");
    EXPECT_EQ(window.TabRowBuilds(), builds);
    EXPECT_EQ(Shown(window), "Calculations");

    // A switch always shows the category's first page, without recalculating.
    log.clear();
    Click(window, "presentationButton");
    EXPECT_EQ(TabLabels(window),
              (std::vector<QString>{"Car Models", "Wheel Models", "Other Models", "Sounds"}));
    EXPECT_EQ(Shown(window), "Car Models");
    Click(window, "physicsButton");
    EXPECT_EQ(Shown(window), "Body");
    EXPECT_TRUE(log.empty());

    for (int i = 0; i < 3; ++i) {
        Click(window, "infoButton");
        Click(window, "physicsButton");
    }
    Click(window, "infoButton");
    EXPECT_EQ(window.ShownSlots(), std::vector<PageId>{PageId::General});
    EXPECT_EQ(Shown(window), "General");
    EXPECT_TRUE(window.ShownPage()->isVisible());
}

TEST_F(PageTabTest, DocumentFillsAndStoresInItsOrders) {
    MainDialog window(dialogs, Factory());
    window.LoadAtStart(Car("orders.ini", CleanCar()));
    const std::vector<std::string> fills = log;
    ASSERT_EQ(fills.size(), kFillOrder.size());
    for (std::size_t i = 0; i < kFillOrder.size(); ++i) {
        EXPECT_EQ(fills[i], std::string("fill ") + PageTabLabel(kFillOrder[i]));
    }
    log.clear();
    // The logging pages leave the forms empty, which the warnings notice.
    dialogs.answers.push_back(MessageAnswer::No);
    Click(window, "saveButton");
    ASSERT_EQ(log.size(), kStoreOrder.size());
    for (std::size_t i = 0; i < kStoreOrder.size(); ++i) {
        EXPECT_EQ(log[i], std::string("store ") + PageTabLabel(kStoreOrder[i]));
    }
}

// A field that does not parse stops the store at that field: the Engine
// page's Max RPM comes before Idle RPM in its exchange order.
TEST_F(MainDialogTest, FailedTakeAtSaveStoresTheEarlierFields) {
    MainDialog window(dialogs);
    const std::string path = Car("take.ini", CleanCar());
    window.LoadAtStart(path);
    QLineEdit* maxRpm = window.View(PageId::Engine)->findChild<QLineEdit*>("maxRpmEdit");
    QLineEdit* idleRpm = window.View(PageId::Engine)->findChild<QLineEdit*>("idleRpmEdit");
    ASSERT_TRUE(maxRpm && idleRpm);
    EXPECT_EQ(maxRpm->text(), "7000");
    maxRpm->setText("7500");
    idleRpm->setText("-");
    Click(window, "saveButton");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, "Please enter an integer.");
    EXPECT_EQ(dialogs.messages[1].text, "Saved.");
    const std::string saved = ReadFile(path);
    EXPECT_NE(saved.find("max_rpm=7500"), std::string::npos);
    EXPECT_NE(saved.find("idle_rpm=800"), std::string::npos);
}

// The General page's texts through the exchange: a Windows-1252 file saved
// unchanged comes back byte for byte.
TEST_F(MainDialogTest, Windows1252FileSavesByteForByte) {
    MainDialog window(dialogs);
    const std::string original = CleanCar("Citro\xEBn \x81\xFF");
    const std::string path = Car("cp1252.ini", original);
    window.LoadAtStart(path);
    EXPECT_EQ(window.View(PageId::General)->findChild<QLineEdit*>("nameEdit")->text(),
              QString::fromUtf8("Citro\xC3\xABn \xC2\x81\xC3\xBF"));
    const std::string copy = PathOf("copy.ini");
    dialogs.files.push_back(copy);
    Click(window, "saveAsButton");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});
    EXPECT_NE(ReadFile(copy).find("name=Citro\xEBn \x81\xFF\r\n"), std::string::npos);
    EXPECT_EQ(ReadFile(copy), Resaved(path));
}

// What the editor saves for a file it did not edit is what the command line
// writes for it.
TEST_F(MainDialogTest, SaveAsUneditedMatchesCommandLineResave) {
    const std::string sample = std::string(RIGWRIGHT_SOURCE_DIR) + "/examples/sample-car.ini";
    MainDialog window(dialogs);
    window.LoadAtStart(sample);
    ASSERT_TRUE(dialogs.messages.empty());
    const std::string copy = PathOf("sample-copy.ini");
    dialogs.files.push_back(copy);
    Click(window, "saveAsButton");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});
    EXPECT_EQ(ReadFile(copy), Resaved(sample));
}

}  // namespace
}  // namespace rw
