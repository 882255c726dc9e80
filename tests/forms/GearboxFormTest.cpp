#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestTree.h"
#include "forms/GearboxForm.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

using test::Keys;

std::string GearKey(std::size_t index, const char* field) {
    return "gearbox.gear" + FormatInt(static_cast<std::int32_t>(index)) + "." + field;
}

// A gearbox with the given count ("" leaves it out) and ratios; each gear's
// inertia is its index plus 0.5, so every written gear can be traced.
Keys Gearbox(const std::string& count, const std::vector<std::string>& ratios) {
    Keys keys;
    if (!count.empty()) {
        keys.emplace_back("gearbox.gears", count);
    }
    for (std::size_t i = 0; i < ratios.size(); ++i) {
        keys.emplace_back(GearKey(i, "ratio"), ratios[i]);
        keys.emplace_back(GearKey(i, "inertia"), FormatInt(static_cast<std::int32_t>(i)) + ".5");
    }
    return keys;
}

std::vector<std::string> StoredRatios(const ConfigTree& tree, std::size_t count) {
    std::vector<std::string> ratios;
    for (std::size_t i = 0; i < count; ++i) {
        ratios.push_back(test::ValueAt(tree, GearKey(i, "ratio")));
    }
    return ratios;
}

std::vector<float> ShownRows(const GearboxForm& form) {
    std::vector<float> rows;
    for (std::int32_t r = 0; r < form.gearCount && r < GearboxForm::kRowCount; ++r) {
        rows.push_back(form.ratios[static_cast<std::size_t>(r)]);
    }
    return rows;
}

struct Layout {
    const char* name;
    Keys file;
    std::int32_t shownCount;
    bool reverse;
    float reverseRatio;
    std::vector<float> rows;
    std::string storedCount;
    std::vector<std::string> storedRatios;
};

TEST(GearboxForm, LayoutsLoadAndSaveWithTheReverseGearFirst) {
    const Layout layouts[] = {
        {"reverse first",
         Gearbox("7", {"-3.5", "3.6", "2.1", "1.5", "1.2", "1", "0.85"}),
         6,
         true,
         -3.5f,
         {3.6f, 2.1f, 1.5f, 1.2f, 1.0f, 0.85f},
         "7",
         {"-3.5", "3.6", "2.1", "1.5", "1.2", "1", "0.85"}},
        {"no reverse",
         Gearbox("5", {"3.2", "2", "1.4", "1.1", "0.9"}),
         5,
         false,
         0.0f,
         {3.2f, 2.0f, 1.4f, 1.1f, 0.9f},
         "5",
         {"3.2", "2", "1.4", "1.1", "0.9", "<missing>"}},
        {"reverse stored last",
         Gearbox("7", {"3.6", "2.1", "1.5", "1.2", "1", "0.85", "-3.5"}),
         6,
         true,
         -3.5f,
         {3.6f, 2.1f, 1.5f, 1.2f, 1.0f, 0.85f},
         "7",
         {"-3.5", "3.6", "2.1", "1.5", "1.2", "1", "0.85"}},
        // The later reverse gear wins and the count drops by one only; the
        // sixth row is never reached and keeps what it held (0 here).
        {"two reverse gears",
         Gearbox("7", {"-3.5", "3.6", "2.1", "1.5", "1.2", "1", "-2.5"}),
         6,
         true,
         -2.5f,
         {3.6f, 2.1f, 1.5f, 1.2f, 1.0f, 0.0f},
         "7",
         {"-2.5", "3.6", "2.1", "1.5", "1.2", "1", "0"}},
        // A reverse gear one past the count is found and takes a forward slot.
        {"reverse just past the count",
         Gearbox("3", {"3", "2", "1", "-3"}),
         2,
         true,
         -3.0f,
         {3.0f, 2.0f},
         "3",
         {"-3", "3", "2", "-3"}},
        {"missing count", Gearbox("", {"3", "2"}), 0, false, 0.0f, {}, "0", {"3", "2"}},
    };
    for (const Layout& layout : layouts) {
        SCOPED_TRACE(layout.name);
        const auto tree = test::TreeWith(layout.file);
        GearboxForm form;
        form.FillFromTree(*tree);
        EXPECT_EQ(form.gearCount, layout.shownCount);
        EXPECT_EQ(form.reverseGear, layout.reverse);
        EXPECT_EQ(form.reverseRatio, layout.reverseRatio);
        EXPECT_EQ(ShownRows(form), layout.rows);

        form.StoreToTree(*tree);
        EXPECT_EQ(test::ValueAt(*tree, "gearbox.gears"), layout.storedCount);
        EXPECT_EQ(StoredRatios(*tree, layout.storedRatios.size()), layout.storedRatios);
    }
}

