#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "document/CarDocument.h"

namespace rw {
namespace {

class SilentReporter : public Reporter {
public:
    void Show(const Report& report) override { reports.push_back(report); }
    std::vector<Report> reports;
};

// Every node below the root, depth first, without recursion.
std::vector<const TreeNode*> AllNodes(const TreeNode& root) {
    std::vector<const TreeNode*> nodes;
    std::vector<const TreeNode*> pending{&root};
    while (!pending.empty()) {
        const TreeNode* node = pending.back();
        pending.pop_back();
        if (node != &root) {
            nodes.push_back(node);
        }
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
            pending.push_back(it->get());
        }
    }
    return nodes;
}

class DefaultCarTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(tree.Read(false, reporter), ReadResult::Success);
        BuildDefaultCar(tree);
        text = tree.ToText();
    }

    std::vector<std::string> Lines() const {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = text.find("\r\n", start);
            if (end == std::string::npos) {
                lines.push_back(text.substr(start));
                break;
            }
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }

    SilentReporter reporter;
    ConfigTree tree{std::string(kUnsavedPath)};
    std::string text;
};

TEST_F(DefaultCarTest, BeginsWithTheHeaderAndCarBlock) {
    const std::string header =
        ";\r\n"
        "; TAVIX car.ini\r\n"
        "; Compatible with 0.5.0 beta 10\r\n"
        ";\r\n"
        "; Template data taken from Pelmar, and comments\r\n"
        "; duplicated from the default car.ini.\r\n"
        ";\r\n"
        "car\r\n"
        "{\r\n"
        "   name=\r\n"
        "   year=\r\n"
        "   credits=\r\n"
        "   comments=\r\n"
        "   id=\r\n"
        "   version=050b10\r\n"
        "   wheels=4\r\n"
        "   ; Skid sound file\r\n"
        "   skid\r\n"
        "   {\r\n"
        "      sample=\r\n"
        "   }\r\n";
    EXPECT_EQ(text.substr(0, header.size()), header);
}

TEST_F(DefaultCarTest, Has549CrLfLines) {
    const std::vector<std::string> lines = Lines();
    EXPECT_EQ(lines.size(), 549u);
    EXPECT_EQ(text.size() >= 2 ? text.substr(text.size() - 2) : "", "\r\n");
    for (const std::string& line : lines) {
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << line;
    }
    EXPECT_EQ(lines.back(), "}");
}

TEST_F(DefaultCarTest, NodeCountsAndPresetValues) {
    std::map<NodeKind, int> counts;
    std::vector<std::pair<std::string, std::string>> nonEmpty;
    for (const TreeNode* node : AllNodes(*tree.root)) {
        ++counts[node->kind];
        if (node->kind == NodeKind::Value && !node->value.empty()) {
            std::string path = node->name;
            for (const TreeNode* up = node->parent; up != tree.root.get(); up = up->parent) {
                path = up->name + "." + path;
            }
            nonEmpty.emplace_back(path, node->value);
        }
    }
    EXPECT_EQ(counts[NodeKind::Value], 280);
    EXPECT_EQ(counts[NodeKind::Comment], 95);
    EXPECT_EQ(counts[NodeKind::BlankLine], 0);
    EXPECT_EQ(counts[NodeKind::InheritBlock], 0);
    EXPECT_EQ(counts[NodeKind::LoneName], 0);
    EXPECT_EQ(counts[NodeKind::Block], 58);
    const std::vector<std::pair<std::string, std::string>> presets = {
        {"car.version", "050b10"}, {"car.wheels", "4"}, {"aero.body.center", "0 0 0"}};
    EXPECT_EQ(nonEmpty, presets);
}

TEST_F(DefaultCarTest, TopLevelBlocksInOrder) {
    std::vector<std::string> names;
    for (const auto& child : tree.root->children) {
        if (child->kind != NodeKind::Comment) {
            names.push_back(child->name);
        }
    }
    const std::vector<std::string> expected = {"car",
                                               "body",
                                               "steer",
                                               "engine",
                                               "gearbox",
                                               "clutch",
                                               "handbrakes",
                                               "differential",
                                               "aero",
                                               "antirollbar",
                                               "susp0",
                                               "susp1",
                                               "susp2",
                                               "susp3",
                                               "tire_model_front",
                                               "tire_model_rear",
                                               "pacejka_default",
                                               "wheel0",
                                               "wheel1",
                                               "wheel2",
                                               "wheel3",
                                               "camera0"};
    EXPECT_EQ(names, expected);
}

