#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QFile>
#include <QLabel>
#include <QMimeData>
#include <QTest>
#include <QUrl>
#include <filesystem>
#include <functional>

#include "PageTestSupport.h"

namespace rw {
namespace {

using page_test::Click;

// A car the save-time checks let through, with this top speed.
std::string CleanCar(const std::string& maxRpm = "7000") {
    return "car\r\n{\r\n   name=Test\r\n   id=test\r\n   version=050b10\r\n   wheels=4\r\n}\r\n"
           "engine\r\n{\r\n   max_rpm=" +
           maxRpm +
           "\r\n   idle_rpm=800\r\n   curve_torque=t.crv\r\n}\r\n"
           "differential\r\n{\r\n   ratio=3.5\r\n}\r\n";
}

constexpr int kNoticeMs = 5000;

class SessionTest : public page_test::EditorTest {
protected:
    std::string Open(const std::string& text = CleanCar()) {
        const std::string path = PathOf("car.ini");
        EXPECT_TRUE(test::WriteFile(path, text));
        window.LoadAtStart(path);
        dialogs.messages.clear();
        return path;
    }
    QLineEdit* MaxRpm() {
        return page_test::Find<QLineEdit>(*window.View(PageId::Engine), "maxRpmEdit");
    }
    void TypeMaxRpm(const char* text) {
        Show(PageId::Engine);
        page_test::TypeOver(MaxRpm(), text);
        QApplication::processEvents();
    }
    QWidget* Bar() { return page_test::Find<QWidget>(window, "diskBar"); }
    std::string BarText() {
        return Bar()->isVisible()
                   ? page_test::Find<QLabel>(window, "diskBarLabel")->text().toStdString()
                   : "<hidden>";
    }
    bool WaitForBar(const std::string& text) {
        return QTest::qWaitFor([&] { return BarText() == text; }, kNoticeMs);
    }
    void Drop(const std::string& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
        QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &enter);
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
    }
};

TEST_F(SessionTest, TheTitleNamesTheCarAndMarksWhatASaveWouldChange) {
    EXPECT_EQ(window.windowTitle(), "TAVIX Rigwright");
    Open(CleanCar("7000.0"));
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
    ASSERT_TRUE(test::WriteFile(other, CleanCar("5000")));
    struct Operation {
        const char* name;
        std::function<void()> run;
        // Whether it went through: the window closed or another car is open.
        std::function<bool()> done;
    };
    const auto closed = [this] { return !window.isVisible(); };
    const auto opened = [this](const std::string& path) {
        return [this, path] { return window.Document().DocumentPath() == path; };
    };
    const Operation operations[] = {
        {"close", [this] { window.close(); }, closed},
        {"Ctrl+Q", [this] { QTest::keyClick(&window, Qt::Key_Q, Qt::ControlModifier); }, closed},
        {"Exit", [this] { Click(window, "exitButton"); }, closed},
        {"Load",
         [this, other] {
             dialogs.files.push_back(other);
             Click(window, "loadButton");
         },
         opened(other)},
        {"New", [this] { Click(window, "newButton"); },
         [this] { return window.Document().DisplayName() == "Unsaved"; }},
        {"drop", [this, other] { Drop(other); }, opened(other)},
    };
    struct Case {
        std::size_t operation;
        bool edited;
        MessageAnswer answer;  // Ok: no question expected
        bool done;
        const char* maxRpmOnDisk;
    };
    const Case cases[] = {
        {0, false, MessageAnswer::Ok, true, "7000"},
        {0, true, MessageAnswer::Cancel, false, "7000"},
        {1, true, MessageAnswer::Discard, true, "7000"},
        {1, false, MessageAnswer::Ok, true, "7000"},
        {2, true, MessageAnswer::Save, true, "7800"},
        {3, true, MessageAnswer::Cancel, false, "7000"},
        {3, true, MessageAnswer::Save, true, "7800"},
        {3, false, MessageAnswer::Ok, true, "7000"},
        {4, true, MessageAnswer::Discard, true, "7000"},
        {4, false, MessageAnswer::Ok, true, "7000"},
        {5, true, MessageAnswer::Cancel, false, "7000"},
        {5, true, MessageAnswer::Save, true, "7800"},
    };
    for (const Case& c : cases) {
        const Operation& operation = operations[c.operation];
        SCOPED_TRACE(std::string(operation.name) + (c.edited ? " edited" : " unedited") + " " +
                     std::to_string(static_cast<int>(c.answer)));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        const std::string path = Open();
        if (c.edited) {
            TypeMaxRpm("7800");
        }
        dialogs.messages.clear();
        if (c.answer != MessageAnswer::Ok) {
            dialogs.answers.push_back(c.answer);
        }
        operation.run();
        const std::vector<std::string> asked =
            c.answer == MessageAnswer::Ok
                ? std::vector<std::string>{}
                : std::vector<std::string>{"Save changes to \"car.ini\" before closing it?"};
        std::vector<std::string> texts = dialogs.MessageTexts();
        std::erase(texts, "Saved.");
        EXPECT_EQ(texts, asked);
        EXPECT_EQ(operation.done(), c.done);
        EXPECT_EQ(page_test::ValueAt(page_test::TreeOf(test::ReadFile(path)), "engine.max_rpm"),
                  c.maxRpmOnDisk);
        if (!c.done) {
            EXPECT_EQ(MaxRpm()->text(), "7800");
        }
    }
}

TEST_F(SessionTest, AnOutsideChangeReloadsAnUneditedCarAndWaitsForAnEditedOne) {
    const std::string path = Open();
    ASSERT_TRUE(test::WriteFile(path, CleanCar("6100")));
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
    ASSERT_TRUE(test::WriteFile(path, CleanCar("6200")));
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
    EXPECT_EQ(test::ReadFile(path), CleanCar("6200"));
    Click(window, "saveButton");
    EXPECT_EQ(dialogs.MessageTexts(), (std::vector<std::string>{question, question, "Saved."}));
    EXPECT_EQ(page_test::ValueAt(page_test::TreeOf(test::ReadFile(path)), "engine.max_rpm"),
              "7900");

    // Reload takes the other program's version over the edits.
    TypeMaxRpm("8000");
    ASSERT_TRUE(test::WriteFile(path, CleanCar("6300")));
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
    ASSERT_TRUE(test::WriteFile(path, CleanCar("5500")));
    ASSERT_TRUE(QTest::qWaitFor([&] { return MaxRpm()->text() == "5500"; }, kNoticeMs));
}

// A file with lines the reader could not place: the first save onto it asks,
// No the default; Save As elsewhere does not.
TEST_F(SessionTest, ASaveOntoADamagedFileAsksFirst) {
    const std::string damaged = CleanCar() + "extra {\r\n   x=1\r\n}\r\n";
    const std::string path = PathOf("car.ini");
    ASSERT_TRUE(test::WriteFile(path, damaged));
    window.LoadAtStart(path);
    dialogs.messages.clear();
    dialogs.answers = {MessageAnswer::No};
    Click(window, "saveButton");
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text,
              "\"car.ini\" had 2 lines that Rigwright could not read. Saving writes the car as "
              "Rigwright understood it, and those lines are lost. Save anyway?");
    EXPECT_EQ(dialogs.messages[0].buttons, MessageButtons::NoYes);
    EXPECT_EQ(test::ReadFile(path), damaged);
    dialogs.messages.clear();
    dialogs.files.push_back(PathOf("copy.ini"));
    Click(window, "saveAsButton");
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});
}

