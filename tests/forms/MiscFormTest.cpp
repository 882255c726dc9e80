#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <sstream>
#include <string>
#include <tuple>

#include "FormTestTree.h"
#include "forms/MiscForm.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

// An anti-roll bar block: the count and "left right k" per bar, comma-separated.
ConfigTree Bars(const std::string& count, const std::string& bars) {
    ConfigTree tree = test::TreeWith({{"antirollbar.count", count}});
    std::istringstream in(bars);
    std::string left, right, k;
    for (int b = 0; in >> left >> right >> k; ++b) {
        const std::string prefix = "antirollbar.arb" + FormatInt(b) + ".";
        tree.SetString(prefix + "susp_left", left);
        tree.SetString(prefix + "susp_right", right);
        tree.SetString(prefix + "k", k.substr(0, k.find(',')));
    }
    return tree;
}

// The front and rear bars as shown, with "+" where the stiffness is enabled.
std::string Shown(const MiscForm& form) {
    const auto enables = form.Enables();
    return FormatInt(form.frontBar) + (enables.frontStiffness ? "+" : "") +
           FormatInt(form.frontStiffness) + " " + FormatInt(form.rearBar) +
           (enables.rearStiffness ? "+" : "") + FormatInt(form.rearStiffness);
}

std::string StoredBars(const ConfigTree& tree) {
    std::string text = test::ValueAt(tree, "antirollbar.count");
    for (int b = 0; b < 2; ++b) {
        const std::string prefix = "antirollbar.arb" + FormatInt(b) + ".";
        text += ", " + test::ValueAt(tree, prefix + "susp_left") + " " +
                test::ValueAt(tree, prefix + "susp_right") + " " +
                test::ValueAt(tree, prefix + "k");
    }
    return text;
}

// Bars joining wheels 0-1 are the front bar, 2-3 the rear one, in either
// order (the cases "misc-..." of tests/data/forms); a store writes the front
// bar first. One form takes every car in turn: a fill keeps nothing of the
// car before.
TEST(MiscForm, TickedBarsAreWrittenFrontFirst) {
    struct Case {
        const char* count;
        const char* bars;
        std::function<void(MiscForm&)> edit;
        const char* shown;
        const char* stored;
    };
    const Case cases[] = {
        {"1", "3 2 500", [](MiscForm& f) { f.frontBar = true, f.frontStiffness = 700; }, "00 1+500",
         "2, 0 1 700, 2 3 500"},
        {"2", "0 1 700, 2 3 500", [](MiscForm& f) { f.frontBar = f.rearBar = false; },
         "1+700 1+500", "0, 0 1 700, 2 3 500"},
        // Ticking a box starts from 0, not from the last car's stiffness.
        {"0", "", [](MiscForm& f) { f.frontBar = true; }, "00 00",
         "1, 0 1 0, <missing> <missing> <missing>"},
    };
    MiscForm form;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.count) + ": " + c.bars);
        ConfigTree tree = Bars(c.count, c.bars);
        form.FillFromTree(tree);
        EXPECT_EQ(Shown(form), c.shown);
        c.edit(form);
        form.StoreToTree(tree);
        EXPECT_EQ(StoredBars(tree), c.stored);
    }
}

// Ackermann is read from the first wheel whose flag is 1 in the file and
// written to the first wheel the Wheels form steers now.
TEST(MiscForm, AckermannGoesThroughTheFirstSteeredWheel) {
    MiscForm form;
    form.FillFromTree(test::TreeOf(
        "wheel0\n{\nsteering=true\nackerman=9\n}\nwheel2\n{\nsteering=1\nackerman=-0.4\n}\n"));
    EXPECT_FLOAT_EQ(form.ackermann, -0.4f);

    ConfigTree tree = test::TreeOf(
        "wheel0\n{\nsteering=1\nackerman=1.2\n}\nwheel1\n{\nsteering=1\nackerman=0.8\n}\n");
    std::array<bool, 4> steering = {true, true, false, false};
    form.isSteering = [&steering](int wheel) { return steering[static_cast<std::size_t>(wheel)]; };
    form.FillFromTree(tree);
    EXPECT_FLOAT_EQ(form.ackermann, 1.2f);
    const std::tuple<std::array<bool, 4>, float, const char*> steps[] = {
        {{true, true, false, false}, 1.5f, "1.5 0.8 <missing> <missing> "},
        // The working copy decides, not the file.
        {{false, true, false, false}, 0.6f, "1.5 0.6 <missing> <missing> "},
        {{false, false, false, false}, 0.1f, "1.5 0.6 <missing> <missing> "},
    };
    for (const auto& [steered, ackermann, stored] : steps) {
        steering = steered;
        form.ackermann = ackermann;
        form.StoreToTree(tree);
        std::string values;
        for (int wheel = 0; wheel < 4; ++wheel) {
            values += test::ValueAt(tree, NumberedPrefix("wheel", wheel) + "ackerman") + " ";
        }
        EXPECT_EQ(values, stored);
    }
    // A car without a steered wheel shows none, not the last car's value.
    form.FillFromTree(test::TreeOf(""));
    EXPECT_EQ(form.ackermann, 0.0f);
}

}  // namespace
}  // namespace rw