TEST(GearboxForm, TickingReverseShiftsTheForwardGearsUp) {
    const auto tree = test::TreeWith(Gearbox("5", {"3.2", "2", "1.4", "1.1", "0.9"}));
    GearboxForm form;
    form.FillFromTree(*tree);
    form.reverseGear = true;
    form.reverseRatio = -3.0f;
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "gearbox.gears"), "6");
    EXPECT_EQ(StoredRatios(*tree, 6),
              (std::vector<std::string>{"-3", "3.2", "2", "1.4", "1.1", "0.9"}));
}

TEST(GearboxForm, UntickingReverseLeavesTheOldLastGearInPlace) {
    const auto tree =
        test::TreeWith(Gearbox("7", {"-3.5", "3.6", "2.1", "1.5", "1.2", "1", "0.85"}));
    GearboxForm form;
    form.FillFromTree(*tree);
    form.reverseGear = false;
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "gearbox.gears"), "6");
    EXPECT_EQ(StoredRatios(*tree, 7),
              (std::vector<std::string>{"3.6", "2.1", "1.5", "1.2", "1", "0.85", "0.85"}));
    EXPECT_EQ(test::ValueAt(*tree, GearKey(6, "inertia")), "6.5");  // the old key, untouched
}

TEST(GearboxForm, RowsTheScanDoesNotReachKeepTheirValues) {
    GearboxForm form;
    form.FillFromTree(
        *test::TreeWith(Gearbox("7", {"-3", "3.6", "2.1", "1.5", "1.2", "1", "0.85"})));
    form.FillFromTree(*test::TreeWith(Gearbox("3", {"3", "2", "1"})));
    EXPECT_EQ(form.gearCount, 3);
    EXPECT_FALSE(form.reverseGear);
    EXPECT_EQ(form.ratios[3], 0.0f);  // the missing gear3 read as 0
    EXPECT_EQ(form.ratios[4], 1.0f);  // the first car's
    EXPECT_EQ(form.reverseRatio, -3.0f);
}

TEST(GearboxForm, ForwardGearsPastTheSeventhAreKeptAndWrittenBackUnchanged) {
    const std::vector<std::string> ten = {"3.5",  "2.8",  "2.2", "1.8", "1.5",
                                          "1.25", "1.05", "0.9", "0.8", "0.7"};
    {
        SCOPED_TRACE("ten forward gears");
        const auto tree = test::TreeWith(Gearbox("10", ten));
        GearboxForm form;
        form.FillFromTree(*tree);
        EXPECT_EQ(form.gearCount, 10);
        EXPECT_EQ(form.MaxGearCount(), 10);
        ASSERT_EQ(form.ExtraGears().size(), 3u);
        EXPECT_EQ(form.ExtraGears()[0].inertia, 7.5f);
        form.ratios[6] = 1.0f;  // the seventh row must not spill into the extras
        form.StoreToTree(*tree);
        EXPECT_EQ(test::ValueAt(*tree, "gearbox.gears"), "10");
        EXPECT_EQ(StoredRatios(*tree, 11),
                  (std::vector<std::string>{"3.5", "2.8", "2.2", "1.8", "1.5", "1.25", "1", "0.9",
                                            "0.8", "0.7", "<missing>"}));
    }
    {
        SCOPED_TRACE("ticking reverse moves the extras up by one");
        const auto tree = test::TreeWith(Gearbox("10", ten));
        GearboxForm form;
        form.FillFromTree(*tree);
        form.reverseGear = true;
        form.reverseRatio = -3.0f;
        form.StoreToTree(*tree);
        EXPECT_EQ(test::ValueAt(*tree, "gearbox.gears"), "11");
        EXPECT_EQ(StoredRatios(*tree, 11),
                  (std::vector<std::string>{"-3", "3.5", "2.8", "2.2", "1.8", "1.5", "1.25", "1.05",
                                            "0.9", "0.8", "0.7"}));
        EXPECT_EQ(test::ValueAt(*tree, GearKey(10, "inertia")), "9.5");
    }
    {
        SCOPED_TRACE("nine forward gears with the reverse gear stored last");
        std::vector<std::string> ratios(ten.begin(), ten.begin() + 9);
        ratios.push_back("-3.2");
        const auto tree = test::TreeWith(Gearbox("10", ratios));
        GearboxForm form;
        form.FillFromTree(*tree);
        EXPECT_EQ(form.gearCount, 9);
        EXPECT_TRUE(form.reverseGear);
        EXPECT_EQ(form.reverseRatio, -3.2f);
        form.StoreToTree(*tree);
        EXPECT_EQ(StoredRatios(*tree, 10),
                  (std::vector<std::string>{"-3.2", "3.5", "2.8", "2.2", "1.8", "1.5", "1.25",
                                            "1.05", "0.9", "0.8"}));
    }
}

