#include <gtest/gtest.h>

#include <array>
#include <string>

#include "FormTestTree.h"
#include "forms/MiscForm.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

using test::Keys;

Keys Bars(const std::string& count, const std::vector<std::array<std::string, 3>>& bars) {
    Keys keys = {{"antirollbar.count", count}};
    for (std::size_t b = 0; b < bars.size(); ++b) {
        const std::string prefix =
            "antirollbar.arb" + FormatInt(static_cast<std::int32_t>(b)) + ".";
        keys.emplace_back(prefix + "susp_left", bars[b][0]);
        keys.emplace_back(prefix + "susp_right", bars[b][1]);
        keys.emplace_back(prefix + "k", bars[b][2]);
    }
    return keys;
}

std::array<std::string, 3> StoredBar(const ConfigTree& tree, int index) {
    const std::string prefix = "antirollbar.arb" + FormatInt(index) + ".";
    return {test::ValueAt(tree, prefix + "susp_left"), test::ValueAt(tree, prefix + "susp_right"),
            test::ValueAt(tree, prefix + "k")};
}

TEST(MiscForm, BarsReduceToFrontAndRear) {
    struct Case {
        const char* name;
        Keys file;
        bool front;
        std::int32_t frontK;
        bool rear;
        std::int32_t rearK;
    };
    const Case cases[] = {
        {"rear bar joining 3 and 2", Bars("1", {{"3", "2", "500"}}), false, 0, true, 500},
        {"front and rear", Bars("2", {{"2", "3", "400"}, {"1", "0", "800"}}), true, 800, true, 400},
        {"last of one pair wins", Bars("2", {{"0", "1", "100"}, {"0", "1", "200"}}), true, 200,
         false, 0},
        {"other pairs ignored", Bars("2", {{"0", "3", "100"}, {"1", "2", "200"}}), false, 0, false,
         0},
        {"count limits the bars read", Bars("1", {{"0", "1", "100"}, {"2", "3", "200"}}), true, 100,
         false, 0},
        {"count beyond the bars present", Bars("5", {{"2", "3", "300"}}), false, 0, true, 300},
        {"no bars", {}, false, 0, false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MiscForm form;
        form.FillFromTree(*test::TreeWith(c.file));
        EXPECT_EQ(form.frontBar, c.front);
        EXPECT_EQ(form.frontStiffness, c.frontK);
        EXPECT_EQ(form.rearBar, c.rear);
        EXPECT_EQ(form.rearStiffness, c.rearK);
        EXPECT_EQ(form.Enables().frontStiffness, c.front);
        EXPECT_EQ(form.Enables().rearStiffness, c.rear);
    }
}

TEST(MiscForm, BarsAreRewrittenFrontFirst) {
    using Bar = std::array<std::string, 3>;
    {
        SCOPED_TRACE("rear only, saved unchanged");
        const auto tree = test::TreeWith(Bars("1", {{"3", "2", "500"}}));
        MiscForm form;
        form.FillFromTree(*tree);
        form.StoreToTree(*tree);
        EXPECT_EQ(test::ValueAt(*tree, "antirollbar.count"), "1");
        EXPECT_EQ(StoredBar(*tree, 0), (Bar{"2", "3", "500"}));
    }
    {
        SCOPED_TRACE("front ticked as well");
        const auto tree = test::TreeWith(Bars("1", {{"3", "2", "500"}}));
        MiscForm form;
        form.FillFromTree(*tree);
        form.frontBar = true;
        form.frontStiffness = 700;
        form.StoreToTree(*tree);
        EXPECT_EQ(test::ValueAt(*tree, "antirollbar.count"), "2");
        EXPECT_EQ(StoredBar(*tree, 0), (Bar{"0", "1", "700"}));
        EXPECT_EQ(StoredBar(*tree, 1), (Bar{"2", "3", "500"}));
    }
    {
        SCOPED_TRACE("both unticked: count 0, old bars stay");
        const auto tree = test::TreeWith(Bars("2", {{"0", "1", "700"}, {"2", "3", "500"}}));
        MiscForm form;
        form.FillFromTree(*tree);
        form.frontBar = false;
        form.rearBar = false;
        form.StoreToTree(*tree);
        EXPECT_EQ(test::ValueAt(*tree, "antirollbar.count"), "0");
        EXPECT_EQ(StoredBar(*tree, 0), (Bar{"0", "1", "700"}));
        EXPECT_EQ(StoredBar(*tree, 1), (Bar{"2", "3", "500"}));
    }
    {
        SCOPED_TRACE("an ignored bar at index 0 is overwritten");
        const auto tree = test::TreeWith(Bars("2", {{"0", "3", "100"}, {"2", "3", "500"}}));
        MiscForm form;
        form.FillFromTree(*tree);
        form.StoreToTree(*tree);
        EXPECT_EQ(test::ValueAt(*tree, "antirollbar.count"), "1");
        EXPECT_EQ(StoredBar(*tree, 0), (Bar{"2", "3", "500"}));
        EXPECT_EQ(StoredBar(*tree, 1), (Bar{"2", "3", "500"}));
    }
}

TEST(MiscForm, HugeBarCountReadsOnlyTheBarsPresent) {
    MiscForm form;
    form.FillFromTree(*test::TreeWith(Bars("2147483647", {{"0", "1", "100"}})));
    EXPECT_TRUE(form.frontBar);
    EXPECT_EQ(form.frontStiffness, 100);
}

TEST(MiscForm, BarsAreFoundThroughInheritance) {
    // The bar block takes arb3 from a shared block, past the bars it has itself.
    const auto tree = test::TreeFromText(
        "shared_bars\n{\narb3\n{\nsusp_left=2\nsusp_right=3\nk=900\n}\n}\n"
        "antirollbar~shared_bars\n{\ncount=4\narb0\n{\nsusp_left=0\nsusp_right=1\nk=100\n}\n}\n");
    MiscForm form;
    form.FillFromTree(*tree);
    EXPECT_TRUE(form.frontBar);
    EXPECT_TRUE(form.rearBar);
    EXPECT_EQ(form.rearStiffness, 900);
}

TEST(MiscForm, AckermannGoesThroughTheFirstSteeredWheel) {
    const Keys file = {{"wheel0.steering", "1"},
                       {"wheel0.ackerman", "1.2"},
                       {"wheel1.steering", "1"},
                       {"wheel1.ackerman", "0.8"}};
    std::array<bool, 4> steering = {true, true, false, false};
    const auto tree = test::TreeWith(file);
    MiscForm form;
    form.isSteering = [&steering](int wheel) { return steering[static_cast<std::size_t>(wheel)]; };
    form.FillFromTree(*tree);
    EXPECT_FLOAT_EQ(form.ackermann, 1.2f);

    form.ackermann = 1.5f;
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "wheel0.ackerman"), "1.5");
    EXPECT_EQ(test::ValueAt(*tree, "wheel1.ackerman"), "0.8");

    // The working copy decides, not the steering flags still in the tree.
    steering[0] = false;
    form.ackermann = 0.6f;
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "wheel0.ackerman"), "1.5");
    EXPECT_EQ(test::ValueAt(*tree, "wheel1.ackerman"), "0.6");

    steering = {false, false, false, false};
    form.ackermann = 0.1f;
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "wheel1.ackerman"), "0.6");
    EXPECT_EQ(test::ValueAt(*tree, "wheel2.ackerman"), "<missing>");
}

