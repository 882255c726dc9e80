#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "TreeTestSupport.h"
#include "tree/ConfigTree.h"

namespace rw::test {
namespace {

using namespace std::string_literals;

TEST(Writer, EmptyTreeGivesEmptyText) {
    RecordingReporter reporter;
    EXPECT_EQ(TreeFromText("", reporter)->ToText(), "");
    ConfigTree unsaved{std::string(kUnsavedPath)};
    unsaved.Read(false, reporter);
    EXPECT_EQ(unsaved.ToText(), "");
}

TEST(Writer, EveryKindInItsOutputForm) {
    RecordingReporter reporter;
    auto tree = TreeFromText(
        ";top comment\n"
        "\n"
        "car\n"
        "{\n"
        "\t\t; inner comment\n"
        "  wheels = 4\n"
        "gears=3\n"
        "{\n"
        "  \n"
        "lone\n"
        "}\n"
        "pacejka~pacejka_default\n"
        "w1 ~ w0\n"
        "{\n"
        "mass=20\n"
        "}\n"
        "}\n",
        reporter, false);
    EXPECT_EQ(Visible(tree->ToText()), Visible(";top comment\r\n"
                                               "\r\n"
                                               "car\r\n"
                                               "{\r\n"
                                               "   ; inner comment\r\n"
                                               "   wheels=4\r\n"
                                               "   gears=3\r\n"
                                               "   {\r\n"
                                               "\r\n"
                                               "      lone\r\n"
                                               "   }\r\n"
                                               "   pacejka~pacejka_default\r\n"
                                               "   {\r\n"
                                               "   }\r\n"
                                               "   w1 ~ w0\r\n"
                                               "   {\r\n"
                                               "      mass=20\r\n"
                                               "   }\r\n"
                                               "}\r\n"));
}

TEST(Writer, NodesMadeByTheSettersAreWritten) {
    RecordingReporter reporter;
    auto tree = TreeFromText("car\n{\nwheels=4\ntwin=1\ntwin=2\n}\n", reporter);
    tree->SetString("car.cg.x", "0.5");
    tree->SetString("wheel0.pacejka~pacejka_default.", "");
    tree->SetString("engine.", "");
    tree->SetString("car.wheels.note", "kept");  // a value with children
    tree->AddCommentBefore("car.cg", " centre of gravity");
    tree->SetString("car.twin", "one");  // the first of two
    EXPECT_EQ(Visible(tree->ToText()), Visible("car\r\n"
                                               "{\r\n"
                                               "   wheels=4\r\n"
                                               "   {\r\n"
                                               "      note=kept\r\n"
                                               "   }\r\n"
                                               "   twin=one\r\n"
                                               "   twin=2\r\n"
                                               "   ; centre of gravity\r\n"
                                               "   cg\r\n"
                                               "   {\r\n"
                                               "      x=0.5\r\n"
                                               "   }\r\n"
                                               "}\r\n"
                                               "wheel0\r\n"
                                               "{\r\n"
                                               "   pacejka~pacejka_default\r\n"
                                               "   {\r\n"
                                               "   }\r\n"
                                               "}\r\n"
                                               "engine\r\n"
                                               "{\r\n"
                                               "}\r\n"));
    // The block named like an inheritance line comes back as one.
    auto reread = TreeFromText(tree->ToText(), reporter);
    const TreeNode* pacejka = reread->Find("wheel0.pacejka");
    ASSERT_NE(pacejka, nullptr);
    EXPECT_EQ(pacejka->kind, NodeKind::InheritBlock);
    EXPECT_EQ(pacejka->value, "pacejka_default");
}

struct BreakCase {
    const char* label;
    std::string text;     // set as name part, value and comment
    std::string written;  // how each is written
};

// Test names show the case's label, not its bytes.
void PrintTo(const BreakCase& c, std::ostream* out) {
    *out << c.label;
}

class WriterLineBreaks : public ::testing::TestWithParam<BreakCase> {};

// Text pasted into a field must not split the line it is written on.
TEST_P(WriterLineBreaks, AreWrittenAsOneBlank) {
    const BreakCase& c = GetParam();
    RecordingReporter reporter;
    ConfigTree tree{std::string(kUnsavedPath)};
    tree.Read(false, reporter);
    tree.SetString("car.value", c.text);
    tree.SetString("car.n" + c.text + "m", "1");
    tree.SetString("car.block.", c.text);
    tree.SetString("car.block.x", "1");
    tree.AddCommentBefore("car.value", c.text);
    const std::string expected = "car\r\n{\r\n   ;" + c.written + "\r\n   value=" + c.written +
                                 "\r\n   n" + c.written + "m=1\r\n   block=" + c.written +
                                 "\r\n   {\r\n      x=1\r\n   }\r\n}\r\n";
    const std::string text = tree.ToText();
    EXPECT_EQ(Visible(text), Visible(expected));

    // The line structure survives: the same nodes come back.
    auto reread = TreeFromText(text, reporter);
    EXPECT_EQ(reread->root->children.size(), 1u);
    EXPECT_EQ(reread->root->children[0]->children.size(), 4u);
    EXPECT_EQ(reread->ToText(), text);
}

INSTANTIATE_TEST_SUITE_P(Tree, WriterLineBreaks,
                         ::testing::Values(BreakCase{"Lf", "a\nb", "a b"},
                                           BreakCase{"CrLf", "a\r\nb", "a b"},
                                           BreakCase{"LoneCrKept", "a\rb", "a\rb"},
                                           BreakCase{"CrCrLf", "a\r\r\nb", "a\r b"},
                                           BreakCase{"Several", "a\n\r\nb\nc", "a  b c"}),
                         [](const ::testing::TestParamInfo<BreakCase>& info) {
                             return std::string(info.param.label);
                         });

TEST(Writer, LeadingSpacesOfASetValueAreLostOnTheNextRead) {
    RecordingReporter reporter;
    auto tree = TreeFromText("a\n{\n}\n", reporter);
    tree->SetString("a.b", "  spaced");
    EXPECT_EQ(tree->ToText(), "a\r\n{\r\n   b=  spaced\r\n}\r\n");
    std::string value;
    EXPECT_TRUE(TreeFromText(tree->ToText(), reporter)->GetString("a.b", value));
    EXPECT_EQ(value, "spaced");
}

// A read followed by a save gives the file in the writer's form; from then on
// read and save change nothing, byte for byte.
struct RoundCase {
    const char* label;
    std::string input;
    std::string firstSave;
};

void PrintTo(const RoundCase& c, std::ostream* out) {
    *out << c.label;
}

class WriterRoundTrip : public ::testing::TestWithParam<RoundCase> {};

TEST_P(WriterRoundTrip, NormalisesOnceThenIsStable) {
    const RoundCase& c = GetParam();
    RecordingReporter reporter;
    const std::string first = TreeFromText(c.input, reporter, false)->ToText();
    EXPECT_EQ(Visible(first), Visible(c.firstSave));
    auto second = TreeFromText(first, reporter, false);
    EXPECT_EQ(Visible(second->ToText()), Visible(first));
    EXPECT_EQ(Dump(*second), Dump(*TreeFromText(c.input, reporter, false)));
}

INSTANTIATE_TEST_SUITE_P(
    Tree, WriterRoundTrip,
    ::testing::Values(RoundCase{"AlreadyCanonical", "a=1\r\n\r\nb\r\n{\r\n   c=2\r\n}\r\n",
                                "a=1\r\n\r\nb\r\n{\r\n   c=2\r\n}\r\n"},
                      RoundCase{"FinalBreakAddsNoBlank", "a=1\n", "a=1\r\n"},
                      RoundCase{"FinalBlankLineStays", "a=1\n\n", "a=1\r\n\r\n"},
                      RoundCase{"IndentAndSpacesRegenerated", "\tb \n  {  \n\t\tc  =  2  \n }\n",
                                "b\r\n{\r\n   c=2\r\n}\r\n"},
                      RoundCase{"BraceTextDropped", "b\n{ x\nc=2\n} y\n",
                                "b\r\n{\r\n   c=2\r\n}\r\n"},
                      RoundCase{"InheritGainsBraces", "a~b\nc=1\n", "a~b\r\n{\r\n}\r\nc=1\r\n"},
                      RoundCase{"StrayOpenDropped", "\n{\nc=1\n", "\r\nc=1\r\n"},
                      RoundCase{"SurplusCloseDropped", "a=1\n}\nb=2\n", "a=1\r\nb=2\r\n"},
                      RoundCase{"LoneNameStays", "lone\n", "lone\r\n"},
                      RoundCase{"LoneCrAndNulStay", "a\rb=c\0d\n"s, "a\rb=c\0d\r\n"s},
                      RoundCase{"DuplicatesStay", "e\n{\n}\ne\n{\nx=1\n}\n",
                                "e\r\n{\r\n}\r\ne\r\n{\r\n   x=1\r\n}\r\n"}),
    [](const ::testing::TestParamInfo<RoundCase>& info) { return std::string(info.param.label); });

TEST(Writer, ExampleCarIsAFixedPointAfterOneSave) {
    const std::string sample =
        ReadFile(std::string(RIGWRIGHT_SOURCE_DIR) + "/examples/sample-car.ini");
    if (sample.empty()) {
        GTEST_SKIP() << "examples/sample-car.ini not present";
    }
    RecordingReporter reporter;
    auto tree = TreeFromText(sample, reporter);
    EXPECT_TRUE(reporter.reports.empty()) << reporter.reports[0].text;
    const std::string first = tree->ToText();
    EXPECT_EQ(TreeFromText(first, reporter)->ToText(), first);
}

}  // namespace
}  // namespace rw::test
