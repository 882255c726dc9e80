#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/EngineForm.h"

namespace rw {
namespace {

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
    form.FillFromTree(*test::TreeWith({{"engine.starter", "1"}, {"engine.curve_torque", "v.crv"}}));
    form.FillFromTree(*test::TreeWith({{"engine.shifting.automatic", "0"}}));
    EXPECT_FALSE(form.automaticShifting);
    EXPECT_FALSE(form.starterMotor);
    EXPECT_FALSE(form.Enables().shiftUpRpm);
    EXPECT_FALSE(form.Enables().starterTorque);
    EXPECT_EQ(form.curveTorque, "");
    EXPECT_EQ(form.maxRpm, 0);
}

}  // namespace
}  // namespace rw
