#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string>

#include "FormTestTree.h"
#include "forms/FormSet.h"
#include "tree/DataCases.h"

namespace rw {
namespace {

ConfigTree SampleCar() {
    ConfigTree tree(RIGWRIGHT_SOURCE_DIR "/examples/sample-car.ini");
    EXPECT_FALSE(tree.Read());
    return tree;
}

// Each tests/data/forms/PAGE-CASE.ini, filled into the form of the page of
// that tab label and stored back into the same tree, is saved as
// PAGE-CASE.out: what a form reads of a file and writes back, the parts the
// user cannot reach included.
TEST(FormSet, PagesStoreTheFilesBesideThem) {
    for (const std::string& base :
         test::DataCases(RIGWRIGHT_SOURCE_DIR "/tests/data/forms/", {".out"})) {
        const std::string name = std::filesystem::path(base).filename().string();
        const auto row = std::find_if(kPages.begin(), kPages.end(), [&](const PageRow& r) {
            std::string label = r.label;
            std::transform(label.begin(), label.end(), label.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            return name.starts_with(label + "-");
        });
        ASSERT_NE(row, kPages.end()) << name;
        ConfigTree tree = test::TreeOf(test::ReadFile(base + ".ini"));
        FormSet forms;
        forms.FillFromTree(row->id, tree);
        forms.StoreToTree(row->id, tree);
        EXPECT_EQ(tree.ToText(), test::ReadFile(base + ".out")) << name;
    }
}

// A written car survives a fill and store byte for byte. Misc stores the
// Ackermann value at the first wheel the Wheels form steers now, before that
// form is stored.
TEST(FormSet, ASampleCarRoundTripsAndAckermannFollowsTheSteeredWheels) {
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
