#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstring>

#include "TreeTestSupport.h"

namespace rw::test {
namespace {

using namespace std::string_literals;

TEST(Reader, LinesGiveTheExpectedTree) {
    std::vector<std::pair<std::string, std::string>> cases = {
        // Line breaks and the end of the file.
        {"", ""},
        {"x=1\r\ny=2", "V x=1|V y=2|"},
        {"x=1\r\n" + std::string(100000, 'y') + "=2\r\n\r\n",
         "V x=1|V " + std::string(100000, 'y') + "=2|_|"},
        {"x=1\n\n\r\n  \t\ny=2\n", "V x=1|_|_|_|V y=2|"},
        {"a\rb=c\rd\n", "V a\\rb=c\\rd|"},
        {"x=1\r\r\ny=2\r", "V x=1|V y=2|"},
        {"a\0b=c\0d\n\0\n"s, "V a\\0b=c\\0d|L \\0|"},
        // Value lines.
        {"  \t idle_rpm \t=  \t800 \t \r\n", "V idle_rpm=800|"},
        {"x = 1 ; note\n", "V x=1 ; note|"},
        {"a=b=c\nx=\n", "V a=b=c|V x=|"},
        {"~a=b\n", "V ~a=b|"},
        // Written back, an empty name would begin its line with "=".
        {"\r=5\n\r\r =6\n", "L \\r=5|L \\r\\r =6|"},
        // Comments.
        {"      ; note \n;{ a~b = c\na;b=c\n", "C ; note|C ;{ a~b = c|V a;b=c|"},
        // Inheritance lines.
        {"pacejka~pacejka_default\n{\n}\n", "I pacejka~pacejka_default|"},
        {"a ~ b\nfile=a~b\na~b~c\n", "I a ~ b|I file=a~b|I a~b~c|"},
        {"w1~w0\n{\nmass=20\n}\nx=1\n", "I w1~w0|.V mass=20|V x=1|"},
        // Name lines.
        {"=5\n=a=b\n~x\n~a~b\nlonely", "L =5|L =a=b|L ~x|L ~a~b|L lonely|"},
        // Blocks.
        {"  engine \t\r\n{\r\nidle_rpm = 800\r\n}\r\n", "B engine|.V idle_rpm=800|"},
        {"gears=3\n{\ngear0=1\n}\nx=2\n", "B gears=3|.V gear0=1|V x=2|"},
        {"engine\n{ junk=1\nx=1\n} more=2\ny=2\n", "B engine|.V x=1|V y=2|"},
        {"a\n{\nb\n{\nc=1\n}\nd=2\n}\n", "B a|.B b|..V c=1|.V d=2|"},
        {"a\n{\n}\ne=1\ne=2\n{\nx=1\n;c\n{\ny=1\n", "B a|V e=1|B e=2|.V x=1|.C ;c|.V y=1|"},
        {"a\n{\n{\nx=1\n}\ny=2\n", "B a|.V x=1|V y=2|"},
        {"name\n\n{\nx=1\n", "L name|_|V x=1|"},
        {"a\n{\nb\n}\nc=1\n", "B a|.L b|V c=1|"},
        // Unbalanced braces.
        {"a\n{\n}\n}\nz=1\nb\n{\nc=1\n}\n", "B a|V z=1|B b|.V c=1|"},
        {"}\nx=1\na\n{\nb\n{\nx=1\n", "V x=1|B a|.B b|..V x=1|"}};
    // The reader looks at 64 bytes at a time: lines whose break, "=" or "~"
    // lie before, at and past that edge, next to short lines.
    for (std::size_t length : {62, 63, 64, 65, 127, 128}) {
        const std::string name(length, 'n');
        cases.emplace_back(
            name + "=v\nb~w\n" + name + "\n=x\n" + name + "~" + name,
            "V " + name + "=v|I b~w|L " + name + "|L =x|I " + name + "~" + name + "|");
    }
    for (const auto& [input, expected] : cases) {
        auto tree = TreeFromText(input);
        EXPECT_TRUE(tree->isRead);
        EXPECT_EQ(Dump(*tree->root), expected) << Visible(input);
    }
}

// Each report as "kind icon caption: text".
std::string Reports(const RecordingReporter& reporter) {
    std::string out;
    for (const Report& r : reporter.reports) {
        out += std::to_string(static_cast<int>(r.kind)) + " " +
               std::to_string(static_cast<int>(r.icon)) + " " + r.caption + ": " + r.text + "\n";
    }
    return out;
}

// Uninterpretable names (only with showErrors) and then the brace balance.
TEST(Reader, MessagesAreReportedInOrder) {
    const std::string name = "0 2 " + std::string(kAppCaption) + ": Cannot interpret value ";
    const std::string close =
        "1 2 Error!: Detected more '}' than '{' , may not have read data correctly\n";
    const std::string open =
        "1 2 Error!: Detected more '{' than '}' , may not have read data correctly\n";
    // The last column counts the lines the tree does not hold as they stand,
    // reported or not.
    const std::vector<std::tuple<std::string, std::string, std::string, std::size_t>> cases = {
        {"a\n{\nx=1\n}\n", "", "", 0},
        {"x=1\n\nfirst\n; c\nsecond\n{\n}\n  third \t\n",
         name + "\"first\" on line 3\n" + name + "\"third\" on line 8\n", "", 2},
        {"a=1\r\nb=2\r\nlast", name + "\"last\" on line 3\n", "", 1},
        {"\n\n\n=5\n", name + "\"=5\" on line 4\n", "", 1},
        {"a\n{\n}\n}\n}\n", "", close, 2},
        {"}\na\n{\n", "", close, 2},
        {"a\n{\nb\n{\nx=1\n", "", open, 2},
        {"name\n\n{\nx=1\n}\n", name + "\"name\" on line 1\n", close, 2}};
    for (const auto& [input, names, brace, unread] : cases) {
        for (bool showErrors : {true, false}) {
            RecordingReporter reporter;
            const auto tree = TreeFromText(input, &reporter, showErrors);
            EXPECT_EQ(Reports(reporter), (showErrors ? names : "") + brace) << Visible(input);
            EXPECT_EQ(tree->unreadLines, unread) << Visible(input);
        }
    }
}

TEST(Reader, FilesReadLikeTextAndSpecialPathsNeedNone) {
    TempDir dir;
    const std::string text = "; car\r\ncar\r\n{\r\n   wheels=4\r\n}\r\n\r\nw1~w0\r\nlone\r\n";
    ASSERT_TRUE(WriteFile(dir.File("car.ini"), text));
    RecordingReporter reporter;
    ConfigTree fromFile(dir.File("car.ini"));
    EXPECT_EQ(fromFile.Read(true, reporter), ReadResult::Success);
    EXPECT_EQ(Dump(*fromFile.root), Dump(*TreeFromText(text)->root));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].text, "Cannot interpret value \"lone\" on line 8");