TEST(GearboxForm, CountIsLimitedToTheGearsTheFileHas) {
    // gearbox.gears claims ten, only gear0 to gear7 exist.
    const auto tree =
        test::TreeWith(Gearbox("10", {"3.5", "2.8", "2.2", "1.8", "1.5", "1.25", "1.05", "0.9"}));
    GearboxForm form;
    form.FillFromTree(*tree);
    EXPECT_EQ(form.gearCount, 8);
    EXPECT_EQ(form.MaxGearCount(), 8);
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "gearbox.gears"), "8");
    EXPECT_EQ(test::ValueAt(*tree, GearKey(7, "ratio")), "0.9");
}

TEST(GearboxForm, HugeCountDoesNotWalkMissingGears) {
    GearboxForm form;
    form.FillFromTree(*test::TreeWith(Gearbox("2147483647", {"3", "2"})));
    // Gears 2 to 7 read as missing forward gears, as any count would read them.
    EXPECT_EQ(form.gearCount, 8);
    const auto tree = test::EmptyTree();
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "gearbox.gears"), "8");
    EXPECT_EQ(test::ValueAt(*tree, GearKey(8, "ratio")), "<missing>");
}

TEST(GearboxForm, TypedCountAboveTheKeptGearsIsRefused) {
    GearboxForm form;
    form.FillFromTree(*test::TreeWith(Gearbox("6", {"3", "2", "1.5", "1.2", "1", "0.8"})));
    EXPECT_EQ(form.MaxGearCount(), 7);
    EXPECT_TRUE(form.AcceptsGearCount(7));
    EXPECT_FALSE(form.AcceptsGearCount(8));
    EXPECT_EQ(form.GearCountPrompt(), "Please enter a number of gears between 1 and 7.");

    form.FillFromTree(
        *test::TreeWith(Gearbox("9", {"3", "2", "1.5", "1.2", "1", "0.9", "0.8", "0.7", "0.6"})));
    EXPECT_TRUE(form.AcceptsGearCount(9));
    EXPECT_FALSE(form.AcceptsGearCount(10));
    EXPECT_EQ(form.GearCountPrompt(), "Please enter a number of gears between 1 and 9.");

    // The next car's limit does not inherit the previous car's gears.
    form.FillFromTree(*test::TreeWith(Gearbox("5", {"3", "2", "1.5", "1.2", "1"})));
    EXPECT_EQ(form.MaxGearCount(), 7);
}

TEST(GearboxForm, StoreNeverRepeatsTheSeventhRow) {
    GearboxForm form;
    form.FillFromTree(*test::TreeWith(Gearbox("7", {"3", "2", "1.5", "1.2", "1", "0.9", "0.8"})));
    form.gearCount = 9;  // a count the view would have refused
    const auto tree = test::EmptyTree();
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, GearKey(6, "ratio")), "0.8");
    EXPECT_EQ(test::ValueAt(*tree, GearKey(7, "ratio")), "<missing>");
    EXPECT_EQ(test::ValueAt(*tree, GearKey(8, "ratio")), "<missing>");
}

TEST(GearboxForm, NonPositiveCountStoresNoForwardGear) {
    GearboxForm form;
    form.gearCount = 0;
    form.reverseGear = true;
    form.reverseRatio = -2.0f;
    const auto tree = test::EmptyTree();
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "gearbox.gears"), "1");
    EXPECT_EQ(test::ValueAt(*tree, GearKey(0, "ratio")), "-2");
    EXPECT_EQ(test::ValueAt(*tree, GearKey(1, "ratio")), "<missing>");
}

}  // namespace
}  // namespace rw
