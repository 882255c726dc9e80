#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <ostream>
#include <string>
#include <string_view>

#include "TreeTestSupport.h"
#include "tree/ConfigTree.h"

namespace rw::test {
namespace {

using namespace std::string_literals;

struct ReadCase {
    const char* label;
    std::string input;
    std::string tree;
};

// Test names show the case's label, not its bytes.
void PrintTo(const ReadCase& c, std::ostream* out) {
    *out << c.label;
}

class ReaderLines : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReaderLines, GiveTheExpectedTree) {
    const ReadCase& c = GetParam();
    RecordingReporter reporter;
    auto tree = TreeFromText(c.input, reporter, false);
    ASSERT_NE(tree->root, nullptr);
    EXPECT_TRUE(tree->isRead);
    EXPECT_EQ(Dump(*tree), c.tree) << "input: " << Visible(c.input);
    EXPECT_TRUE(ParentLinksHold(*tree->root));
}

INSTANTIATE_TEST_SUITE_P(
    Tree, ReaderLines,
    ::testing::Values(
        // Line breaks and the end of the file.
        ReadCase{"EmptyFile", "", ""},
        ReadCase{"NoFinalBreak", "x=1\r\ny=2", Lines({"V x=1", "V y=2"})},
        ReadCase{"FinalCrLfAddsNoBlank", "x=1\r\ny=2\r\n", Lines({"V x=1", "V y=2"})},
        ReadCase{"FinalLfAddsNoBlank", "x=1\ny=2\n", Lines({"V x=1", "V y=2"})},
        ReadCase{"LoneLineBreak", "\r\n", Lines({"_"})},
        ReadCase{"BlankLinesKept", "x=1\n\n\r\n  \t\ny=2\n",
                 Lines({"V x=1", "_", "_", "_", "V y=2"})},
        ReadCase{"LoneCrStaysInLine", "a\rb=c\rd\n", Lines({"V a\\rb=c\\rd"})},
        ReadCase{"TrailingCrsTrimmed", "x=1\r\r\ny=2\r", Lines({"V x=1", "V y=2"})},
        ReadCase{"CrOnlyLineIsBlank", "\r\r\nx=1\n", Lines({"_", "V x=1"})},
        ReadCase{"NulIsOrdinary", "a\0b=c\0d\n\0\n"s, Lines({"V a\\0b=c\\0d", "L \\0"})},
        // Value lines.
        ReadCase{"ValueTrimmed", "  \t idle_rpm \t=  \t800 \t \r\n", Lines({"V idle_rpm=800"})},
        ReadCase{"ValueKeepsInnerText", "x = 1 ; note\n", Lines({"V x=1 ; note"})},
        ReadCase{"ValueKeepsLaterEquals", "a=b=c\n", Lines({"V a=b=c"})},
        ReadCase{"EmptyValue", "x=\n", Lines({"V x="})},
        ReadCase{"TildeFirstThenEquals", "~a=b\n", Lines({"V ~a=b"})},
        // Written back, an empty name would begin its line with "=".
        ReadCase{"NameOfOnlyCrIsName", "\r=5\n\r\r =6\n", Lines({"L \\r=5", "L \\r\\r =6"})},
        // Comments.
        ReadCase{"IndentedComment", "      ; note \n", Lines({"C ; note"})},
        ReadCase{"CommentWithBraceAndTilde", ";{ a~b = c\n", Lines({"C ;{ a~b = c"})},
        ReadCase{"SemicolonLaterIsText", "a;b=c;d\n", Lines({"V a;b=c;d"})},
        // Inheritance lines.
        ReadCase{"InheritWithBraces", "pacejka~pacejka_default\n{\n}\n",
                 Lines({"I pacejka~pacejka_default"})},
        ReadCase{"InheritKeepsSpaces", "a ~ b\n", Lines({"I a ~ b"})},
        ReadCase{"InheritBeatsEquals", "file=a~b\n", Lines({"I file=a~b"})},
        ReadCase{"InheritFirstTildeOnly", "a~b~c\n", Lines({"I a~b~c"})},
        ReadCase{"InheritWithoutBracesKeepsFollowers", "a~b\nx=1\n", Lines({"I a~b", "V x=1"})},
        ReadCase{"InheritWithChildren", "w1~w0\n{\nmass=20\n}\n",
                 Lines({"I w1~w0", "  V mass=20"})},
        // Name lines.
        ReadCase{"LeadingEqualsIsName", "=5\n", Lines({"L =5"})},
        ReadCase{"LeadingEqualsTwiceIsName", "=a=b\n", Lines({"L =a=b"})},
        ReadCase{"LeadingTildeIsName", "~x\n~a~b\n", Lines({"L ~x", "L ~a~b"})},
        ReadCase{"NameAtEnd", "x=1\nlonely", Lines({"V x=1", "L lonely"})},
        // Blocks.
        ReadCase{"NameBlock", "  engine \t\r\n{\r\nidle_rpm = 800\r\n}\r\n",
                 Lines({"B engine", "  V idle_rpm=800"})},
        ReadCase{"ValueBlock", "gears=3\n{\ngear0=1\n}\nx=2\n",
                 Lines({"B gears=3", "  V gear0=1", "V x=2"})},
        ReadCase{"BraceLineRestIgnored", "engine\n{ junk=1\nx=1\n} more=2\ny=2\n",
                 Lines({"B engine", "  V x=1", "V y=2"})},
        ReadCase{"Nested", "a\n{\nb\n{\nc=1\n}\nd=2\n}\n",
                 Lines({"B a", "  B b", "    V c=1", "  V d=2"})},
        ReadCase{"EmptyBlock", "a\n{\n}\n", Lines({"B a"})},
        ReadCase{"OpenAtStartDoesNothing", "{\nx=1\n", Lines({"V x=1"})},
        ReadCase{"OpenAfterCommentDoesNothing", ";c\n{\nx=1\n", Lines({"C ;c", "V x=1"})},
        ReadCase{"SecondOpenDoesNothing", "a\n{\n{\nx=1\n}\ny=2\n",
                 Lines({"B a", "  V x=1", "V y=2"})},
        ReadCase{"BlankBreaksNameAndOpen", "name\n\n{\nx=1\n", Lines({"L name", "_", "V x=1"})},
        ReadCase{"LoneNameBeforeClose", "a\n{\nb\n}\nc=1\n", Lines({"B a", "  L b", "V c=1"})},
        ReadCase{"DuplicateNamesKept", "e=1\ne=2\n", Lines({"V e=1", "V e=2"})},
        // Unbalanced braces.
        ReadCase{"SurplusCloseGoesToRoot", "a\n{\n}\n}\nz=1\nb\n{\nc=1\n}\n",
                 Lines({"B a", "V z=1", "B b", "  V c=1"})},
        ReadCase{"CloseFirst", "}\nx=1\n", Lines({"V x=1"})},
        ReadCase{"MissingCloseKeepsLinesInside", "a\n{\nb\n{\nx=1\n",
                 Lines({"B a", "  B b", "    V x=1"})}),
    [](const ::testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.label); });