    // A file whose size the system does not know beforehand is read whole.
    ConfigTree fromProc("/proc/self/mountinfo");
    EXPECT_EQ(fromProc.Read(false, reporter), ReadResult::Success);
    EXPECT_EQ(fromProc.ToText(), TreeFromText(ReadFile("/proc/self/mountinfo"))->ToText());

    for (const auto& [path, result] :
         {std::pair{kUnsavedPath, ReadResult::Success}, std::pair{kNullPath, ReadResult::Failed}}) {
        RecordingReporter silent;
        ConfigTree tree{std::string(path)};
        EXPECT_EQ(tree.Read(true, silent), result);
        EXPECT_EQ(tree.isRead, result == ReadResult::Success);
        ASSERT_NE(tree.root, nullptr);
        EXPECT_TRUE(tree.root->children.empty());
        EXPECT_TRUE(silent.reports.empty());
    }
}

// The path and the system's reason reach the user; nothing is read.
int UnreadableFaults(const std::string& path, int error) {
    RecordingReporter reporter;
    ConfigTree tree(path);
    int faults = tree.Read(true, reporter) != ReadResult::FileError || tree.isRead ? 1 : 0;
    if (reporter.reports.size() != 1 || reporter.reports[0].kind != ReportKind::FileError ||
        reporter.reports[0].text.find(path) == std::string::npos ||
        reporter.reports[0].text.find(std::strerror(error)) == std::string::npos) {
        faults |= 2;
    }
    return tree.root == nullptr || !tree.root->children.empty() ? faults | 4 : faults;
}

TEST(Reader, UnreadableFilesAreReportedWithNameAndReason) {
    TempDir dir;
    ASSERT_EQ(mkdir(dir.File("folder.ini").c_str(), 0755), 0);
    EXPECT_EQ(UnreadableFaults(dir.File("missing.ini"), ENOENT), 0);
    EXPECT_EQ(UnreadableFaults(dir.File("folder.ini"), EISDIR), 0);
    const std::string secret = dir.File("secret.ini");
    ASSERT_TRUE(WriteFile(secret, "a=1\n"));
    ASSERT_EQ(chmod(secret.c_str(), 0000), 0);
    ASSERT_EQ(chmod(dir.path.c_str(), 0755), 0);
    const int faults =
        InChild([&] { return Unprivileged() ? UnreadableFaults(secret, EACCES) : 99; });
    if (faults == 99) {
        GTEST_SKIP() << "cannot switch to an unprivileged user";
    }
    EXPECT_EQ(faults, 0) << "bits: 1 result, 2 report, 4 tree";
}

}  // namespace
}  // namespace rw::test
