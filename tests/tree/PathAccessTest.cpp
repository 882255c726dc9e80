#include <gtest/gtest.h>

#include <string>

#include "TreeTestSupport.h"
#include "tree/ConfigTree.h"

namespace rw::test {
namespace {

const char* const kCar =
    "car\n"
    "{\n"
    "   wheels=4\n"
    "   cg\n"
    "   {\n"
    "      x=0.5\n"
    "   }\n"
    "}\n"
    "engine\n"
    "{\n"
    "   idle_rpm=800\n"
    "}\n"
    "engine\n"
    "{\n"
    "   idle_rpm=900\n"
    "}\n"
    "wheel0\n"
    "{\n"
    "   mass=20\n"
    "   radius=0.3\n"
    "   tyre\n"
    "   {\n"
    "      grip=1.1\n"
    "      wear=0\n"
    "   }\n"
    "}\n"
    "wheel1~wheel0\n"
    "{\n"
    "   radius=0.31\n"
    "   tyre\n"
    "   {\n"
    "      wear=1\n"
    "   }\n"
    "}\n"
    "wheel2~wheel1\n"
    "wheel3~nowhere\n"
    "sets\n"
    "{\n"
    "   base\n"
    "   {\n"
    "      toe=0.1\n"
    "   }\n"
    "   race~sets.base\n"
    "}\n";

class PathAccess : public ::testing::Test {
protected:
    void SetUp() override { tree = TreeFromText(kCar, reporter); }
    std::string Get(std::string_view path) {
        std::string value = "junk";
        const bool found = tree->GetString(path, value);
        return found ? value : (value.empty() ? "<missing>" : "<missing but set>");
    }
    RecordingReporter reporter;
    std::unique_ptr<ConfigTree> tree;
};

TEST_F(PathAccess, LookupsResolveThroughBlocksAndReferences) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"car.wheels", "4"},
        {"car.cg.x", "0.5"},
        {"car.cg", ""},
        {"Car.wheels", "<missing>"},  // names are case-sensitive
        {"car.wheels.x", "<missing>"},
        {"engine.idle_rpm", "800"},  // the first of two same-named blocks
        {"wheel1.mass", "20"},       // inherited
        {"wheel1.radius", "0.31"},   // overridden
        {"wheel1.tyre.wear", "1"},
        {"wheel1.tyre.grip", "<missing>"},  // below a found child nothing is redirected
        {"wheel2.mass", "20"},              // a chain of references
        {"wheel2.radius", "0.31"},
        {"wheel3.mass", "<missing>"},  // a reference to nothing
        {"wheel3", "nowhere"},
        {"sets.race.toe", "0.1"},  // references are full paths from the root
        {"", "<missing>"},
        {"car.", "<missing>"},
    };
    for (const auto& [path, expected] : cases) {
        EXPECT_EQ(Get(path), expected) << path;
    }
    tree->followInherit = false;
    EXPECT_EQ(Get("wheel1.mass"), "<missing>");
    EXPECT_EQ(Get("wheel1.radius"), "0.31");
}

TEST_F(PathAccess, EmptyComponentMatchesTheFirstNameless) {
    auto other = TreeFromText("a\n{\n; first\n\nx=1\n}\n", reporter);
    const TreeNode* found = other->Find("a.");
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->kind, NodeKind::Comment);
}

TEST_F(PathAccess, NothingIsFoundInATreeThatWasNotRead) {
    ConfigTree unread{std::string(kNullPath)};
    EXPECT_EQ(unread.Find("car.wheels"), nullptr);  // no root at all yet
    unread.Read(true, reporter);
    std::string text = "junk";
    std::int32_t number = 7;
    float real = 7;
    bool flag = true;
    EXPECT_FALSE(unread.GetString("car.wheels", text));
    EXPECT_FALSE(unread.GetInt("car.wheels", number));
    EXPECT_FALSE(unread.GetFloat("car.wheels", real));
    EXPECT_FALSE(unread.GetBool("car.wheels", flag));
    EXPECT_EQ(text, "");
    EXPECT_EQ(number, 0);
    EXPECT_EQ(real, 0.0f);
    EXPECT_FALSE(flag);
}

TEST_F(PathAccess, MissingKeysClearTheOutValues) {
    std::string text = "junk";
    std::int32_t number = 7;
    float real = 7;
    bool flag = true;
    EXPECT_FALSE(tree->GetString("car.nothing", text));
    EXPECT_FALSE(tree->GetInt("car.nothing", number));
    EXPECT_FALSE(tree->GetFloat("car.nothing", real));
    EXPECT_FALSE(tree->GetBool("car.nothing", flag));
    EXPECT_EQ(text, "");
    EXPECT_EQ(number, 0);
    EXPECT_EQ(real, 0.0f);
    EXPECT_FALSE(flag);
}

