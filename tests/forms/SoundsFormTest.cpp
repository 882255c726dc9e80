#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/SoundsForm.h"

namespace rw {
namespace {

using test::Keys;

TEST(SoundsForm, EveryKeyRoundTripsInStoreOrder) {
    // Store order: engine.sample, engine.sample_rpm, then the skid sample.
    const Keys file = {{"engine.sample", "v8.wav"},
                       {"engine.sample_rpm", "4500.25"},
                       {"car.skid.sample", "skid.wav"}};
    SoundsForm form;
    const auto stored = test::RoundTrip(form, file);
    EXPECT_EQ(test::StoredPaths(*stored), test::PathsOf(file));
    for (const auto& [path, value] : file) {
        EXPECT_EQ(test::ValueAt(*stored, path), value) << path;
    }
}

TEST(SoundsForm, PickFillsOnlyItsSample) {
    SoundsForm form;
    form.FillFromTree(
        *test::TreeWith({{"engine.sample", "old.wav"}, {"car.skid.sample", "s.wav"}}));
    form.PickEngineSample("/home/me/sounds/new.wav");
    EXPECT_EQ(form.engineSample, "new.wav");
    EXPECT_EQ(form.skidSample, "s.wav");
    form.PickSkidSample("C:\\sounds\\screech.wav");
    EXPECT_EQ(form.engineSample, "new.wav");
    EXPECT_EQ(form.skidSample, "screech.wav");
}

}  // namespace
}  // namespace rw
