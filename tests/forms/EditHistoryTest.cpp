#include <gtest/gtest.h>

#include <algorithm>

#include "forms/EditHistory.h"

namespace rw {
namespace {

// Steps are what a save would write differently; picking wheels is none.
// Undo and redo put the forms back, a new step ends what was undone, and a
// long afternoon of edits keeps its steps within the bound.
TEST(EditHistory, StepsUndoRedoAndTheBound) {
    FormSet forms;
    EditHistory history(forms);
    history.Start();
    EXPECT_FALSE(history.Record({PageId::Engine, "maxRpmEdit"}));
    forms.Engine().maxRpm = 7800;
    EXPECT_TRUE(history.Record({PageId::Engine, "maxRpmEdit"}));
    EXPECT_FALSE(history.Record({PageId::Engine, "maxRpmEdit"}));
    forms.Wheels().SetSelection(0x3);
    EXPECT_FALSE(history.Record({PageId::Wheels, "massEdit"}));
    forms.Wheels().wheels[0].mass = 21;
    forms.Wheels().wheels[1].mass = 21;
    EXPECT_TRUE(history.Record({PageId::Wheels, "massEdit"}));

    forms.Wheels().SetSelection(0x8);
    const auto undone = history.Undo();
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->place.field, "massEdit");
    EXPECT_EQ(undone->pages, std::vector<PageId>{PageId::Wheels});
    EXPECT_EQ(forms.Wheels().wheels[1].mass, 0);
    // The wheels the step was made on are selected again.
    EXPECT_EQ(forms.Wheels().selection, 0x3u);
    ASSERT_TRUE(history.Undo());
    EXPECT_EQ(forms.Engine().maxRpm, 0);
    EXPECT_FALSE(history.Undo());
    ASSERT_TRUE(history.Redo());
    EXPECT_EQ(forms.Engine().maxRpm, 7800);
    forms.Engine().idleRpm = 900;
    EXPECT_TRUE(history.Record({PageId::Engine, "idleRpmEdit"}));
    EXPECT_EQ(history.RedoCount(), 0u);
    EXPECT_EQ(history.UndoCount(), 2u);

    for (int edit = 1; edit <= 2000; ++edit) {
        forms.Engine().maxRpm = edit;
        history.Record({PageId::Engine, "maxRpmEdit"});
    }
    EXPECT_EQ(history.UndoCount(), 2002u);
    EXPECT_LE(history.Bytes(), EditHistory::kMinBytes);

    // A car of 5,000 wings keeps fewer steps, within the bound.
    forms.Aero().wings.resize(5'000);
    history.Start();
    for (int edit = 1; edit <= 12; ++edit) {
        forms.Aero().wings[0].span = static_cast<float>(edit);
        history.Record({PageId::Aero, "spanEdit"});
    }
    EXPECT_LT(history.UndoCount(), 12u);
    EXPECT_GE(history.UndoCount(), 1u);
    std::size_t held = 0;
    for (const PageRow& row : kPages) {
        held += forms.Snapshot(row.id).bytes;
    }
    EXPECT_LE(history.Bytes(), std::max(EditHistory::kMinBytes, 4 * held));
}

}  // namespace
}  // namespace rw