TEST_F(PathAccess, SettingAnInheritedKeyMakesAnOverride) {
    tree->SetFloat("wheel1.mass", 25.5f);
    EXPECT_TRUE(tree->followInherit);
    EXPECT_EQ(Get("wheel0.mass"), "20");
    EXPECT_EQ(Get("wheel1.mass"), "25.5");
    const TreeNode* wheel1 = tree->Find("wheel1");
    ASSERT_NE(wheel1, nullptr);
    EXPECT_EQ(wheel1->kind, NodeKind::InheritBlock);
    EXPECT_EQ(Dump(*wheel1), Lines({"V radius=0.31", "B tyre", "  V wear=1", "V mass=25.5"}));
    // A reference without braces takes its override as its first child.
    tree->SetString("wheel2.radius", "0.4");
    EXPECT_EQ(Dump(*tree->Find("wheel2")), Lines({"V radius=0.4"}));
    EXPECT_EQ(Get("wheel1.radius"), "0.31");
}

TEST_F(PathAccess, SettersChangeTheFirstOfSameNamedNodes) {
    tree->SetInt("engine.idle_rpm", 850);
    EXPECT_EQ(tree->root->children[1]->children[0]->value, "850");
    EXPECT_EQ(tree->root->children[2]->children[0]->value, "900");
}

TEST_F(PathAccess, CreateAppendsMissingBlocksInOrder) {
    RecordingReporter local;
    auto fresh = TreeFromText("x=1\ncar\n{\nwheels=4\n}\n", local);
    fresh->SetString("car.cg.x", "0.25");
    fresh->SetString("body.mass", "1200");
    EXPECT_EQ(Dump(*fresh), Lines({"V x=1", "B car", "  V wheels=4", "  B cg", "    V x=0.25",
                                   "B body", "  V mass=1200"}));
    EXPECT_TRUE(ParentLinksHold(*fresh->root));
}

TEST_F(PathAccess, PathEndingInDotMakesABlock) {
    RecordingReporter local;
    auto fresh = TreeFromText("wheel0\n{\n}\nname=x\n", local);
    fresh->SetString("wheel0.pacejka~pacejka_default.", "");
    fresh->SetString("name.", "y");  // an existing value becomes a block
    EXPECT_EQ(Dump(*fresh), Lines({"B wheel0", "  B pacejka~pacejka_default", "B name=y"}));
}

// Keys below a value or a lone name would be lost on save unless the parent
// becomes a block.
TEST_F(PathAccess, CreateBelowAValueOrLoneNameMakesItABlock) {
    RecordingReporter local;
    auto fresh = TreeFromText("car\n{\ngears=3\nlone\n}\n", local, false);
    fresh->SetString("car.gears.gear0", "3.5");
    fresh->SetInt("car.lone.count", 2);
    EXPECT_EQ(Dump(*fresh),
              Lines({"B car", "  B gears=3", "    V gear0=3.5", "  B lone", "    V count=2"}));
    auto reread = TreeFromText(fresh->ToText(), local);
    EXPECT_EQ(Dump(*reread), Dump(*fresh));
}

TEST_F(PathAccess, SetOnABlockGivesItAValue) {
    tree->SetString("car.cg", "centre");
    EXPECT_EQ(tree->Find("car.cg")->kind, NodeKind::Block);
    EXPECT_NE(tree->ToText().find("   cg=centre\r\n   {\r\n      x=0.5\r\n   }\r\n"),
              std::string::npos);
}

TEST_F(PathAccess, CommentsGoDirectlyBeforeTheirNode) {
    tree->AddCommentBefore("car.wheels", " count");
    tree->AddCommentBefore("car.wheels", " second");
    tree->AddCommentBefore("car.cg.x", "forward");
    tree->AddCommentBefore("car.missing", "never");
    tree->AddCommentBefore("wheel1.mass", "inherited");  // lands before wheel0's mass
    EXPECT_EQ(Dump(*tree->Find("car")), Lines({"C ; count", "C ; second", "V wheels=4", "B cg",
                                               "  C ;forward", "  V x=0.5"}));
    EXPECT_EQ(tree->ToText().find("never"), std::string::npos);
    EXPECT_EQ(Dump(*tree->Find("wheel0")).substr(0, 16), "C ;inherited\nV m");
}

