#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <functional>

#include "PageTestSupport.h"

namespace rw::test {
namespace {

constexpr int kNoticeMs = 5000;

class SessionTest : public EditorTest {
protected:
    std::string Open(const std::string& text = CleanCar()) {
        const std::string path = PathOf("car.ini");
        EXPECT_TRUE(WriteFile(path, text));
        window.LoadAtStart(path);
        dialogs.messages.clear();
        return path;
    }
    QLineEdit* MaxRpm() { return Find<QLineEdit>(*window.View(PageId::Engine), "maxRpmEdit"); }
    void TypeMaxRpm(const char* text) {
        Show(PageId::Engine);
        TypeOver(MaxRpm(), text);
        QApplication::processEvents();
    }
    std::string BarText() {
        return Find<QWidget>(window, "diskBar")->isVisible()
                   ? Find<QLabel>(window, "diskBarLabel")->text().toStdString()
                   : "<hidden>";
    }
    bool WaitForBar(const std::string& text) {
        return QTest::qWaitFor([&] { return BarText() == text; }, kNoticeMs);
    }
    // The disk's value of the car's top speed.
    static std::string MaxRpmOnDisk(const std::string& path) {
        return ValueAt(TreeOf(ReadFile(path)), "engine.max_rpm");
    }
};

TEST_F(SessionTest, TheTitleNamesTheCarAndMarksWhatASaveWouldChange) {
    EXPECT_EQ(window.windowTitle(), "TAVIX Rigwright");
    Open(CleanCar("Test", "7000.0"));
    EXPECT_EQ(window.windowTitle(), "car.ini[*] \u2013 TAVIX Rigwright");
    // The file's own spelling of a number is no change.
    EXPECT_FALSE(window.isWindowModified());
    TypeMaxRpm("7800");
    EXPECT_TRUE(window.isWindowModified());
    TypeMaxRpm("7000");
    EXPECT_FALSE(window.isWindowModified());
    TypeMaxRpm("78x");
    EXPECT_TRUE(window.isWindowModified());
    dialogs.answers.push_back(MessageAnswer::Cancel);
    Click(window, "newButton");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::SaveDiscardCancel);
}

// Every way of dropping the document asks first while it has changes, and
// each answer does what it says; the file on disk shows what was saved.
TEST_F(SessionTest, EveryOperationThatDropsTheDocumentAsksFirst) {
    const std::string other = PathOf("other.ini");
    ASSERT_TRUE(WriteFile(other, CleanCar("Test", "5000")));
    const auto closed = [this] { return !window.isVisible(); };
    const auto opened = [this](const std::string& path) {
        return [this, path] { return window.Document().DocumentPath() == path; };
    };
    // What drops the document, and whether it went through: the window closed
    // or another car is open.
    const std::tuple<const char*, std::function<void()>, std::function<bool()>> operations[] = {
        {"close", [this] { window.close(); }, closed},
        {"Exit", [this] { Click(window, "exitButton"); }, closed},
        {"Load", [this, other] { dialogs.files.push_back(other), Click(window, "loadButton"); },
         opened(other)},
        {"New", [this] { Click(window, "newButton"); },
         [this] { return window.Document().DisplayName() == "Unsaved"; }},
        {"drop",
         [this, other] {
             QMimeData data;
             data.setUrls({QUrl::fromLocalFile(QString::fromStdString(other))});
             Drop(window, data);
         },
         opened(other)},
    };
    // The operation, whether the car was edited, the answer (Ok: no question
    // expected), whether it went through and the top speed on disk then.
    const std::tuple<std::size_t, bool, MessageAnswer, bool, const char*> cases[] = {
        {0, false, MessageAnswer::Ok, true, "7000"},
        {0, true, MessageAnswer::Cancel, false, "7000"},
        {1, true, MessageAnswer::Discard, true, "7000"},
        {2, true, MessageAnswer::Cancel, false, "7000"},
        {2, true, MessageAnswer::Save, true, "7800"},
        {2, false, MessageAnswer::Ok, true, "7000"},
        {3, true, MessageAnswer::Discard, true, "7000"},
        {4, true, MessageAnswer::Cancel, false, "7000"},
        {4, true, MessageAnswer::Save, true, "7800"},
    };
    for (const auto& [operation, edited, answer, done, maxRpmOnDisk] : cases) {
        const auto& [name, run, went] = operations[operation];
        SCOPED_TRACE(std::string(name) + (edited ? " edited " : " unedited ") +
                     std::to_string(static_cast<int>(answer)));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const std::string path = Open();
        if (edited) {
            TypeMaxRpm("7800");
        }
        dialogs.messages.clear();
        if (answer != MessageAnswer::Ok) {
            dialogs.answers.push_back(answer);
        }
        run();
        std::vector<std::string> texts = dialogs.MessageTexts();
        std::erase(texts, "Saved.");
        EXPECT_EQ(texts,
                  answer == MessageAnswer::Ok
                      ? std::vector<std::string>{}
                      : std::vector<std::string>{"Save changes to \"car.ini\" before closing it?"});
        EXPECT_EQ(went(), done);
        EXPECT_EQ(MaxRpmOnDisk(path), maxRpmOnDisk);
        if (!done) {
            EXPECT_EQ(MaxRpm()->text(), "7800");
        }
    }
}

TEST_F(SessionTest, AnOutsideChangeReloadsAnUneditedCarAndWaitsForAnEditedOne) {
    const std::string path = Open();
    ASSERT_TRUE(WriteFile(path, CleanCar("Test", "6100")));
    ASSERT_TRUE(WaitForBar("Reloaded \"car.ini\": it was changed by another program."));
    EXPECT_EQ(MaxRpm()->text(), "6100");
    EXPECT_FALSE(window.isWindowModified());

    // The watch holds after our own save: it raises no bar, the next outside
    // change is seen.
    Click(window, "closeBarButton");
    TypeMaxRpm("7800");
    Click(window, "saveButton");
    QTest::qWait(400);
    EXPECT_EQ(BarText(), "<hidden>");
    TypeMaxRpm("7900");
    ASSERT_TRUE(WriteFile(path, CleanCar("Test", "6200")));
    ASSERT_TRUE(WaitForBar("\"car.ini\" was changed by another program."));
    EXPECT_EQ(MaxRpm()->text(), "7900");
    Click(window, "keepButton");
    EXPECT_EQ(BarText(), "<hidden>");

    // Save asks before it overwrites the other program's change.
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::No, MessageAnswer::Yes};
    const std::string question =
        "The file \"car.ini\" was changed by another program since Rigwright read it. "
        "Overwrite those changes?";
    Click(window, "saveButton");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{question});
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::NoYes);
    EXPECT_EQ(ReadFile(path), CleanCar("Test", "6200"));
    Click(window, "saveButton");
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{question, question, "Saved."}));
    EXPECT_EQ(MaxRpmOnDisk(path), "7900");

    // Reload takes the other program's version over the edits.
    TypeMaxRpm("8000");
    ASSERT_TRUE(WriteFile(path, CleanCar("Test", "6300")));
    ASSERT_TRUE(WaitForBar("\"car.ini\" was changed by another program."));
    Click(window, "reloadButton");
    EXPECT_EQ(MaxRpm()->text(), "6300");
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(BarText(), "<hidden>");
}

