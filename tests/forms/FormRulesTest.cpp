#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "FormTestTree.h"
#include "forms/DrivelineForm.h"
#include "forms/EngineForm.h"
#include "forms/FileName.h"

namespace rw {
namespace {

// Space-separated "path=value" pairs.
ConfigTree TreeOfPairs(const std::string& pairs) {
    std::istringstream in(pairs);
    test::Keys keys;
    for (std::string pair; in >> pair;) {
        keys.emplace_back(pair.substr(0, pair.find('=')), pair.substr(pair.find('=') + 1));
    }
    return test::TreeWith(keys);
}

// Outputs 2 3 or 0 1 decide; without both, the powered flags (exactly "1")
// of both rear or both front wheels do. The flags belong to the Wheels page.
TEST(DrivelineForm, DriveComesFromOutputsOrPoweredFlags) {
    using Drive = DrivelineForm::Drive;
    const std::tuple<const char*, Drive, const char*> cases[] = {
        {"differential.output0=2 differential.output1=3", Drive::Rwd, "2 3"},
        {"differential.output0=0 differential.output1=1", Drive::Fwd, "0 1"},
        {"differential.output0=1 differential.output1=0", Drive::Undecided, "0 1"},
        {"differential.output0=3 differential.output1=2", Drive::Undecided, "0 1"},
        {"wheel2.powered=1 wheel3.powered=1", Drive::Rwd, "2 3"},
        {"wheel0.powered=1 wheel1.powered=1", Drive::Fwd, "0 1"},
        {"wheel0.powered=1 wheel1.powered=1 wheel2.powered=1 wheel3.powered=1", Drive::Rwd, "2 3"},
        {"wheel0.powered=1", Drive::Undecided, "0 1"},
        {"wheel2.powered=true wheel3.powered=1", Drive::Undecided, "0 1"},
        {"differential.output0=0 wheel2.powered=1 wheel3.powered=1", Drive::Rwd, "2 3"},
        {"differential.output0=0 differential.output1=1 wheel2.powered=1 wheel3.powered=1",
         Drive::Fwd, "0 1"},
        {"", Drive::Undecided, "0 1"},
    };
    for (const auto& [file, drive, outputs] : cases) {
        SCOPED_TRACE(file);
        DrivelineForm form;
        form.drive = Drive::Rwd;  // a previous car's choice must not survive
        ConfigTree tree = TreeOfPairs(file);
        form.FillFromTree(tree);
        EXPECT_EQ(form.drive, drive);
        form.StoreToTree(tree);
        EXPECT_EQ(test::ValueAt(tree, "differential.output0") + " " +
                      test::ValueAt(tree, "differential.output1"),
                  outputs);
        EXPECT_EQ(test::ValueAt(tree, "wheel0.powered"),
                  test::ValueAt(TreeOfPairs(file), "wheel0.powered"));
    }
}

// The start-stalled tick is stored only with the starter, yet kept, so that
// ticking the starter again brings it back; each box enables its own fields
// (automatic shifting is ticked along with start-stalled to cover both).
TEST(EngineForm, StarterAndAutomaticShiftingRules) {
    for (const bool starter : {false, true}) {
        for (const bool stalled : {false, true}) {
            SCOPED_TRACE(std::to_string(starter) + std::to_string(stalled));
            EngineForm form;
            form.starterMotor = starter;
            form.startStalled = stalled;
            form.automaticShifting = stalled;
            ConfigTree stored = test::TreeOf("");
            form.StoreToTree(stored);
            EXPECT_EQ(test::ValueAt(stored, "engine.start_stalled"),
                      starter && stalled ? "1" : "0");
            EXPECT_EQ(form.startStalled, stalled);
            const auto e = form.Enables();
            EXPECT_EQ(std::tuple(e.starterTorque, e.startStalled, e.shiftUpRpm, e.shiftDownRpm,
                                 e.clutchTime, e.declutchTime),
                      std::tuple(starter, starter, stalled, stalled, stalled, stalled));
        }
    }
}

TEST(FileNameOnly, DropsTheFolderOfEitherSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/me/cars/wheel.dof", "wheel.dof"},
        {"C:\\Tavix\\cars\\engine.crv", "engine.crv"},
        {"C:\\mixed/dirs\\skid.wav", "skid.wav"},
        {"relative/dir/shadow.tga", "shadow.tga"},
        {"archive.tar.gz", "archive.tar.gz"},
        {"/trailing/", ""},
        {"", ""},
    };
    for (const auto& [path, name] : cases) {
        EXPECT_EQ(FileNameOnly(path), name) << path;
    }
}

}  // namespace
}  // namespace rw
