#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/BodyForm.h"

namespace rw {
namespace {

using test::Keys;

// Distinct values per key, so a swapped key shows.
const Keys kBody = {
    {"car.cg.x", "0.1"},
    {"car.cg.y", "0.2"},
    {"car.cg.z", "0.3"},
    {"body.mass", "750.5"},
    {"body.width", "1.8"},
    {"body.length", "4.25"},
    {"body.height", "1.3"},
    {"body.inertia.x", "1100"},
    {"body.inertia.y", "1200"},
    {"body.inertia.z", "300"},
    {"body.restitution_coeff", "0.15"},
    {"body.manual_box", "1"},
};

TEST(BodyForm, EveryKeyRoundTripsInStoreOrder) {
    BodyForm form;
    const auto stored = test::RoundTrip(form, kBody);
    EXPECT_EQ(test::StoredPaths(*stored), test::PathsOf(kBody));
    for (const auto& [path, value] : kBody) {
        EXPECT_EQ(test::ValueAt(*stored, path), value) << path;
    }
    EXPECT_FLOAT_EQ(form.cgZ, 0.3f);
}

TEST(BodyForm, ManualBoxIsSetOnlyByOne) {
    struct Case {
        const char* value;  // nullptr: the key is missing
        bool ticked;
    };
    const Case cases[] = {
        {"1", true}, {"0", false}, {"true", false}, {" 1", false}, {nullptr, false}};
    for (const Case& c : cases) {
        BodyForm form;
        form.manualBox = true;
        Keys keys;
        if (c.value != nullptr) {
            keys.emplace_back("body.manual_box", c.value);
        }
        const auto stored = test::RoundTrip(form, keys);
        EXPECT_EQ(form.manualBox, c.ticked) << (c.value ? c.value : "missing");
        EXPECT_EQ(test::ValueAt(*stored, "body.manual_box"), c.ticked ? "1" : "0");
    }
}

}  // namespace
}  // namespace rw