TEST(MiscForm, FillReadsTheAckermannOfTheFirstWheelFlaggedOne) {
    MiscForm form;
    form.FillFromTree(*test::TreeWith({{"wheel0.steering", "true"},
                                       {"wheel0.ackerman", "9"},
                                       {"wheel2.steering", "1"},
                                       {"wheel2.ackerman", "-0.4"}}));
    EXPECT_FLOAT_EQ(form.ackermann, -0.4f);
}

TEST(MiscForm, FillDoesNotLeakThePreviousCar) {
    MiscForm form;
    Keys first = Bars("2", {{"0", "1", "700"}, {"2", "3", "500"}});
    first.emplace_back("wheel0.steering", "1");
    first.emplace_back("wheel0.ackerman", "1.2");
    form.FillFromTree(*test::TreeWith(first));
    form.FillFromTree(*test::TreeWith({{"steer.lock", "540"}}));
    EXPECT_FALSE(form.frontBar);
    EXPECT_FALSE(form.rearBar);
    EXPECT_EQ(form.frontStiffness, 0);
    EXPECT_EQ(form.rearStiffness, 0);
    EXPECT_EQ(form.ackermann, 0.0f);
    EXPECT_EQ(form.steeringLock, 540);

    // Ticking a box now starts from 0, not from the first car's stiffness.
    form.frontBar = true;
    const auto tree = test::EmptyTree();
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "antirollbar.arb0.k"), "0");
    EXPECT_EQ(test::ValueAt(*tree, "steer.lock"), "540");
}

}  // namespace
}  // namespace rw
