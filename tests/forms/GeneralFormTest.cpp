#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/GeneralForm.h"

namespace rw {
namespace {

using test::Keys;

TEST(GeneralForm, TextsTravelVerbatimAndWheelCountIsAlwaysFour) {
    const Keys keys = {
        {"car.name", "Caf\xe9 Racer"},  // Windows-1252 bytes stay as they are
        {"car.year", "mid-2003"},      {"car.id", " id with blanks "}, {"car.credits", "me, you"},
        {"car.comments", "a = b; c"},  {"car.version", "050b10"},      {"car.wheels", "6"},
    };
    GeneralForm form;
    const auto stored = test::RoundTrip(form, keys);
    EXPECT_EQ(form.name, "Caf\xe9 Racer");
    EXPECT_EQ(form.notes, "a = b; c");
    for (const auto& [path, value] : keys) {
        if (path != "car.wheels") {
            EXPECT_EQ(test::ValueAt(*stored, path), value) << path;
        }
    }
    EXPECT_EQ(test::ValueAt(*stored, "car.wheels"), "4");
}

TEST(GeneralForm, StoreAddsEveryKeyInItsOrder) {
    GeneralForm form;
    form.FillFromTree(*test::TreeWith({{"car.name", "Old"}, {"car.credits", "someone"}}));
    form.FillFromTree(*test::TreeWith({{"car.name", "New"}}));
    EXPECT_EQ(form.credits, "");  // not the previous car's

    const auto stored = test::EmptyTree();
    form.StoreToTree(*stored);
    const std::vector<std::string> order = {"car.name",    "car.year",     "car.id",
                                            "car.credits", "car.comments", "car.version",
                                            "car.wheels"};
    EXPECT_EQ(test::StoredPaths(*stored), order);
    EXPECT_EQ(test::ValueAt(*stored, "car.credits"), "");
}

}  // namespace
}  // namespace rw
