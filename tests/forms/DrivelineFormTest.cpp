#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/DrivelineForm.h"

namespace rw {
namespace {

using test::Keys;
using Drive = DrivelineForm::Drive;

TEST(DrivelineForm, DriveComesFromOutputsOrPoweredFlags) {
    struct Case {
        const char* name;
        Keys file;
        Drive drive;
        const char* output0;
        const char* output1;
    };
    const Keys rearPowered = {{"wheel2.powered", "1"}, {"wheel3.powered", "1"}};
    const Case cases[] = {
        {"outputs 2 3",
         {{"differential.output0", "2"}, {"differential.output1", "3"}},
         Drive::Rwd,
         "2",
         "3"},
        {"outputs 0 1",
         {{"differential.output0", "0"}, {"differential.output1", "1"}},
         Drive::Fwd,
         "0",
         "1"},
        {"outputs 1 0",
         {{"differential.output0", "1"}, {"differential.output1", "0"}},
         Drive::Undecided,
         "0",
         "1"},
        {"outputs 3 2",
         {{"differential.output0", "3"}, {"differential.output1", "2"}},
         Drive::Undecided,
         "0",
         "1"},
        {"rear wheels powered", rearPowered, Drive::Rwd, "2", "3"},
        {"front wheels powered",
         {{"wheel0.powered", "1"}, {"wheel1.powered", "1"}},
         Drive::Fwd,
         "0",
         "1"},
        {"all four powered",
         {{"wheel0.powered", "1"},
          {"wheel1.powered", "1"},
          {"wheel2.powered", "1"},
          {"wheel3.powered", "1"}},
         Drive::Rwd,
         "2",
         "3"},
        {"one front wheel powered", {{"wheel0.powered", "1"}}, Drive::Undecided, "0", "1"},
        {"powered written as true",
         {{"wheel2.powered", "true"}, {"wheel3.powered", "1"}},
         Drive::Undecided,
         "0",
         "1"},
        {"only output0 falls back to the flags",
         {{"differential.output0", "0"}, {"wheel2.powered", "1"}, {"wheel3.powered", "1"}},
         Drive::Rwd,
         "2",
         "3"},
        {"outputs override the flags",
         {{"differential.output0", "0"},
          {"differential.output1", "1"},
          {"wheel2.powered", "1"},
          {"wheel3.powered", "1"}},
         Drive::Fwd,
         "0",
         "1"},
        {"nothing", {}, Drive::Undecided, "0", "1"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DrivelineForm form;
        form.drive = Drive::Rwd;  // a previous car's choice must not survive
        const auto tree = test::TreeWith(c.file);
        form.FillFromTree(*tree);
        EXPECT_EQ(form.drive, c.drive);
        form.StoreToTree(*tree);
        EXPECT_EQ(test::ValueAt(*tree, "differential.output0"), c.output0);
        EXPECT_EQ(test::ValueAt(*tree, "differential.output1"), c.output1);
        // The powered flags belong to the Wheels page.
        EXPECT_EQ(test::ValueAt(*tree, "wheel0.powered"),
                  test::ValueAt(*test::TreeWith(c.file), "wheel0.powered"));
    }
}

TEST(DrivelineForm, TypeEnablesItsOwnFields) {
    struct Case {
        std::int32_t type;
        bool locking;
        bool ramps;
    };
    const Case cases[] = {{0, false, false}, {1, true, false}, {2, false, true}, {5, false, false}};
    for (const Case& c : cases) {
        DrivelineForm form;
        form.type = c.type;
        const auto enables = form.Enables();
        EXPECT_EQ(enables.lockingCoeff, c.locking) << c.type;
        EXPECT_EQ(enables.powerAngle, c.ramps) << c.type;
        EXPECT_EQ(enables.coastAngle, c.ramps) << c.type;
    }
}

}  // namespace
}  // namespace rw