TEST_F(SessionTest, ADeletedFileIsSaidAndWrittenAgainAndNotepadEditsComeBack) {
    const std::string path = Open();
    std::filesystem::remove(path);
    ASSERT_TRUE(
        WaitForBar("\"car.ini\" was deleted or moved by another program. Save writes it "
                   "again."));
    Click(window, "saveButton");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});
    EXPECT_EQ(BarText(), "<hidden>");

    // The text editor the desktop opens saves the file; the pages follow.
    Click(window, "notepadButton");
    EXPECT_EQ(dialogs.openedFiles, std::vector<std::string>{path});
    ASSERT_TRUE(WriteFile(path, CleanCar("Test", "5500")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return MaxRpm()->text() == "5500"; }, kNoticeMs));
}

// New starts every page as made: no gear row shows the last car's ratios;
// Ctrl+S saves the new car under a name.
TEST_F(SessionTest, ANewCarShowsNothingOfTheLastOne) {
    window.LoadAtStart(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
    Click(window, "newButton");
    PageView& gearbox = Show(PageId::Gearbox);
    TypeOver(Find<QLineEdit>(gearbox, "gearCountEdit"), "5");
    for (const char* row : {"ratio2Edit", "ratio3Edit", "ratio4Edit", "ratio5Edit"}) {
        EXPECT_EQ(Find<QLineEdit>(gearbox, row)->text(), "0") << row;
    }
    dialogs.files.push_back(std::nullopt);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(dialogs.fileRequests, std::vector<std::string>{"save"});
}

// A number the file spells otherwise than a plain number is marked after
// the load, and its tip says what a save will write, until it is typed over:
// on a plain page, on a gearbox row and in a wheel of the selection.
TEST_F(SessionTest, NumbersTheFileSpellsOtherwiseAreMarked) {
    Open(
        "car\r\n{\r\n   wheels=4\r\n}\r\nengine\r\n{\r\n   max_rpm=7400 ; redline\r\n"
        "   idle_rpm=800\r\n   braking_coeff=0,25\r\n}\r\ngearbox\r\n{\r\n   gears=1\r\n"
        "   gear0\r\n   {\r\n      ratio=3,5\r\n   }\r\n}\r\nwheel1\r\n{\r\n   mass=18.5\r\n}\r\n");
    const auto misread = [this](PageId page, const char* name) {
        QLineEdit* edit = Find<QLineEdit>(Show(page), name);
        return edit->property(DataExchange::kMisreadProperty).toBool()
                   ? edit->toolTip().section(u'\n', 0, 0).toStdString()
                   : std::string("plain");
    };
    EXPECT_EQ(misread(PageId::Engine, "maxRpmEdit"),
              "The file has \"7400 ; redline\", which reads as 7400.");
    EXPECT_EQ(misread(PageId::Engine, "brakingCoeffEdit"),
              "The file has \"0,25\", which reads as 0.");
    EXPECT_EQ(misread(PageId::Engine, "idleRpmEdit"), "plain");
    EXPECT_EQ(misread(PageId::Gearbox, "ratio1Edit"), "The file has \"3,5\", which reads as 3.");
    EXPECT_EQ(misread(PageId::Gearbox, "inertia1Edit"), "plain");
    PageView& wheels = Show(PageId::Wheels);
    const auto select = [&wheels](const char* button) {
        for (QPushButton* other :
             Find<QWidget>(wheels, "wheelSelector")->findChildren<QPushButton*>()) {
            other->setChecked(other->objectName() == QLatin1String(button));
        }
    };
    select("leftFrontButton");
    EXPECT_EQ(misread(PageId::Wheels, "massEdit"), "plain");
    select("rightFrontButton");
    EXPECT_EQ(misread(PageId::Wheels, "massEdit"), "The file has \"18.5\", which reads as 18.");
    EXPECT_FALSE(window.isWindowModified());

    TypeOver(MaxRpm(), "7400");
    EXPECT_EQ(misread(PageId::Engine, "maxRpmEdit"), "plain");
    EXPECT_EQ(MaxRpm()->toolTip().section(u'\n', 0, 0), "engine.max_rpm (rpm)");
    TypeOver(Find<QLineEdit>(Show(PageId::Wheels), "massEdit"), "18");
    EXPECT_EQ(misread(PageId::Wheels, "massEdit"), "plain");
    select("leftFrontButton");
    select("rightFrontButton");
    EXPECT_EQ(misread(PageId::Wheels, "massEdit"), "plain");
}

}  // namespace
}  // namespace rw::test
