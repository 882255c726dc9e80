#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FormTestTree.h"
#include "forms/SuspensionForm.h"
#include "tree/ConfigTree.h"

namespace rw {
namespace {

constexpr std::string_view kSuspensions =
    "susp0\n{\nk=300\nrestlen=0.3\nz=1.2\n}\n"
    "susp1\n{\nk=320\nrestlen=0.3\nz=1.2\n}\n"
    "susp2\n{\nk=400\nrestlen=0.35\nz=-1.4\n}\n"
    "susp3\n{\nk=400\nrestlen=0.35\nz=-1.4\n}\n";

TEST(SuspensionFormSelection, ShowsSharedValueOrZeroWhereSelectedSuspensionsDiffer) {
    struct Case {
        std::uint32_t mask;
        std::int32_t k;
        float restLength;
        float z;
    };
    const Case cases[] = {
        {0x0, 0, 0.0f, 0.0f},     {0x1, 300, 0.3f, 1.2f}, {0x3, 0, 0.3f, 1.2f},
        {0xC, 400, 0.35f, -1.4f}, {0x6, 0, 0.0f, 0.0f},   {0xF, 0, 0.0f, 0.0f},
    };
    SuspensionForm form;
    form.FillFromTree(test::TreeOf(kSuspensions));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        form.SetSelection(c.mask);
        EXPECT_EQ(form.shown.k, c.k);
        EXPECT_EQ(form.shown.restLength, c.restLength);
        EXPECT_EQ(form.shown.z, c.z);
    }
}

TEST(SuspensionFormSelection, MixedZeroIsWrittenOnlyWhenThatFieldIsApplied) {
    SuspensionForm form;
    form.FillFromTree(test::TreeOf(kSuspensions));
    form.SetSelection(0x3);
    ASSERT_EQ(form.shown.k, 0);
    form.shown.restLength = 0.31f;
    form.ApplyField(SuspensionForm::Field::RestLength);
    EXPECT_EQ(form.suspensions[0].k, 300);
    EXPECT_EQ(form.suspensions[1].k, 320);
    // One spin step up from the shown 0.
    form.shown.k = 1000;
    form.ApplyField(SuspensionForm::Field::K);
    EXPECT_EQ(form.suspensions[0].k, 1000);
    EXPECT_EQ(form.suspensions[1].k, 1000);
    EXPECT_EQ(form.suspensions[2].k, 400);
    EXPECT_EQ(form.suspensions[0].restLength, 0.31f);
    EXPECT_EQ(form.suspensions[2].restLength, 0.35f);
}

TEST(SuspensionFormSelection, EachFieldCopiesIntoItsOwnItem) {
    using F = SuspensionForm::Field;
    using V = SuspensionValues;
    struct Case {
        F field;
        std::function<void(V&)> set;
        std::function<bool(const V&)> isSet;
    };
    const std::vector<Case> cases = {
        {F::RestLength, [](V& v) { v.restLength = 5; },
         [](const V& v) { return v.restLength == 5; }},
        {F::MinLength, [](V& v) { v.minLength = 5; }, [](const V& v) { return v.minLength == 5; }},
        {F::MaxLength, [](V& v) { v.maxLength = 5; }, [](const V& v) { return v.maxLength == 5; }},
        {F::BumpRate, [](V& v) { v.bumpRate = 5; }, [](const V& v) { return v.bumpRate == 5; }},
        {F::ReboundRate, [](V& v) { v.reboundRate = 5; },
         [](const V& v) { return v.reboundRate == 5; }},
        {F::K, [](V& v) { v.k = 5; }, [](const V& v) { return v.k == 5; }},
        {F::AntiPitch, [](V& v) { v.antiPitch = 5; }, [](const V& v) { return v.antiPitch == 5; }},
        {F::RollCenterX, [](V& v) { v.rollCenterX = 5; },
         [](const V& v) { return v.rollCenterX == 5; }},
        {F::RollCenterY, [](V& v) { v.rollCenterY = 5; },
         [](const V& v) { return v.rollCenterY == 5; }},
        {F::RollCenterZ, [](V& v) { v.rollCenterZ = 5; },
         [](const V& v) { return v.rollCenterZ == 5; }},
        {F::X, [](V& v) { v.x = 5; }, [](const V& v) { return v.x == 5; }},
        {F::Y, [](V& v) { v.y = 5; }, [](const V& v) { return v.y == 5; }},
        {F::Z, [](V& v) { v.z = 5; }, [](const V& v) { return v.z == 5; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.field));
        SuspensionForm form;
        form.SetSelection(0x6);
        for (const Case& any : cases) {
            any.set(form.shown);
        }
        form.ApplyField(c.field);
        for (int susp = 0; susp < 4; ++susp) {
            const bool selected = susp == 1 || susp == 2;
            int itemsSet = 0;
            for (const Case& any : cases) {
                itemsSet += any.isSet(form.suspensions[susp]) ? 1 : 0;
            }
            EXPECT_EQ(c.isSet(form.suspensions[susp]), selected) << "susp " << susp;
            EXPECT_EQ(itemsSet, selected ? 1 : 0) << "susp " << susp;
        }
    }
}

TEST(SuspensionFormEnables, AllFieldsFollowTheSelection) {
    SuspensionForm form;
    EXPECT_FALSE(form.Enables().fields);
    form.SetSelection(0x8);
    EXPECT_TRUE(form.Enables().fields);
    form.SetSelection(0);
    EXPECT_FALSE(form.Enables().fields);
}

TEST(SuspensionFormTree, StoreWritesThirteenKeysPerSuspensionInOrder) {
    SuspensionForm form;
    ConfigTree tree = test::TreeOf("susp1\n{\nbump_rate=250.8\nmaxlen=0.123456\n}\n");
    form.FillFromTree(tree);
    EXPECT_EQ(form.suspensions[1].bumpRate, 250);
    form.StoreToTree(tree);
    EXPECT_EQ(test::ValueAt(tree, "susp1.bump_rate"), "250");
    EXPECT_EQ(test::ValueAt(tree, "susp1.maxlen"), "0.123456");
    const std::vector<std::string> keys = {"x",      "y",         "z",           "roll_center",
                                           "minlen", "maxlen",    "restlen",     "anti_pitch",
                                           "k",      "bump_rate", "rebound_rate"};
    // susp1 keeps its file order for the keys it had; the others are new.
    for (const char* susp : {"susp0", "susp2", "susp3"}) {
        EXPECT_EQ(test::ChildNames(tree, susp), keys) << susp;
        EXPECT_EQ(test::ChildNames(tree, std::string(susp) + ".roll_center"),
                  (std::vector<std::string>{"x", "y", "z"}));
        EXPECT_EQ(test::ValueAt(tree, std::string(susp) + ".roll_center.z"), "0");
    }
}

TEST(SuspensionFormTree, FillShowsTheLoadedCarForTheKeptSelection) {
    SuspensionForm form;
    form.FillFromTree(test::TreeOf(kSuspensions));
    form.SetSelection(0x1);
    ASSERT_EQ(form.shown.k, 300);
    form.FillFromTree(test::TreeOf("susp0\n{\nk=500\n}\n"));
    EXPECT_EQ(form.selection, 0x1u);
    EXPECT_EQ(form.shown.k, 500);
    EXPECT_EQ(form.shown.restLength, 0.0f);
}

}  // namespace
}  // namespace rw
