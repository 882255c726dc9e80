#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/WheelModelsForm.h"

namespace rw {
namespace {

using test::Keys;

// In store order: the four wheel models, then the four brakes.
const Keys kWheelModels = {
    {"wheel0.model.file", "w0.dof"},       {"wheel1.model.file", "w1.dof"},
    {"wheel2.model.file", "w2.dof"},       {"wheel3.model.file", "w3.dof"},
    {"wheel0.model_brake.file", "b0.dof"}, {"wheel1.model_brake.file", "b1.dof"},
    {"wheel2.model_brake.file", "b2.dof"}, {"wheel3.model_brake.file", "b3.dof"},
};

TEST(WheelModelsForm, EveryKeyRoundTrips) {
    WheelModelsForm form;
    const auto stored = test::RoundTrip(form, kWheelModels);
    for (const auto& [path, value] : kWheelModels) {
        EXPECT_EQ(test::ValueAt(*stored, path), value) << path;
    }
    EXPECT_EQ(form.wheelModels[2], "w2.dof");
    EXPECT_EQ(form.brakeModels[3], "b3.dof");
}

TEST(WheelModelsForm, MissingKeysAreSavedEmpty) {
    WheelModelsForm form;
    form.FillFromTree(*test::TreeWith(kWheelModels));
    const auto stored = test::RoundTrip(form, {});
    EXPECT_EQ(test::StoredPaths(*stored).size(), kWheelModels.size());
    for (const auto& key : kWheelModels) {
        EXPECT_EQ(test::ValueAt(*stored, key.first), "") << key.first;
    }
}

TEST(WheelModelsForm, PickFillsOnlyItsRow) {
    WheelModelsForm form;
    form.FillFromTree(*test::TreeWith(kWheelModels));
    form.PickWheel(1, "/home/me/models/front.dof");
    form.PickBrake(3, "D:\\models\\disc.dof");
    form.PickBrake(4, "ignored.dof");
    form.PickWheel(-1, "ignored.dof");
    const std::array<std::string, 4> wheels = {"w0.dof", "front.dof", "w2.dof", "w3.dof"};
    const std::array<std::string, 4> brakes = {"b0.dof", "b1.dof", "b2.dof", "disc.dof"};
    EXPECT_EQ(form.wheelModels, wheels);
    EXPECT_EQ(form.brakeModels, brakes);
}

}  // namespace
}  // namespace rw
