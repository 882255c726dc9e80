#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <optional>

#include "TreeTestSupport.h"
#include "tree/Numbers.h"

namespace rw::test {
namespace {

const char* const kCar =
    "car\n{\nwheels=4\ncg\n{\nx=0.5\n}\n}\n"
    "engine\n{\nidle_rpm=800\n}\nengine\n{\nidle_rpm=900\n}\n"
    "wheel0\n{\nmass=20\nradius=0.3\ntyre\n{\ngrip=1.1\nwear=0\n}\n}\n"
    "wheel1~wheel0\n{\nradius=0.31\ntyre\n{\nwear=1\n}\n}\n"
    "wheel2~wheel1\nwheel3~nowhere\n"
    "sets\n{\nbase\n{\ntoe=0.1\n}\nrace~sets.base\n}\n";

std::string Get(const ConfigTree& tree, std::string_view path) {
    std::string value = "junk";
    return tree.GetString(path, value) ? value : value.empty() ? "-" : "<not cleared>";
}

// The values at the paths, each ended by "|"; "-" for a missing one.
std::string GetAll(const ConfigTree& tree, std::initializer_list<const char*> paths) {
    std::string out;
    for (const char* path : paths) {
        out += Get(tree, path) + "|";
    }
    return out;
}

TEST(PathAccess, LookupsResolveThroughBlocksAndReferences) {
    auto tree = TreeFromText(kCar);
    // Names are case-sensitive, the first of two same-named blocks counts, an
    // inheriting block's own keys win, nothing is redirected below a child
    // that was found, and references are full paths from the root.
    EXPECT_EQ(GetAll(*tree, {"car.wheels", "car.cg.x", "car.cg", "Car.wheels", "car.wheels.x",
                             "engine.idle_rpm", "wheel1.mass", "wheel1.radius", "wheel1.tyre.wear",
                             "wheel1.tyre.grip", "wheel2.mass", "wheel2.radius", "wheel3.mass",
                             "wheel3", "sets.race.toe", "", "car."}),
              "4|0.5||-|-|800|20|0.31|1|-|20|0.31|-|nowhere|0.1|-|-|");
    tree->followInherit = false;
    EXPECT_EQ(Get(*tree, "wheel1.mass"), "-");
    std::int32_t number = 7;
    float real = 7;
    bool flag = true;
    EXPECT_FALSE(tree->GetInt("car.none", number) || tree->GetFloat("car.none", real) ||
                 tree->GetBool("car.none", flag));
    EXPECT_TRUE(number == 0 && real == 0.0f && !flag);
    // A tree whose file could not be read finds and takes nothing.
    ConfigTree unread{"/nonexistent/car.ini"};
    EXPECT_EQ(unread.Find("car.wheels"), nullptr);
    EXPECT_TRUE(unread.Read());
    unread.SetString("car.wheels", "4");
    EXPECT_EQ(Get(unread, "car.wheels"), "-");
}

TEST(PathAccess, SettersAndCommentsChangeTheRightNodes) {
    auto tree = TreeFromText(kCar);
    tree->AddCommentBefore("wheel1.mass", "inherited");  // lands before wheel0's
    tree->SetFloat("wheel1.mass", 25.5f);                // an override, not a change of wheel0
    tree->SetString("wheel2.radius", "0.4");
    tree->SetInt("engine.idle_rpm", 850);
    tree->SetString("car.cg", "centre");
    tree->SetString("body.cg.x", "1");
    tree->SetString("car.wheels.count", "4");
    tree->AddCommentBefore("car.wheels", " count");
    tree->AddCommentBefore("car.wheels", " second");
    tree->AddCommentBefore("car.missing", "never");
    EXPECT_TRUE(tree->followInherit);
    EXPECT_EQ(GetAll(*tree, {"wheel0.mass", "wheel1.mass"}), "20|25.5|");
    EXPECT_EQ(Dump(*tree->Find("wheel1")), "V radius=0.31|B tyre|.V wear=1|V mass=25.5|");
    EXPECT_EQ(Dump(*tree->Find("wheel2")), "V radius=0.4|");
    EXPECT_EQ(Dump(*tree->Find("car")),
              "C ; count|C ; second|B wheels=4|.V count=4|B cg=centre|.V x=0.5|");
    EXPECT_EQ(Dump(*tree->root->children[2]), "V idle_rpm=900|");
    EXPECT_EQ(Dump(*tree->root->children.back()), "B cg|.V x=1|");  // "body", appended
    EXPECT_EQ(Dump(*tree->Find("wheel0")).substr(0, 23), "C ;inherited|V mass=20|");
    EXPECT_EQ(tree->ToText().find("never"), std::string::npos);
}

// Small blocks are searched and large ones indexed; both find the first child
// of a name, also after keys and comments were added, up to a million keys.
TEST(ChildIndex, TheFirstOfANameWins) {
    for (int keys : {3, 1000, 1000000}) {
        std::string text;
        for (int i = 0; i < keys; ++i) {
            text += "k" + std::to_string(i) + "=" + std::to_string(i) + "\n";
        }
        auto tree = TreeFromText(text + "k1=second\n; note\n");
        const std::string last = "k" + std::to_string(keys - 1);
        EXPECT_EQ(GetAll(*tree, {"k1", last.c_str(), "", "k1000000"}),
                  "1|" + std::to_string(keys - 1) + "|; note|-|");  // "": the first nameless
        tree->AddCommentBefore("k1", "one");
        EXPECT_EQ(Get(*tree, ""), ";one") << keys;
        tree->AddCommentBefore("k0", "zero");
        tree->AddCommentBefore("k2", "two");
        tree->SetString("new", "n");
        tree->SetString("k1", "changed");
        EXPECT_EQ(GetAll(*tree, {"", "new", "k1"}), ";zero|n|changed|") << keys;
        EXPECT_NE(tree->ToText().find("k1=second\r\n"), std::string::npos) << keys;
    }
}

// A reference loop must end the lookup, not the program; setters, which do
// not follow references, make a local key.
TEST(Inheritance, CyclesFindNothing) {
    for (const char* text : {"a~a\n", "a~b\nb~a\n", "a~b\nb~c\nc~a\n", "a~b\n{\n}\nb~c\nc~b\n",
                             "a~a.s\n{\ns~a\n}\n"}) {
        auto tree = TreeFromText(text);
        EXPECT_EQ(tree->Find("a.x"), nullptr) << Visible(text);
        EXPECT_EQ(Get(*tree, "a.x.y"), "-") << Visible(text);
        tree->SetString("a.x", "1");
        EXPECT_EQ(Get(*tree, "a.x"), "1") << Visible(text);
    }
}

TEST(Inheritance, ChainsResolveUpToTheBound) {
    for (int links : {1, kMaxInheritHops, kMaxInheritHops + 1, 100000}) {
        std::string text;
        for (int i = 0; i < links; ++i) {
            text += "n" + std::to_string(i) + "~n" + std::to_string(i + 1) + "\n";
        }
        auto tree = TreeFromText(text + "n" + std::to_string(links) + "\n{\nx=deep\n}\n");
        EXPECT_EQ(Get(*tree, "n0.x"), links <= kMaxInheritHops ? "deep" : "-") << links;
        EXPECT_EQ(Get(*tree, "n0.y"), "-") << links;
    }
}

// GetBool takes only "1"; setters write "%i", "1" or "0",
// and "%.6f" without trailing zeros, never "nan" or "inf".
TEST(TypedValues, ConvertThroughTheText) {
    auto tree = TreeFromText("car\n{\n}\n");
    tree->SetString("car.b", " 1");
    float real = 0;
    bool flag = true;
    EXPECT_TRUE(tree->GetBool("car.b", flag) && !flag);
    const float inf = std::numeric_limits<float>::infinity();
    std::string written;
    for (float value : {2.0f, -0.25f, 0.1f, -1e-7f, 123.456f, inf, -inf, inf - inf}) {
        tree->SetFloat("car.v", value);
        EXPECT_TRUE(tree->GetFloat("car.v", real) && std::isfinite(real)) << Get(*tree, "car.v");
        written += Get(*tree, "car.v") + "|";
    }
    EXPECT_EQ(written.substr(0, 26), "2|-0.25|0.1|-0|123.456001|");
    tree->SetInt("car.i", -2147483647 - 1);
    tree->SetBool("car.t", true);
    tree->SetBool("car.f", false);
    EXPECT_EQ(GetAll(*tree, {"car.i", "car.t", "car.f"}), "-2147483648|1|0|");
}

// The editor runs under the user's locale; a decimal comma must not reach the
// file nor change how it or a field is read.
TEST(TypedValues, NumbersIgnoreTheProcessLocale) {
    if (std::setlocale(LC_ALL, "de_DE.UTF-8") == nullptr) {
        GTEST_SKIP() << "locale de_DE.UTF-8 is not installed";
    }
    auto tree = TreeFromText("car\n{\nc=2.75\nd=2,75\n}\n");
    tree->SetFloat("car.a", -1234.125f);
    float c = 0;
    float d = 0;
    tree->GetFloat("car.c", c);
    tree->GetFloat("car.d", d);
    const std::string text = tree->ToText();
    const std::string shortest = ShortestFloat(1.25f) + " " + FormatG(0.5);
    const std::optional<float> strict = ParseFloatStrict("2.5");
    const std::optional<float> comma = ParseFloatStrict("2,5");
    std::setlocale(LC_ALL, "C");
    EXPECT_EQ(text, "car\r\n{\r\n   c=2.75\r\n   d=2,75\r\n   a=-1234.125\r\n}\r\n");
    EXPECT_TRUE(c == 2.75f && d == 2.0f);
    EXPECT_EQ(shortest, "1.25 0.5");
    EXPECT_TRUE(strict == 2.5f && comma == std::nullopt);
}

// Files are untrusted: nesting depth must cost heap, never stack. Saved,
// indentation makes the file grow with the square of the depth.
TEST(Depth, DeepNestingReadsLooksUpSavesAndFrees) {
    for (std::size_t depth : {1000000u, 2000u}) {
        std::string text, path;
        for (std::size_t i = 0; i < depth; ++i) {
            text += "b\n{\n";
            path += "b.";
        }
        Diagnostics met;
        auto tree = TreeFromText(text + "x=deep\n", met.Sink());
        ASSERT_EQ(met.lines.size(), depth);  // the blocks left open
        EXPECT_EQ(Get(*tree, path + "x"), "deep");
        tree->SetString(path + "y", "deeper");
        EXPECT_EQ(Get(*tree, path + "y"), "deeper");
        if (depth > 2000) {
            continue;
        }
        TempDir dir;
        tree->savePath = dir.File("deep.ini");
        ASSERT_FALSE(tree->Save());
        EXPECT_EQ(std::filesystem::file_size(dir.File("deep.ini")),
                  9 * depth * (depth + 1) / 2 + 6 * depth + 18);
        ConfigTree reread(dir.File("deep.ini"));
        Diagnostics again;
        ASSERT_FALSE(reread.Read(again.Sink()));
        EXPECT_TRUE(again.lines.empty());
        EXPECT_EQ(Get(reread, path + "y"), "deeper");
    }
}

}  // namespace
}  // namespace rw::test
