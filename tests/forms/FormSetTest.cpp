#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FormTestTree.h"
#include "forms/FormSet.h"
#include "tree/ConfigTree.h"

namespace rw {
namespace {

std::unique_ptr<ConfigTree> SampleCar() {
    auto tree = std::make_unique<ConfigTree>(std::string(RIGWRIGHT_SOURCE_DIR) +
                                             "/examples/sample-car.ini");
    test::SilentReporter reporter;
    EXPECT_EQ(tree->Read(false, reporter), ReadResult::Success);
    return tree;
}

std::vector<std::string> TopLevelNames(const ConfigTree& tree) {
    std::vector<std::string> names;
    for (const auto& child : tree.root->children) {
        names.push_back(child->name);
    }
    return names;
}

// --- Fill and store orders ----------------------------------------------------

TEST(FormSetOrders, FillThenStoreLeavesAWrittenCarByteForByte) {
    auto tree = SampleCar();
    const std::string before = tree->ToText();
    FormSet forms;
    forms.FillAll(*tree);
    forms.StoreAll(*tree);
    EXPECT_EQ(tree->ToText(), before);
}

TEST(FormSetOrders, StoreIntoAnEmptyTreeBuildsTheBlocksInStoreOrder) {
    FormSet forms;
    auto tree = test::EmptyTree();
    forms.StoreAll(*tree);
    // Suspension stores before Misc, and Misc before Wheels.
    EXPECT_EQ(
        TopLevelNames(*tree),
        (std::vector<std::string>{"car", "body", "engine", "gearbox", "differential", "clutch",
                                  "susp0", "susp1", "susp2", "susp3", "antirollbar", "steer",
                                  "wheel0", "wheel1", "wheel2", "wheel3", "handbrakes", "aero"}));
}

// Each page reaches its own form: filled alone from the sample car and
// stored alone into an empty tree, it gives back the sample's values.
TEST(FormSetOrders, EachPageFillsAndStoresItsOwnForm) {
    struct Case {
        PageId page;
        const char* key;
    };
    const Case cases[] = {
        {PageId::General, "car.id"},
        {PageId::Body, "car.cg.z"},
        {PageId::Engine, "engine.max_rpm"},
        {PageId::Gearbox, "gearbox.gear1.ratio"},
        {PageId::Driveline, "differential.ratio"},
        {PageId::Misc, "antirollbar.arb0.k"},
        {PageId::Wheels, "handbrakes.wheels"},
        {PageId::Suspension, "susp3.k"},
        {PageId::Aero, "aero.wing0.name"},
        {PageId::CarModels, "body.model"},
        {PageId::Sounds, "engine.sample"},
        {PageId::WheelModels, "wheel0.model"},
        {PageId::OtherModels, "steer.model"},
    };
    auto sample = SampleCar();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        FormSet forms;
        forms.FillFromTree(c.page, *sample);
        auto stored = test::EmptyTree();
        forms.StoreToTree(c.page, *stored);
        ASSERT_NE(stored->Find(c.key), nullptr);
        EXPECT_EQ(test::ValueAt(*stored, c.key), test::ValueAt(*sample, c.key));
        EXPECT_NE(test::ValueAt(*stored, c.key), "0");
    }
}

// --- Cross-form reads ----------------------------------------------------------

TEST(FormSetLinks, AckermannFollowsTheWheelsFormsUnsavedSteeringFlags) {
    auto tree = SampleCar();
    FormSet forms;
    forms.FillAll(*tree);
    ASSERT_TRUE(forms.Wheels().IsSteering(0));
    // Steer the rear wheels instead, without storing the Wheels form first.
    WheelsForm& wheels = forms.Wheels();
    wheels.SetSelection(0x3);
    wheels.shown.steering = false;
    wheels.ApplyField(test::FieldIndex(WheelsForm::Fields(), "steeringCheck"));
    wheels.SetSelection(0xC);
    wheels.shown.steering = true;
    wheels.ApplyField(test::FieldIndex(WheelsForm::Fields(), "steeringCheck"));

    auto stored = test::EmptyTree();
    forms.StoreAll(*stored);
    EXPECT_EQ(stored->Find("wheel0.ackerman"), nullptr);
    EXPECT_EQ(stored->Find("wheel1.ackerman"), nullptr);
    EXPECT_EQ(test::ValueAt(*stored, "wheel2.ackerman"), "1.1");
    EXPECT_EQ(test::ValueAt(*stored, "wheel2.steering"), "1");
}

TEST(FormSetLinks, CheckValuesComeFromTheFormsAsStored) {
    auto tree = test::TreeFromText(
        "car\n{\nid=<null>\nversion=1\n}\n"
        "engine\n{\nmax_rpm=7000\nidle_rpm=800\nstall_rpm=900\nstart_rpm=1000\n"
        "autoclutch_rpm=1500\ncurve_torque=t.crv\nbraking_coeff=-0.5\n"
        "shifting\n{\nshift_up_rpm=5000\nshift_down_rpm=6000\n}\n}\n"
        "differential\n{\nratio=3.5\n}\n"
        "gearbox\n{\ngears=2\ngear0\n{\nratio=2.5\n}\ngear1\n{\nratio=1.5\n}\n}\n"
        "susp2\n{\nminlen=0.3\nmaxlen=0.2\nrestlen=0.25\n}\n");
    FormSet forms;
    forms.FillAll(*tree);
    // An edit in the Suspension form's working copy counts once stored.
    forms.Suspension().SetSelection(0x1);
    forms.Suspension().shown.restLength = 0.5f;
    forms.Suspension().ApplyField(test::FieldIndex(SuspensionForm::Fields(), "restLengthEdit"));
    forms.StoreAll(*tree);

    const SaveCheckValues values = forms.CheckValues();
    EXPECT_EQ(values.maxRpm, 7000);
    EXPECT_EQ(values.idleRpm, 800);
    EXPECT_EQ(values.stallRpm, 900);
    EXPECT_EQ(values.startRpm, 1000);
    EXPECT_EQ(values.autoclutchRpm, 1500);
    EXPECT_EQ(values.shiftUpRpm, 5000);
    EXPECT_EQ(values.shiftDownRpm, 6000);
    EXPECT_EQ(values.curveTorque, "t.crv");
    EXPECT_EQ(values.brakingCoeff, -0.5f);
    EXPECT_EQ(values.id, "<null>");
    EXPECT_EQ(values.version, "1");
    EXPECT_EQ(values.differentialRatio, 3.5f);
    EXPECT_EQ(values.reverseRatio, forms.Gearbox().reverseRatio);
    EXPECT_EQ(values.suspensions[0].restLength, 0.5f);
    EXPECT_EQ(values.suspensions[2].minLength, 0.3f);
    EXPECT_EQ(values.suspensions[2].maxLength, 0.2f);
    EXPECT_EQ(values.suspensions[2].restLength, 0.25f);
    EXPECT_EQ(SaveWarnings(values),
              "Engine Stall RPM is greater than the engine Idle RPM.\n"
              "Auto shift-up RPM is below Auto shift-down RPM.\n"
              "This car has no ID. It will not load in Tavix without one.\n"
              "Engine Braking coefficient should be > 0.\n"
              "On Susp0, the rest_length is outside the size of the spring bounds.\n"
              "On Susp2, the min_length is greater than max_length.\n"
              "On Susp2, the rest_length is outside the size of the spring bounds.\n");
}

TEST(FormSetLinks, ReverseRatioIsTheGearboxFormsReverseRow) {
    auto tree = test::TreeFromText(
        "gearbox\n{\ngears=3\ngear0\n{\nratio=-3.2\n}\ngear1\n{\nratio=2.5\n}\n"
        "gear2\n{\nratio=1.5\n}\n}\n");
    FormSet forms;
    forms.FillAll(*tree);
    forms.StoreAll(*tree);
    EXPECT_EQ(forms.CheckValues().reverseRatio, -3.2f);
    // A positive ratio typed into the reverse row is what the warning sees.
    forms.Gearbox().reverseRatio = 0.5f;
    forms.StoreAll(*tree);
    EXPECT_EQ(forms.CheckValues().reverseRatio, 0.5f);
    EXPECT_NE(SaveWarnings(forms.CheckValues()).find("Reverse Gear ratio should be negative.\n"),
              std::string::npos);
}

TEST(FormSetLinks, RecalculateReadsBodyAndSuspensionEditsNotYetStored) {
    auto tree = SampleCar();
    FormSet forms;
    forms.FillAll(*tree);
    EXPECT_EQ(forms.Figures().wheelbase, "");
    forms.Recalculate();
    EXPECT_EQ(forms.Figures().frontWeightDistribution, "53.85 %");
    EXPECT_EQ(forms.Figures().wheelbase, "2.600 m");
    EXPECT_EQ(forms.Figures().frontTrack, "1.480 m");
    EXPECT_EQ(forms.Figures().rearTrack, "1.520 m");

    forms.Body().cgZ = 0.4f;
    forms.Suspension().SetSelection(0xF);
    forms.Suspension().shown.z = 0.0f;
    forms.Suspension().ApplyField(test::FieldIndex(SuspensionForm::Fields(), "zEdit"));
    forms.Recalculate();
    EXPECT_EQ(forms.Figures().frontWeightDistribution, "n/a");
    EXPECT_EQ(forms.Figures().wheelbase, "0.000 m");
}

}  // namespace
}  // namespace rw