// New starts every page as made: no gear row shows the last car's ratios;
// Ctrl+S saves the new car under a name.
TEST_F(SessionTest, ANewCarShowsNothingOfTheLastOne) {
    window.LoadAtStart(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
    Click(window, "newButton");
    PageView& gearbox = Show(PageId::Gearbox);
    page_test::TypeOver(page_test::Find<QLineEdit>(gearbox, "gearCountEdit"), "5");
    for (const char* row : {"ratio2Edit", "ratio3Edit", "ratio4Edit", "ratio5Edit"}) {
        EXPECT_EQ(page_test::Find<QLineEdit>(gearbox, row)->text(), "0") << row;
    }
    dialogs.files.push_back(std::nullopt);
    QTest::keyClick(&window, Qt::Key_S, Qt::ControlModifier);
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_TRUE(dialogs.fileRequests[0].save);
}

// A number the file spells otherwise than a plain number is marked after
// the load, and its tip says what a save will write, until it is typed over.
TEST_F(SessionTest, NumbersTheFileSpellsOtherwiseAreMarked) {
    Open(
        "car\r\n{\r\n   wheels=4\r\n}\r\nengine\r\n{\r\n   max_rpm=7400 ; redline\r\n"
        "   idle_rpm=800\r\n   braking_coeff=0,25\r\n}\r\n");
    PageView& engine = Show(PageId::Engine);
    const auto misread = [&engine](const char* name) {
        QLineEdit* edit = page_test::Find<QLineEdit>(engine, name);
        return edit->property(DataExchange::kMisreadProperty).toBool()
                   ? edit->toolTip().section(u'\n', 0, 0).toStdString()
                   : std::string("plain");
    };
    EXPECT_EQ(misread("maxRpmEdit"), "The file has \"7400 ; redline\", which reads as 7400.");
    EXPECT_EQ(misread("brakingCoeffEdit"), "The file has \"0,25\", which reads as 0.");
    EXPECT_EQ(misread("idleRpmEdit"), "plain");
    EXPECT_FALSE(window.isWindowModified());
    page_test::TypeOver(MaxRpm(), "7400");
    EXPECT_EQ(misread("maxRpmEdit"), "plain");
    EXPECT_EQ(MaxRpm()->toolTip().section(u'\n', 0, 0), "engine.max_rpm (rpm)");
}

}  // namespace
}  // namespace rw
