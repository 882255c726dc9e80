#include <gtest/gtest.h>

#include <array>
#include <string>
#include <tuple>
#include <vector>

#include "FormTestTree.h"
#include "forms/FormSet.h"

namespace rw {
namespace {

ConfigTree SampleCar() {
    ConfigTree tree(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
    EXPECT_FALSE(tree.Read());
    return tree;
}

// A written car survives a fill and store byte for byte. Misc stores the
// Ackermann value at the first wheel the Wheels form steers now, before that
// form is stored; into an empty tree the blocks come in store order.
TEST(FormSet, ASampleCarRoundTripsAndStoresInStoreOrder) {
    ConfigTree tree = SampleCar();
    const std::string before = tree.ToText();
    FormSet forms;
    forms.FillAll(tree);
    forms.StoreAll(tree);
    EXPECT_EQ(tree.ToText(), before);

    ASSERT_TRUE(forms.Wheels().IsSteering(0));
    // Steer the rear wheels instead, without storing the Wheels form first.
    WheelsForm& wheels = forms.Wheels();
    const std::size_t steering = test::FieldIndex(WheelsForm::Fields(), "steering");
    for (const std::uint32_t mask : {0x3u, 0xCu}) {
        wheels.SetSelection(mask);
        wheels.shown.steering = mask == 0xC;
        wheels.ApplyField(steering);
    }
    ConfigTree stored = test::TreeOf("");
    forms.StoreAll(stored);
    EXPECT_EQ(test::ValueAt(stored, "wheel0.ackerman"), "<missing>");
    EXPECT_EQ(test::ValueAt(stored, "wheel2.ackerman"), "1.1");
    EXPECT_EQ(test::ValueAt(stored, "wheel2.steering"), "1");
    std::vector<std::string> names;
    for (const auto& child : stored.root->children) {
        names.push_back(child->name);
    }
    // Suspension stores before Misc, Misc (wheel2's Ackermann) before Wheels.
    EXPECT_EQ(names, (std::vector<std::string>{"car", "body", "engine", "gearbox", "differential",
                                               "clutch", "susp0", "susp1", "susp2", "susp3",
                                               "antirollbar", "steer", "wheel2", "wheel0", "wheel1",
                                               "wheel3", "handbrakes", "aero"}));
}

TEST(FormSet, CheckValuesComeFromTheFormsAsStored) {
    ConfigTree tree = test::TreeOf(
        "car\n{\nid=<null>\nversion=1\n}\n"
        "engine\n{\nmax_rpm=7000\nidle_rpm=800\nstall_rpm=900\nstart_rpm=1000\n"
        "autoclutch_rpm=1500\ncurve_torque=t.crv\nbraking_coeff=-0.5\n"
        "shifting\n{\nshift_up_rpm=5000\nshift_down_rpm=6000\n}\n}\n"
        "differential\n{\nratio=3.5\n}\n"
        "gearbox\n{\ngears=2\ngear0\n{\nratio=-2.5\n}\ngear1\n{\nratio=1.5\n}\n}\n"
        "susp2\n{\nminlen=0.3\nmaxlen=0.2\nrestlen=0.25\n}\n");
    FormSet forms;
    forms.FillAll(tree);
    // An edit in the Suspension form's working copy counts once stored.
    forms.Suspension().SetSelection(0x1);
    forms.Suspension().shown.restLength = 0.5f;
    forms.Suspension().ApplyField(test::FieldIndex(SuspensionForm::Fields(), "restlen"));
    forms.StoreAll(tree);

    const SaveCheckValues v = forms.CheckValues();
    const auto& s = v.suspensions;
    EXPECT_EQ(std::tuple(v.maxRpm, v.idleRpm, v.stallRpm, v.startRpm, v.autoclutchRpm, v.shiftUpRpm,
                         v.shiftDownRpm, v.curveTorque, v.brakingCoeff, v.id, v.version,
                         v.differentialRatio, v.reverseRatio, s[0].restLength, s[2].minLength,
                         s[2].maxLength, s[2].restLength),
              std::tuple(7000, 800, 900, 1000, 1500, 5000, 6000, "t.crv", -0.5f, "<null>", "1",
                         3.5f, -2.5f, 0.5f, 0.3f, 0.2f, 0.25f));
    // A positive ratio typed into the reverse row is what the warning sees.
    forms.Gearbox().reverseRatio = 0.5f;
    forms.StoreAll(tree);
    EXPECT_EQ(forms.CheckValues().reverseRatio, 0.5f);
}

// The digest of what a save would store: a file's own spelling of a value
// is no change, a value typed and typed back is none, any stored value is.
TEST(FormSetState, TheDigestFollowsWhatASaveWouldStoreNotTheFileText) {
    FormSet forms;
    forms.FillAll(test::TreeOf("car\n{\nwheels=4\n}\nwheel0\n{\ninertia=0.150\n}\n"));
    const auto loaded = forms.StoredState();
    forms.FillAll(test::TreeOf("car\n{\nwheels=4\n}\nwheel0\n{\ninertia=0.15\n}\n"));
    EXPECT_EQ(forms.StoredState(), loaded);
    forms.Engine().maxRpm = 7400;
    EXPECT_NE(forms.StoredState(), loaded);
    forms.Engine().maxRpm = 0;
    EXPECT_EQ(forms.StoredState(), loaded);
    forms.Aero().AddWing();
    EXPECT_NE(forms.StoredState(), loaded);
}

// A reset before the next car's fill: rows and selections the new file does
// not reach start as made, not with the last car's values.
TEST(FormSetState, AResetDropsWhatTheLastCarLeftInTheForms) {
    FormSet forms;
    forms.FillAll(SampleCar());
    forms.Wheels().SetSelection(kAllWheels);
    ASSERT_NE(forms.Gearbox().ratios[3], 0.0f);
    forms.ResetAll();
    forms.FillAll(
        test::TreeOf("car\n{\nwheels=4\n}\ngearbox\n{\ngears=1\ngear0\n{\nratio=3\n}\n}\n"));
    EXPECT_EQ(forms.Gearbox().ratios, (std::array<float, 7>{3.0f}));
    EXPECT_EQ(forms.Wheels().selection, 0u);
}

}  // namespace
}  // namespace rw