// Small blocks are searched and large ones indexed; both find the first child
// of a name, also after keys and comments were added.
TEST(ChildIndex, TheFirstOfANameWinsInSmallAndLargeBlocks) {
    for (int keys : {3, 1000}) {
        std::string text = "b\n{\n";
        for (int i = 0; i < keys; ++i) {
            text += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
        }
        text += "k1=second\n; note\n}\n";
        RecordingReporter reporter;
        auto tree = TreeFromText(text, reporter);
        auto get = [&](std::string_view path) {
            const TreeNode* node = tree->Find(path);
            return node != nullptr ? std::string(node->value) : "<missing>";
        };
        EXPECT_EQ(get("b.k1"), "1") << keys;
        EXPECT_EQ(get("b.k" + std::to_string(keys - 1)), std::to_string(keys - 1)) << keys;
        EXPECT_EQ(get("b."), "; note") << keys;  // the first nameless child
        tree->AddCommentBefore("b.k1", "one");
        EXPECT_EQ(get("b."), ";one") << keys;
        tree->AddCommentBefore("b.k0", "zero");
        tree->AddCommentBefore("b.k2", "two");
        EXPECT_EQ(get("b."), ";zero") << keys;
        tree->SetString("b.new", "n");
        tree->SetString("b.k1", "changed");
        EXPECT_EQ(get("b.new"), "n") << keys;
        EXPECT_EQ(get("b.k1"), "changed") << keys;
        EXPECT_NE(tree->ToText().find("k1=second\r\n"), std::string::npos) << keys;
        EXPECT_EQ(get("b.k1000"), "<missing>") << keys;
    }
}

TEST(ChildIndex, AMillionKeysAtTheTopLevel) {
    constexpr int kKeys = 1000000;
    std::string text;
    for (int i = 0; i < kKeys; ++i) {
        text += "k" + std::to_string(i) + "\n{\nx=" + std::to_string(i) + "\n}\n";
    }
    RecordingReporter reporter;
    auto tree = TreeFromText(text, reporter);
    std::string value;
    for (int i : {0, kKeys / 2, kKeys - 1}) {
        EXPECT_TRUE(tree->GetString("k" + std::to_string(i) + ".x", value)) << i;
        EXPECT_EQ(value, std::to_string(i));
    }
    tree->SetString("k" + std::to_string(kKeys) + ".x", "new");
    EXPECT_TRUE(tree->GetString("k" + std::to_string(kKeys) + ".x", value));
    EXPECT_EQ(value, "new");
    EXPECT_EQ(tree->root->children.size(), std::size_t{kKeys} + 1);
}

// A reference loop must end the lookup, not the program; a long chain that
// ends somewhere must still resolve.
TEST(Inheritance, CyclesFindNothing) {
    const std::vector<std::string> files = {
        "a~a\n", "a~b\nb~a\n", "a~b\nb~c\nc~a\n", "a~b\n{\n}\nb~c\nc~b\n", "a~a.s\n{\ns~a\n}\n",
    };
    for (const std::string& text : files) {
        RecordingReporter reporter;
        auto tree = TreeFromText(text, reporter);
        std::string value;
        EXPECT_EQ(tree->Find("a.x"), nullptr) << Visible(text);
        EXPECT_FALSE(tree->GetString("a.x.y", value)) << Visible(text);
        EXPECT_NE(tree->Find("a"), nullptr) << Visible(text);
        // Setters do not follow references, so they make a local key.
        tree->SetString("a.x", "1");
        EXPECT_TRUE(tree->GetString("a.x", value)) << Visible(text);
        EXPECT_EQ(value, "1");
    }
}

// n0 refers to n1, and so on; the last one holds the key.
std::string Chain(int links) {
    std::string text;
    for (int i = 0; i < links; ++i) {
        text += "n" + std::to_string(i) + "~n" + std::to_string(i + 1) + "\n";
    }
    return text + "n" + std::to_string(links) + "\n{\nx=deep\n}\n";
}

TEST(Inheritance, ChainsResolveUpToTheBound) {
    const std::vector<std::pair<int, bool>> cases = {
        {1, true}, {kMaxInheritHops, true}, {kMaxInheritHops + 1, false}, {100000, false}};
    for (const auto& [links, found] : cases) {
        RecordingReporter reporter;
        auto tree = TreeFromText(Chain(links), reporter);
        std::string value;
        EXPECT_EQ(tree->GetString("n0.x", value), found) << links;
        EXPECT_EQ(value, found ? "deep" : "") << links;
        EXPECT_FALSE(tree->GetString("n0.y", value)) << links;
    }
}

}  // namespace
}  // namespace rw::test
