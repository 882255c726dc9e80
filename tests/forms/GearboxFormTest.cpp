#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "FormTestTree.h"
#include "forms/GearboxForm.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

// A gearbox with the given count ("" leaves it out) and space-separated
// ratios; gear i's inertia is i.5, so every written gear can be traced.
ConfigTree Gearbox(const std::string& count, const std::string& ratios) {
    ConfigTree tree = test::TreeOf(count.empty() ? "" : "gearbox\n{\ngears=" + count + "\n}\n");
    std::istringstream in(ratios);
    std::string ratio;
    for (int i = 0; in >> ratio; ++i) {
        tree.SetString(GearboxForm::GearPrefix(i) + "ratio", ratio);
        tree.SetString(GearboxForm::GearPrefix(i) + "inertia", FormatInt(i) + ".5");
    }
    return tree;
}

// The count, the reverse gear (R ticked, F not) and the rows in reach, as the form shows them.
std::string Shown(const GearboxForm& form) {
    std::string text = FormatInt(form.gearCount) + (form.reverseGear ? " R" : " F") +
                       ShortestFloat(form.reverseRatio) + " |";
    for (int r = 0; r < form.gearCount && r < GearboxForm::kRowCount; ++r) {
        text += " " + ShortestFloat(form.ratios[static_cast<std::size_t>(r)]);
    }
    return text;
}

// The stored count, the first n ratios and the inertia of the last of them:
// each gear's inertia moves with its ratio.
std::string Stored(const ConfigTree& tree, int n) {
    std::string text = test::ValueAt(tree, "gearbox.gears") + " |";
    for (int i = 0; i < n; ++i) {
        text += " " + test::ValueAt(tree, GearboxForm::GearPrefix(i) + "ratio");
    }
    return text + " / " + test::ValueAt(tree, GearboxForm::GearPrefix(n - 1) + "inertia");
}

constexpr const char* kTen = "3.5 2.8 2.2 1.8 1.5 1.25 1.05 0.9 0.8 0.7";

struct Layout {
    const char* name;
    const char* count;
    const char* ratios;
    std::function<void(GearboxForm&)> edit;
    const char* shown;  // after the fill, before the edit
    int storedGears;
    const char* stored;
};

// The reverse gear is written first; rows the user cannot reach stay as read.
// Files that are only read and written back are the cases "gearbox-..." of
// tests/data/forms.
TEST(GearboxForm, EditsOfTheLayoutSaveWithTheReverseGearFirst) {
    const auto tickReverse = [](GearboxForm& f) { f.reverseGear = true, f.reverseRatio = -3.0f; };
    const Layout layouts[] = {
        {"ticking reverse shifts the forward gears up", "5", "3.2 2 1.4 1.1 0.9", tickReverse,
         "5 F0 | 3.2 2 1.4 1.1 0.9", 6, "6 | -3 3.2 2 1.4 1.1 0.9 / 4.5"},
        {"unticking reverse leaves the old last gear in place", "7", "-3.5 3.6 2.1 1.5 1.2 1 0.85",
         [](GearboxForm& f) { f.reverseGear = false; }, "6 R-3.5 | 3.6 2.1 1.5 1.2 1 0.85", 7,
         "6 | 3.6 2.1 1.5 1.2 1 0.85 0.85 / 6.5"},
        // Forward gears past the seventh are kept; the seventh row must not spill into them.
        {"ten forward gears", "10", kTen, [](GearboxForm& f) { f.ratios[6] = 1.0f; },
         "10 F0 | 3.5 2.8 2.2 1.8 1.5 1.25 1.05", 11,
         "10 | 3.5 2.8 2.2 1.8 1.5 1.25 1 0.9 0.8 0.7 <missing> / <missing>"},
        {"ticking reverse moves the extra gears up", "10", kTen, tickReverse,
         "10 F0 | 3.5 2.8 2.2 1.8 1.5 1.25 1.05", 11,
         "11 | -3 3.5 2.8 2.2 1.8 1.5 1.25 1.05 0.9 0.8 0.7 / 9.5"},
        {"the seventh row is never repeated", "7", "3 2 1.5 1.2 1 0.9 0.8",
         [](GearboxForm& f) { f.gearCount = 9; }, "7 F0 | 3 2 1.5 1.2 1 0.9 0.8", 9,
         "9 | 3 2 1.5 1.2 1 0.9 0.8 <missing> <missing> / <missing>"},
        {"no forward gear", "0", "", tickReverse, "0 F0 |", 2, "1 | -3 <missing> / <missing>"},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        ConfigTree tree = Gearbox(layout.count, layout.ratios);
        GearboxForm form;
        form.FillFromTree(tree);
        EXPECT_EQ(Shown(form), layout.shown);
        layout.edit(form);
        form.StoreToTree(tree);
        EXPECT_EQ(Stored(tree, layout.storedGears), layout.stored);
    }
}

TEST(GearboxForm, RowsTheScanDoesNotReachKeepTheirValues) {
    GearboxForm form;
    form.FillFromTree(Gearbox("7", "-3 3.6 2.1 1.5 1.2 1 0.85"));
    form.FillFromTree(Gearbox("3", "3 2 1"));
    // The missing gear3 reads as 0; row 4 and the reverse ratio are the first car's.
    EXPECT_EQ(Shown(form), "3 F-3 | 3 2 1");
    EXPECT_EQ(form.ratios[3], 0.0f);
    EXPECT_EQ(form.ratios[4], 1.0f);
}

TEST(GearboxForm, TypedCountAboveTheKeptGearsIsRefused) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"6", "3 2 1.5 1.2 1 0.8", 7},
        {"9", "3 2 1.5 1.2 1 0.9 0.8 0.7 0.6", 9},
        {"5", "3 2 1.5 1.2 1", 7},  // after a car with more gears
    };
    GearboxForm form;
    for (const auto& [count, ratios, limit] : cases) {
        SCOPED_TRACE(count);
        form.FillFromTree(Gearbox(count, ratios));
        EXPECT_EQ(form.MaxGearCount(), limit);
        EXPECT_TRUE(form.AcceptsGearCount(limit));
        EXPECT_FALSE(form.AcceptsGearCount(limit + 1));
        EXPECT_EQ(form.GearCountPrompt(),
                  "Please enter a number of gears between 1 and " + FormatInt(limit) + ".");
    }
}

}  // namespace
}  // namespace rw