TEST_F(DefaultCarTest, EachWheelEndsWithAnEmptyPacejkaBlock) {
    int found = 0;
    for (const TreeNode* node : AllNodes(*tree.root)) {
        if (node->name == "pacejka~pacejka_default") {
            ++found;
            EXPECT_EQ(node->kind, NodeKind::Block);
            EXPECT_TRUE(node->value.empty());
            EXPECT_TRUE(node->children.empty());
            ASSERT_NE(node->parent, nullptr);
            EXPECT_EQ(node->parent->name.rfind("wheel", 0), 0u);
            EXPECT_EQ(node->parent->children.back().get(), node);
        }
    }
    EXPECT_EQ(found, 4);
    EXPECT_NE(text.find("   model_brake\r\n   {\r\n      file=\r\n   }\r\n"
                        "   pacejka~pacejka_default\r\n   {\r\n   }\r\n}\r\ncamera0\r\n"),
              std::string::npos);
}

TEST_F(DefaultCarTest, ExactCommentsAndKeyRuns) {
    const char* runs[] = {
        "   ; min_torque=-braking_coeff*rps    (rps = rpm/60)\r\n",
        "   ; Then   : rps=14500/60 = 241, negative torque = -0.74*241 = -180 Nm\r\n"
        "   braking_coeff=\r\n",
        "   ;Viscous rpm difference coefficient\r\n   locking_coeff=\r\n",
        "   ; For Salisbury Differentials. Not yet implemeneted\r\n   clutch_factor=\r\n",
        "   a10=\r\n   a111=\r\n   a112=\r\n   a12=\r\n",
        "   ;\r\n   ; Longitudinal Force\r\n   b0=\r\n",
        "   ; Relative location (to body)\r\n   x=\r\n",
        "   ; Roll center (lateral forces are applied here; relative to suspension)\r\n"
        "   roll_center\r\n   {\r\n      x=\r\n",
        "   shifting\r\n   {\r\n      automatic=\r\n      ; Automatic shifting duration\r\n"
        "      time_to_declutch=\r\n",
        "   ; In N/m (! not N/cm)\r\n   tire_rate=\r\n",
    };
    for (const char* run : runs) {
        EXPECT_NE(text.find(run), std::string::npos) << run;
    }
    EXPECT_EQ(text.find("   a11="), std::string::npos);
    // Only susp0 and wheel0 carry comments.
    const std::size_t susp1 = text.find("\r\nsusp1\r\n");
    const std::size_t tireFront = text.find("\r\ntire_model_front\r\n");
    ASSERT_NE(susp1, std::string::npos);
    ASSERT_NE(tireFront, std::string::npos);
    EXPECT_EQ(text.substr(susp1, tireFront - susp1).find(';'), std::string::npos);
    const std::size_t wheel1 = text.find("\r\nwheel1\r\n");
    ASSERT_NE(wheel1, std::string::npos);
    EXPECT_EQ(text.find(';', wheel1), std::string::npos);
}

TEST_F(DefaultCarTest, ReadsBackWithInheritingWheels) {
    ConfigTree reread{"default.ini"};
    reread.ReadText(text, true, reporter);
    EXPECT_TRUE(reporter.reports.empty());
    for (const char* wheel : {"wheel0", "wheel1", "wheel2", "wheel3"}) {
        SCOPED_TRACE(wheel);
        const TreeNode* block = nullptr;
        for (const auto& child : reread.root->children) {
            if (child->name == wheel) {
                block = child.get();
                break;
            }
        }
        ASSERT_NE(block, nullptr);
        ASSERT_FALSE(block->children.empty());
        const TreeNode& last = *block->children.back();
        EXPECT_EQ(last.kind, NodeKind::InheritBlock);
        EXPECT_EQ(last.name, "pacejka");
        EXPECT_EQ(last.value, "pacejka_default");
    }
    std::string pacejka;
    EXPECT_TRUE(reread.GetString("wheel2.pacejka.a0", pacejka));
}

}  // namespace
}  // namespace rw
