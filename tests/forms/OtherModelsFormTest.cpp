#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/OtherModelsForm.h"

namespace rw {
namespace {

using test::Keys;

TEST(OtherModelsForm, EveryKeyRoundTrips) {
    const Keys file = {{"steer.x", "0.35"},
                       {"steer.y", "0.7"},
                       {"steer.z", "-0.25"},
                       {"steer.model.file", "wheel.dof"},
                       {"steer.xa", "-12.5"}};
    OtherModelsForm form;
    const auto stored = test::RoundTrip(form, file);
    for (const auto& [path, value] : file) {
        EXPECT_EQ(test::ValueAt(*stored, path), value) << path;
    }
    EXPECT_EQ(form.angle, -12.5f);
}

TEST(OtherModelsForm, MissingModelIsSavedEmptyAndPickKeepsTheName) {
    OtherModelsForm form;
    form.FillFromTree(*test::TreeWith({{"steer.model.file", "old.dof"}}));
    const auto stored = test::RoundTrip(form, {{"steer.x", "1"}});
    EXPECT_EQ(test::ValueAt(*stored, "steer.model.file"), "");
    form.PickModel("C:\\models\\steering\\sw.dof");
    EXPECT_EQ(form.model, "sw.dof");
}

}  // namespace
}  // namespace rw
