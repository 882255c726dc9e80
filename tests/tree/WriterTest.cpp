#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <cstring>

#include "TreeTestSupport.h"

namespace rw::test {
namespace {

using namespace std::string_literals;

TEST(Writer, EveryKindInItsOutputForm) {
    auto tree = TreeFromText(
        ";top\n\ncar\n{\n\t\t; inner\n  wheels = 4\ngears=3\n{\n  \nlone\n}\n"
        "pacejka~pacejka_default\nw1 ~ w0\n{\nmass=20\n}\n}\n");
    EXPECT_EQ(Visible(tree->ToText()),
              Visible(";top\r\n\r\ncar\r\n{\r\n   ; inner\r\n   wheels=4\r\n   gears=3\r\n   {\r\n"
                      "\r\n      lone\r\n   }\r\n   pacejka~pacejka_default\r\n   {\r\n   }\r\n"
                      "   w1 ~ w0\r\n   {\r\n      mass=20\r\n   }\r\n}\r\n"));
    EXPECT_EQ(TreeFromText("")->ToText(), "");
}

TEST(Writer, NodesMadeByTheSettersAreWritten) {
    auto tree = TreeFromText("car\n{\nwheels=4\ntwin=1\ntwin=2\n}\n");
    tree->SetString("car.cg.x", "0.5");
    tree->SetString("wheel0.pacejka~pacejka_default.", "");
    tree->SetString("car.wheels.note", "kept");  // a value with children
    tree->AddCommentBefore("car.cg", " centre");
    tree->SetString("car.twin", "one");  // the first of two
    tree->SetString("car.a", "  spaced");
    EXPECT_EQ(
        Visible(tree->ToText()),
        Visible("car\r\n{\r\n   wheels=4\r\n   {\r\n      note=kept\r\n   }\r\n   twin=one\r\n"
                "   twin=2\r\n   ; centre\r\n   cg\r\n   {\r\n      x=0.5\r\n   }\r\n"
                "   a=  spaced\r\n}\r\nwheel0\r\n{\r\n   pacejka~pacejka_default\r\n   {\r\n"
                "   }\r\n}\r\n"));
    // The block named like an inheritance line comes back as one.
    auto reread = TreeFromText(tree->ToText());
    EXPECT_EQ(Dump(*reread->Find("wheel0")), "I pacejka~pacejka_default|");
    EXPECT_EQ(reread->Find("car.a")->value, "spaced");
}

// Text pasted into a field must not split the line it is written on.
TEST(Writer, LineBreaksInTextsAreWrittenAsOneBlank) {
    const std::vector<std::pair<std::string, std::string>> cases = {{"a\nb", "a b"},
                                                                    {"a\r\nb", "a b"},
                                                                    {"a\rb", "a\rb"},
                                                                    {"a\r\r\nb", "a\r b"},
                                                                    {"a\n\r\nb\nc", "a  b c"}};
    for (const auto& [text, written] : cases) {
        auto tree = TreeFromText("");
        tree->SetString("car.value", text);
        tree->SetString("car.n" + text + "m", "1");
        tree->SetString("car.block.", text);
        tree->SetString("car.block.x", "1");
        tree->AddCommentBefore("car.value", text);
        const std::string out = tree->ToText();
        EXPECT_EQ(Visible(out), Visible("car\r\n{\r\n   ;" + written + "\r\n   value=" + written +
                                        "\r\n   n" + written + "m=1\r\n   block=" + written +
                                        "\r\n   {\r\n      x=1\r\n   }\r\n}\r\n"));
        EXPECT_EQ(TreeFromText(out)->ToText(), out);
    }
}

// A read and a save give the writer's form; from then on nothing changes.
TEST(Writer, NormalisesOnceThenIsAFixedPoint) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"a=1\r\n\r\nb\r\n{\r\n   c=2\r\n}\r\n", "a=1\r\n\r\nb\r\n{\r\n   c=2\r\n}\r\n"},
        {"a=1\n", "a=1\r\n"},
        {"a=1\n\n", "a=1\r\n\r\n"},
        {"\tb \n  {  \n\t\tc  =  2  \n }\n", "b\r\n{\r\n   c=2\r\n}\r\n"},
        {"b\n{ x\nc=2\n} y\n", "b\r\n{\r\n   c=2\r\n}\r\n"},
        {"a~b\nc=1\n", "a~b\r\n{\r\n}\r\nc=1\r\n"},
        {"\n{\nc=1\n}\nlone\n", "\r\nc=1\r\nlone\r\n"},
        {"a\rb=c\0d\n"s, "a\rb=c\0d\r\n"s},
        {"e\n{\n}\ne\n{\nx=1\n}\n", "e\r\n{\r\n}\r\ne\r\n{\r\n   x=1\r\n}\r\n"}};
    for (const auto& [input, first] : cases) {
        EXPECT_EQ(Visible(TreeFromText(input)->ToText()), Visible(first));
        EXPECT_EQ(Visible(TreeFromText(first)->ToText()), Visible(first));
        EXPECT_EQ(Dump(*TreeFromText(first)->root), Dump(*TreeFromText(input)->root));
    }
    const std::string sample = ReadFile(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
    ASSERT_FALSE(sample.empty());
    const std::string saved = TreeFromText(sample)->ToText();
    EXPECT_EQ(TreeFromText(saved)->ToText(), saved);
}

