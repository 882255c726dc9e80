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

}  // namespace
}  // namespace rw::test
