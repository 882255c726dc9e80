#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/EngineForm.h"

namespace rw {
namespace {

using test::Keys;

// In store order, with distinct values so a swapped key shows.
const Keys kEngine = {
    {"engine.mass", "180.5"},
    {"engine.inertia.engine", "0.12"},
    {"engine.max_rpm", "7500"},
    {"engine.stall_rpm", "400"},
    {"engine.start_rpm", "900"},
    {"engine.idle_rpm", "1000"},
    {"engine.autoclutch_rpm", "1500"},
    {"engine.starter", "1"},
    {"engine.start_stalled", "1"},
    {"engine.starter_torque", "0.15"},
    {"engine.curve_torque", "torque.crv"},
    {"engine.max_torque", "320"},
    {"engine.shifting.automatic", "1"},
    {"engine.shifting.shift_up_rpm", "6800"},
    {"engine.shifting.shift_down_rpm", "3200"},
    {"engine.shifting.time_to_declutch", "140"},
    {"engine.shifting.time_to_clutch", "160"},
    {"engine.braking_coeff", "0.0025"},
    {"engine.rolling_friction_coeff", "0.0125"},
};

TEST(EngineForm, EveryKeyRoundTripsInStoreOrder) {
    EngineForm form;
    const auto stored = test::RoundTrip(form, kEngine);
    EXPECT_EQ(test::StoredPaths(*stored), test::PathsOf(kEngine));
    for (const auto& [path, value] : kEngine) {
        EXPECT_EQ(test::ValueAt(*stored, path), value) << path;
    }
    // The names the save-time warnings read.
    EXPECT_EQ(form.clutchTime, 160);
    EXPECT_EQ(form.declutchTime, 140);
    EXPECT_EQ(form.curveTorque, "torque.crv");
}

TEST(EngineForm, StartStalledIsStoredOnlyWithTheStarter) {
    struct Case {
        bool starter;
        bool stalled;
        const char* stored;
    };
    const Case cases[] = {
        {true, true, "1"}, {true, false, "0"}, {false, true, "0"}, {false, false, "0"}};
    for (const Case& c : cases) {
        EngineForm form;
        form.starterMotor = c.starter;
        form.startStalled = c.stalled;
        const auto stored = test::EmptyTree();
        form.StoreToTree(*stored);
        EXPECT_EQ(test::ValueAt(*stored, "engine.start_stalled"), c.stored)
            << c.starter << c.stalled;
        EXPECT_EQ(test::ValueAt(*stored, "engine.starter"), c.starter ? "1" : "0");
        // The tick itself survives, so ticking the starter again brings it back.
        EXPECT_EQ(form.startStalled, c.stalled);
    }
}

TEST(EngineForm, CheckBoxesEnableTheirFields) {
    for (const bool starter : {false, true}) {
        for (const bool automatic : {false, true}) {
            EngineForm form;
            form.starterMotor = starter;
            form.automaticShifting = automatic;
            const auto enables = form.Enables();
            EXPECT_EQ(enables.starterTorque, starter);
            EXPECT_EQ(enables.startStalled, starter);
            EXPECT_EQ(enables.shiftUpRpm, automatic);
            EXPECT_EQ(enables.shiftDownRpm, automatic);
            EXPECT_EQ(enables.clutchTime, automatic);
            EXPECT_EQ(enables.declutchTime, automatic);
        }
    }
}

TEST(EngineForm, FillClearsFlagsTheNextCarLacks) {
    EngineForm form;
    form.FillFromTree(*test::TreeWith(kEngine));
    form.FillFromTree(*test::TreeWith({{"engine.shifting.automatic", "0"}}));
    EXPECT_FALSE(form.automaticShifting);
    EXPECT_FALSE(form.starterMotor);
    EXPECT_FALSE(form.Enables().shiftUpRpm);
    EXPECT_FALSE(form.Enables().starterTorque);
    EXPECT_EQ(form.curveTorque, "");
    EXPECT_EQ(form.maxRpm, 0);
}

TEST(EngineForm, PickedCurveKeepsOnlyTheFileName) {
    EngineForm form;
    form.PickCurveTorque("C:\\Tavix\\curves\\v8.crv");
    EXPECT_EQ(form.curveTorque, "v8.crv");
    form.PickCurveTorque("/home/me/curves/v6.crv");
    EXPECT_EQ(form.curveTorque, "v6.crv");
}

}  // namespace
}  // namespace rw