const std::string kOld = "old=content\r\n";

// A car larger than the file size limit of the full-disk case.
std::unique_ptr<ConfigTree> SampleTree() {
    std::string text = "; sample\r\ncar\r\n{\r\n";
    for (int i = 0; i < 400; ++i) {
        text += "   key" + std::to_string(i) + "=" + std::to_string(i * 7) + "\r\n";
    }
    return TreeFromText(text + "}\r\n");
}

mode_t Mode(const std::string& path) {
    struct stat info {};
    return lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
}

TEST(Save, WritesTheTextInPlaceKeepingModeAndLinks) {
    TempDir dir;
    auto tree = SampleTree();
    const std::string path = dir.File("car.ini");
    for (mode_t mode : {0600, 0640, 0755}) {
        ASSERT_TRUE(WriteFile(path, std::string(100000, 'x')));  // longer than the new text
        ASSERT_EQ(chmod(path.c_str(), mode), 0);
        tree->savePath = path;
        RecordingReporter reporter;
        EXPECT_TRUE(tree->Save(reporter));
        EXPECT_TRUE(reporter.reports.empty());
        EXPECT_EQ(ReadFile(path), tree->ToText());
        EXPECT_EQ(Mode(path) & 07777, mode);
    }
    ConfigTree again(path);
    RecordingReporter reporter;
    ASSERT_EQ(again.Read(true, reporter), ReadResult::Success);
    again.savePath = dir.File("new.ini");
    ASSERT_TRUE(again.Save(reporter));
    EXPECT_EQ(ReadFile(dir.File("new.ini")), ReadFile(path));  // byte for byte
    // Saving through a link replaces the file it points to, not the link.
    ASSERT_EQ(mkdir(dir.File("real").c_str(), 0755), 0);
    ASSERT_TRUE(WriteFile(dir.File("real/car.ini"), kOld));
    ASSERT_EQ(symlink("real/car.ini", dir.File("link.ini").c_str()), 0);
    tree->savePath = dir.File("link.ini");
    EXPECT_TRUE(tree->Save(reporter));
    EXPECT_TRUE(S_ISLNK(Mode(dir.File("link.ini"))));
    EXPECT_EQ(ReadFile(dir.File("real/car.ini")), tree->ToText());
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"car.ini", "link.ini", "new.ini", "real"}));
    EXPECT_EQ(dir.Entries("real"), std::vector<std::string>{"car.ini"});
}

// A failed save is reported with the file's name and the system's reason,
// and leaves the old file and its folder as they were. The check runs in a
// child process, where limits and users can change; 99: cannot set up.
TEST(Save, FailuresLeaveEverythingAsItWas) {
    struct Case {
        const char* label;
        const char* file;
        int error;
        std::function<bool(const TempDir&)> setUp;  // in the child
    };
    const std::vector<Case> cases = {
        {"missing folder", "missing/car.ini", ENOENT, [](const TempDir&) { return true; }},
        {"read-only file", "car.ini", EACCES,
         [](const TempDir& dir) { return chmod(dir.File("car.ini").c_str(), 0444) == 0; }},
        {"read-only folder", "locked/car.ini", EACCES,
         [](const TempDir& dir) {
             const std::string folder = dir.File("locked");
             return chmod(dir.path.c_str(), 0755) == 0 &&
                    chown(folder.c_str(), 65534, 65534) == 0 && chmod(folder.c_str(), 0555) == 0 &&
                    Unprivileged();
         }},
        {"full disk", "car.ini", EFBIG, [](const TempDir&) {
             std::signal(SIGXFSZ, SIG_IGN);
             struct rlimit limit {
                 4096, 4096
             };
             return setrlimit(RLIMIT_FSIZE, &limit) == 0;
         }}};
    auto tree = SampleTree();
    for (const Case& c : cases) {
        TempDir dir;
        ASSERT_EQ(mkdir(dir.File("locked").c_str(), 0755), 0);
        ASSERT_TRUE(WriteFile(dir.File("car.ini"), kOld));
        ASSERT_TRUE(WriteFile(dir.File("locked/car.ini"), kOld));
        const std::string path = dir.File(c.file);
        const int faults = InChild([&] {
            if (!c.setUp(dir)) {
                return 99;
            }
            const auto before = dir.Entries(), beforeLocked = dir.Entries("locked");
            RecordingReporter reporter;
            tree->savePath = path;
            int result = tree->Save(reporter) ? 1 : 0;
            if (reporter.reports.size() != 1 || reporter.reports[0].kind != ReportKind::FileError ||
                reporter.reports[0].text.find(path) == std::string::npos ||
                reporter.reports[0].text.find(std::strerror(c.error)) == std::string::npos) {
                result |= 2;
            }
            if (access(path.c_str(), F_OK) == 0 && ReadFile(path) != kOld) {
                result |= 4;
            }
            return dir.Entries() != before || dir.Entries("locked") != beforeLocked ? result | 8
                                                                                    : result;
        });
        if (faults != 99) {
            EXPECT_EQ(faults, 0) << c.label << "; bits: 1 success, 2 report, 4 old file, 8 temp";
        }
    }
}

}  // namespace
}  // namespace rw::test
