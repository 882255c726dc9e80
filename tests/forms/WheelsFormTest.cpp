#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FormTestTree.h"
#include "forms/WheelsForm.h"
#include "tree/ConfigTree.h"

namespace rw {
namespace {

constexpr std::string_view kFourWheels =
    "wheel0\n{\nmass=10\nradius=0.31\ncamber=-1.5\nsteering=1\nlock=30\n}\n"
    "wheel1\n{\nmass=10\nradius=0.33\ncamber=-1.5\nsteering=1\nlock=30\n}\n"
    "wheel2\n{\nmass=12\nradius=0.31\ncamber=0\nsteering=0\n}\n"
    "wheel3\n{\nmass=12\nradius=0.31\ncamber=0\nsteering=0\n}\n"
    "handbrakes\n{\nwheels=2 3\n}\n";

// --- Shown values for a selection -------------------------------------------

TEST(WheelsFormSelection, ShowsSharedValueOrZeroWhereSelectedWheelsDiffer) {
    struct Case {
        std::uint32_t mask;
        std::int32_t mass;
        float radius;
        float camber;
        bool steering;
        bool handbrake;
    };
    const Case cases[] = {
        {0x0, 0, 0.0f, 0.0f, false, false},    // nothing selected
        {0x1, 10, 0.31f, -1.5f, true, false},  // left front alone
        {0x3, 10, 0.0f, -1.5f, true, false},   // fronts: radius differs
        {0x5, 0, 0.31f, 0.0f, false, false},   // left side: all but radius differ
        {0xC, 12, 0.31f, 0.0f, false, true},   // rears share everything
        {0xD, 0, 0.31f, 0.0f, false, false},   // three wheels
        {0xF, 0, 0.0f, 0.0f, false, false},    // all four
    };
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        form.SetSelection(c.mask);
        EXPECT_EQ(form.shown.mass, c.mass);
        EXPECT_EQ(form.shown.radius, c.radius);
        EXPECT_EQ(form.shown.camber, c.camber);
        EXPECT_EQ(form.shown.steering, c.steering);
        EXPECT_EQ(form.shown.handbrake, c.handbrake);
    }
}

TEST(WheelsFormSelection, EachSelectionRederivesTheShownValues) {
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    form.SetSelection(0x1);
    EXPECT_EQ(form.shown.radius, 0.31f);
    form.SetSelection(0x3);
    EXPECT_EQ(form.shown.radius, 0.0f);
    form.SetSelection(0x2);
    EXPECT_EQ(form.shown.radius, 0.33f);
    form.SetSelection(0x12);  // bits beyond the four wheels are dropped
    EXPECT_EQ(form.selection, 0x2u);
}

TEST(WheelsFormSelection, MixedZeroIsWrittenOnlyWhenThatFieldIsApplied) {
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    form.SetSelection(0x3);
    ASSERT_EQ(form.shown.radius, 0.0f);
    // Editing another field leaves the differing radii alone.
    form.shown.mass = 11;
    form.ApplyField(WheelsForm::Field::Mass);
    EXPECT_EQ(form.wheels[0].radius, 0.31f);
    EXPECT_EQ(form.wheels[1].radius, 0.33f);
    EXPECT_EQ(form.wheels[0].mass, 11);
    EXPECT_EQ(form.wheels[1].mass, 11);
    EXPECT_EQ(form.wheels[2].mass, 12);
    // Typing over the 0 sets every selected wheel, and only those.
    form.shown.radius = 0.32f;
    form.ApplyField(WheelsForm::Field::Radius);
    EXPECT_EQ(form.wheels[0].radius, 0.32f);
    EXPECT_EQ(form.wheels[1].radius, 0.32f);
    EXPECT_EQ(form.wheels[2].radius, 0.31f);
    EXPECT_EQ(form.wheels[3].radius, 0.31f);
}

TEST(WheelsFormSelection, ApplyingWithNothingSelectedChangesNothing) {
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    form.shown.mass = 99;
    form.ApplyField(WheelsForm::Field::Mass);
    form.shown.steering = true;
    form.ApplyCheck(WheelsForm::Check::Steering);
    for (int i = 0; i < 4; ++i) {
        EXPECT_NE(form.wheels[i].mass, 99);
    }
    EXPECT_FALSE(form.wheels[2].steering);
}

// Each field lands in its own item of the selected wheels and nowhere else.
TEST(WheelsFormSelection, EachFieldCopiesIntoItsOwnItem) {
    using F = WheelsForm::Field;
    struct Case {
        F field;
        std::function<void(WheelValues&)> set;
        std::function<bool(const WheelValues&)> isSet;
    };
    const std::vector<Case> cases = {
        {F::Mass, [](WheelValues& v) { v.mass = 5; },
         [](const WheelValues& v) { return v.mass == 5; }},
        {F::Inertia, [](WheelValues& v) { v.inertia = 5; },
         [](const WheelValues& v) { return v.inertia == 5; }},
        {F::Radius, [](WheelValues& v) { v.radius = 5; },
         [](const WheelValues& v) { return v.radius == 5; }},
        {F::Lock, [](WheelValues& v) { v.lock = 5; },
         [](const WheelValues& v) { return v.lock == 5; }},
        {F::Toe, [](WheelValues& v) { v.toe = 5; },
         [](const WheelValues& v) { return v.toe == 5; }},
        {F::Camber, [](WheelValues& v) { v.camber = 5; },
         [](const WheelValues& v) { return v.camber == 5; }},
        {F::TireRate, [](WheelValues& v) { v.tireRate = 5; },
         [](const WheelValues& v) { return v.tireRate == 5; }},
        {F::BrakingFactor, [](WheelValues& v) { v.brakingFactor = 5; },
         [](const WheelValues& v) { return v.brakingFactor == 5; }},
        {F::MaxBraking, [](WheelValues& v) { v.maxBraking = 5; },
         [](const WheelValues& v) { return v.maxBraking == 5; }},
        {F::MaxHandbrakeTorque, [](WheelValues& v) { v.maxHandbrakeTorque = 5; },
         [](const WheelValues& v) { return v.maxHandbrakeTorque == 5; }},
        {F::X, [](WheelValues& v) { v.x = 5; }, [](const WheelValues& v) { return v.x == 5; }},
        {F::Y, [](WheelValues& v) { v.y = 5; }, [](const WheelValues& v) { return v.y == 5; }},
        {F::Z, [](WheelValues& v) { v.z = 5; }, [](const WheelValues& v) { return v.z == 5; }},
        {F::Width, [](WheelValues& v) { v.width = 5; },
         [](const WheelValues& v) { return v.width == 5; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.field));
        WheelsForm form;
        form.SetSelection(0x9);
        // Every item shows 5, so a field wired to the wrong item shows up as
        // a second item set or as its own item left at 0.
        for (const Case& any : cases) {
            any.set(form.shown);
        }
        form.ApplyField(c.field);
        for (int wheel = 0; wheel < 4; ++wheel) {
            const bool selected = wheel == 0 || wheel == 3;
            int itemsSet = 0;
            for (const Case& any : cases) {
                itemsSet += any.isSet(form.wheels[wheel]) ? 1 : 0;
            }
            EXPECT_EQ(c.isSet(form.wheels[wheel]), selected) << "wheel " << wheel;
            EXPECT_EQ(itemsSet, selected ? 1 : 0) << "wheel " << wheel;
        }
    }
}

TEST(WheelsFormSelection, CheckBoxesCopyIntoSelectedWheelsOnly) {
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    form.SetSelection(0x4);
    form.shown.steering = true;
    form.ApplyCheck(WheelsForm::Check::Steering);
    EXPECT_TRUE(form.wheels[2].steering);
    EXPECT_FALSE(form.wheels[3].steering);
    EXPECT_TRUE(form.wheels[2].handbrake);  // untouched: still from "2 3"
    form.shown.handbrake = false;
    form.ApplyCheck(WheelsForm::Check::Handbrake);
    EXPECT_FALSE(form.wheels[2].handbrake);
    EXPECT_TRUE(form.wheels[3].handbrake);
    EXPECT_TRUE(form.IsSteering(2));
    EXPECT_FALSE(form.IsSteering(3));
    EXPECT_FALSE(form.IsSteering(-1));
    EXPECT_FALSE(form.IsSteering(4));
}

// --- Enable rule ---------------------------------------------------------------

TEST(WheelsFormEnables, FollowSelectionAndCheckBoxes) {
    struct Case {
        std::uint32_t mask;
        bool steering;
        bool handbrake;
        bool fields;
        bool lock;
        bool handbrakeTorque;
    };
    const Case cases[] = {
        {0x0, true, true, false, false, false},  // shown states don't matter unselected
        {0x1, false, false, true, false, false}, {0x1, true, false, true, true, false},
        {0x2, false, true, true, false, true},   {0xF, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        WheelsForm form;
        form.selection = c.mask;
        form.shown.steering = c.steering;
        form.shown.handbrake = c.handbrake;
        const auto enables = form.Enables();
        SCOPED_TRACE(c.mask);
        EXPECT_EQ(enables.fields, c.fields);
        EXPECT_EQ(enables.steering, c.fields);
        EXPECT_EQ(enables.handbrake, c.fields);
        EXPECT_EQ(enables.lock, c.lock);
        EXPECT_EQ(enables.maxHandbrakeTorque, c.handbrakeTorque);
    }
}

// --- Handbrake digit list --------------------------------------------------

TEST(WheelsFormHandbrakes, AnyDigitMarksItsWheelAndStoresAsAscendingDigits) {
    struct Case {
        std::string_view file;
        std::array<bool, 4> flags;
        std::string stored;
    };
    const Case cases[] = {
        {"handbrakes\n{\nwheels=2 3\n}\n", {false, false, true, true}, "23"},
        {"handbrakes\n{\nwheels=3,2\n}\n", {false, false, true, true}, "23"},
        {"handbrakes\n{\nwheels=23\n}\n", {false, false, true, true}, "23"},
        {"handbrakes\n{\nwheels=1 0 9\n}\n", {true, true, false, false}, "01"},
        {"handbrakes\n{\nwheels=\n}\n", {false, false, false, false}, ""},
        {"", {false, false, false, false}, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        WheelsForm form;
        ConfigTree tree = test::TreeOf(c.file);
        form.FillFromTree(tree);
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(form.wheels[i].handbrake, c.flags[i]) << "wheel " << i;
        }
        form.StoreToTree(tree);
        EXPECT_EQ(test::ValueAt(tree, "handbrakes.wheels"), c.stored);
    }
}

// --- Fill and store ------------------------------------------------------------

TEST(WheelsFormTree, StoreWritesEveryKeyOfEveryWheelInOrder) {
    WheelsForm form;
    ConfigTree tree = test::TreeOf("");
    form.StoreToTree(tree);
    const std::vector<std::string> keys = {"mass",
                                           "max_braking",
                                           "radius",
                                           "inertia",
                                           "lock",
                                           "camber",
                                           "toe",
                                           "braking_factor",
                                           "max_handbrake_torque",
                                           "tire_rate",
                                           "x",
                                           "y",
                                           "z",
                                           "steering"};
    for (const char* wheel : {"wheel0", "wheel1", "wheel2", "wheel3"}) {
        EXPECT_EQ(test::ChildNames(tree, wheel), keys) << wheel;
    }
    EXPECT_EQ(test::ValueAt(tree, "wheel3.steering"), "0");
    EXPECT_EQ(test::ValueAt(tree, "wheel3.radius"), "0");
    EXPECT_EQ(tree.Find("wheel0.width"), nullptr);
    EXPECT_EQ(test::ValueAt(tree, "handbrakes.wheels"), "");
}

TEST(WheelsFormTree, IntegersAreCutAndRealsKeepTheirValue) {
    WheelsForm form;
    ConfigTree tree = test::TreeOf(
        "wheel0\n{\nmass=12.7\nradius=0.3125\ninertia=0.333333333\ntire_rate=150000\n"
        "width=0.25\nsteering=yes\n}\n");
    form.FillFromTree(tree);
    EXPECT_EQ(form.wheels[0].mass, 12);
    EXPECT_EQ(form.wheels[0].width, 0.0f);  // never loaded
    EXPECT_FALSE(form.wheels[0].steering);  // only "1" is true
    form.StoreToTree(tree);
    EXPECT_EQ(test::ValueAt(tree, "wheel0.mass"), "12");
    EXPECT_EQ(test::ValueAt(tree, "wheel0.radius"), "0.3125");
    EXPECT_EQ(test::ValueAt(tree, "wheel0.inertia"), "0.333333");
    EXPECT_EQ(test::ValueAt(tree, "wheel0.tire_rate"), "150000");
    EXPECT_EQ(test::ValueAt(tree, "wheel0.width"), "0.25");  // left as the file had it
    EXPECT_EQ(test::ValueAt(tree, "wheel0.steering"), "0");
}

TEST(WheelsFormTree, FillShowsTheLoadedCarForTheKeptSelection) {
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    form.SetSelection(0xC);
    ASSERT_EQ(form.shown.mass, 12);
    ASSERT_TRUE(form.shown.handbrake);

    form.FillFromTree(test::TreeOf("wheel2\n{\nmass=20\n}\nwheel3\n{\nmass=20\n}\n"));
    EXPECT_EQ(form.selection, 0xCu);
    EXPECT_EQ(form.shown.mass, 20);
    EXPECT_EQ(form.shown.radius, 0.0f);
    EXPECT_FALSE(form.shown.handbrake);

    form.FillFromTree(test::TreeOf(""));
    EXPECT_EQ(form.shown.mass, 0);
    EXPECT_EQ(form.wheels[2].mass, 0);
}

}  // namespace
}  // namespace rw