// Uninterpretable name lines and brace balance are what the user sees.
struct MessageCase {
    const char* label;
    std::string input;
    std::vector<std::string> uninterpretable;  // reported with showErrors
    std::string brace;                         // empty: no brace report
};

void PrintTo(const MessageCase& c, std::ostream* out) {
    *out << c.label;
}

class ReaderMessages : public ::testing::TestWithParam<MessageCase> {};

constexpr const char* kMoreClose = "Detected more '}' than '{' , may not have read data correctly";
constexpr const char* kMoreOpen = "Detected more '{' than '}' , may not have read data correctly";

TEST_P(ReaderMessages, AreReportedInOrder) {
    const MessageCase& c = GetParam();
    for (bool showErrors : {true, false}) {
        SCOPED_TRACE(showErrors ? "showErrors" : "quiet");
        RecordingReporter reporter;
        auto tree = TreeFromText(c.input, reporter, showErrors);

        std::vector<Report> expected;
        if (showErrors) {
            for (const std::string& text : c.uninterpretable) {
                expected.push_back(
                    Report{ReportKind::UninterpretableLine, text, kAppCaption, MessageIcon::None});
            }
        }
        if (!c.brace.empty()) {
            expected.push_back(
                Report{ReportKind::BraceBalance, c.brace, "Error!", MessageIcon::Exclamation});
        }
        ASSERT_EQ(reporter.reports.size(), expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            EXPECT_EQ(reporter.reports[i].kind, expected[i].kind) << i;
            EXPECT_EQ(Visible(reporter.reports[i].text), Visible(expected[i].text)) << i;
            EXPECT_EQ(reporter.reports[i].caption, expected[i].caption) << i;
            if (expected[i].kind == ReportKind::BraceBalance) {
                EXPECT_EQ(reporter.reports[i].icon, MessageIcon::Exclamation) << i;
            }
        }
        // Reading goes on whatever it reports.
        EXPECT_TRUE(tree->isRead);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tree, ReaderMessages,
    ::testing::Values(
        MessageCase{"CleanFile", "a\n{\nx=1\n}\n", {}, ""},
        MessageCase{"LoneNamesWithLineNumbers",
                    "x=1\n\nfirst\n; c\nsecond\n{\n}\n  third \t\n",
                    {"Cannot interpret value \"first\" on line 3",
                     "Cannot interpret value \"third\" on line 8"},
                    ""},
        MessageCase{"LastLineWithoutBreak",
                    "a=1\r\nb=2\r\nlast",
                    {"Cannot interpret value \"last\" on line 3"},
                    ""},
        MessageCase{
            "BlankLinesCount", "\n\n\n=5\n", {"Cannot interpret value \"=5\" on line 4"}, ""},
        MessageCase{
            "NameBeforeClose", "a\n{\nb\n}\n", {"Cannot interpret value \"b\" on line 3"}, ""},
        MessageCase{"SurplusClose", "a\n{\n}\n}\n", {}, kMoreClose},
        MessageCase{"SurplusCloseThenOpenBlock", "}\na\n{\n", {}, kMoreClose},
        MessageCase{"MissingClose", "a\n{\nx=1\n", {}, kMoreOpen},
        MessageCase{"NameThenBlankThenOpen",
                    "name\n\n{\nx=1\n}\n",
                    {"Cannot interpret value \"name\" on line 1"},
                    kMoreClose}),
    [](const ::testing::TestParamInfo<MessageCase>& info) {
        return std::string(info.param.label);
    });

TEST(Reader, ReadingReplacesTheRootEachTime) {
    RecordingReporter reporter;
    ConfigTree tree("text");
    tree.ReadText("a=1\n", false, reporter);
    tree.ReadText("b=2\n", false, reporter);
    EXPECT_EQ(Dump(tree), Lines({"V b=2"}));
    EXPECT_EQ(tree.root->name, kRootName);
    EXPECT_EQ(tree.root->kind, NodeKind::Block);
    EXPECT_EQ(tree.root->parent, nullptr);
}

TEST(Reader, LongLinesAreKeptWhole) {
    // Far beyond any internal chunk size, with the CR LF at awkward offsets.
    for (std::size_t length : {126u, 127u, 128u, 129u, 255u, 256u, 100000u}) {
        std::string value(length, 'v');
        std::string text = "k=" + value + "\r\nnext=1\r\n";
        RecordingReporter reporter;
        auto tree = TreeFromText(text, reporter);
        ASSERT_EQ(tree->root->children.size(), 2u) << length;
        EXPECT_EQ(tree->root->children[0]->value, value) << length;
        EXPECT_EQ(tree->root->children[1]->name, "next") << length;
    }
}

class ReaderFiles : public ::testing::Test {
protected:
    TempDir dir;
    RecordingReporter reporter;
};

TEST_F(ReaderFiles, ReadGivesTheSameTreeAsReadText) {
    ASSERT_TRUE(dir.Ok());
    const std::string text =
        "; car\r\ncar\r\n{\r\n   wheels=4\r\n}\r\n\r\nw1~w0\r\n{\r\n}\r\nlone\r\n";
    ASSERT_TRUE(WriteFile(dir.File("car.ini"), text));
    ConfigTree fromFile(dir.File("car.ini"));
    EXPECT_EQ(fromFile.Read(true, reporter), ReadResult::Success);
    EXPECT_TRUE(fromFile.isRead);
    RecordingReporter textReporter;
    auto fromText = TreeFromText(text, textReporter);
    EXPECT_EQ(Dump(fromFile), Dump(*fromText));
    ASSERT_EQ(reporter.reports.size(), 1u);
    EXPECT_EQ(reporter.reports[0].text, "Cannot interpret value \"lone\" on line 10");
}

TEST_F(ReaderFiles, UnsavedIsAnEmptyReadTree) {
    ConfigTree tree{std::string(kUnsavedPath)};
    EXPECT_EQ(tree.Read(true, reporter), ReadResult::Success);
    EXPECT_TRUE(tree.isRead);
    ASSERT_NE(tree.root, nullptr);
    EXPECT_TRUE(tree.root->children.empty());
    EXPECT_TRUE(reporter.reports.empty());
}

TEST_F(ReaderFiles, NullFailsSilently) {
    ConfigTree tree{std::string(kNullPath)};
    EXPECT_EQ(tree.Read(true, reporter), ReadResult::Failed);
    EXPECT_FALSE(tree.isRead);
    ASSERT_NE(tree.root, nullptr);
    EXPECT_TRUE(tree.root->children.empty());
    EXPECT_TRUE(reporter.reports.empty());
    EXPECT_EQ(tree.Find("a"), nullptr);
}

TEST_F(ReaderFiles, UnreadableFilesAreReportedWithNameAndReason) {
    ASSERT_TRUE(dir.Ok());
    const std::string missing = dir.File("missing.ini");
    const std::string folder = dir.File("folder.ini");
    ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
    for (const std::string& path : {missing, folder}) {
        SCOPED_TRACE(path);
        RecordingReporter local;
        ConfigTree tree(path);
        EXPECT_EQ(tree.Read(true, local), ReadResult::FileError);
        EXPECT_FALSE(tree.isRead);
        ASSERT_NE(tree.root, nullptr);
        EXPECT_TRUE(tree.root->children.empty());
        ASSERT_EQ(local.reports.size(), 1u);
        EXPECT_EQ(local.reports[0].kind, ReportKind::FileError);
        EXPECT_NE(local.reports[0].text.find(path), std::string::npos) << local.reports[0].text;
        EXPECT_GT(local.reports[0].text.size(), path.size() + 2) << "no reason given";
    }
    RecordingReporter local;
    ConfigTree tree(missing);
    tree.Read(true, local);
    ASSERT_EQ(local.reports.size(), 1u);
    EXPECT_NE(local.reports[0].text.find(std::strerror(ENOENT)), std::string::npos)
        << local.reports[0].text;
}

// Permissions bind only ordinary users: a privileged run drops to an
// unprivileged user in a child process.
TEST_F(ReaderFiles, FileWithoutReadPermissionIsAFileError) {
    ASSERT_TRUE(dir.Ok());
    const std::string path = dir.File("secret.ini");
    ASSERT_TRUE(WriteFile(path, "a=1\n"));
    ASSERT_EQ(chmod(path.c_str(), 0000), 0);
    ASSERT_EQ(chmod(dir.Path().c_str(), 0755), 0);
    pid_t child = fork();
    if (child == 0) {
        const uid_t nobody = 65534;
        if (geteuid() == 0 && (setgid(nobody) != 0 || setuid(nobody) != 0)) {
            _exit(99);
        }
        RecordingReporter local;
        ConfigTree tree(path);
        int faults = 0;
        if (tree.Read(true, local) != ReadResult::FileError || tree.isRead) {
            faults |= 1;
        }
        if (local.reports.size() != 1 || local.reports[0].kind != ReportKind::FileError ||
            local.reports[0].text.find(path) == std::string::npos ||
            local.reports[0].text.find(std::strerror(EACCES)) == std::string::npos) {
            faults |= 2;
        }
        _exit(faults);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 99) {
        GTEST_SKIP() << "cannot switch to an unprivileged user";
    }
    EXPECT_EQ(WEXITSTATUS(status), 0) << "bits: 1 result, 2 report";
}

}  // namespace
}  // namespace rw::test
