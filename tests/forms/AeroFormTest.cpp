#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "FormTestTree.h"
#include "forms/AeroForm.h"
#include "tree/ConfigTree.h"

namespace rw {
namespace {

std::vector<std::string> Names(const AeroForm& form) {
    std::vector<std::string> names;
    for (const Wing& wing : form.wings) {
        names.push_back(wing.name);
    }
    return names;
}

std::string WingsFile(int count, int blocks) {
    std::string text = "aero\n{\nwings=" + std::to_string(count) + "\n";
    for (int i = 0; i < blocks; ++i) {
        text += "wing" + std::to_string(i) + "\n{\nname=w" + std::to_string(i) +
                "\nspan=" + std::to_string(i) + "\n}\n";
    }
    return text + "}\n";
}

constexpr std::string_view kThreeWings =
    "aero\n{\nbody\n{\ncx=0.35\narea=2.1\n}\nwings=3\n"
    "wing0\n{\nname=rear\ncoeff_down=1.5\ncenter=0 0.5 -2\n}\n"
    "wing1\n{\nname=front\ncoeff_down=0.8\nspan=1.2\ncenter=0.1 0.5\n}\n"
    "wing2\n{\nname=flap\ncoeff_down=0.2\nangle=12.5\n}\n"
    "}\n";

// --- Fill, selection and the enable rule -------------------------------------

TEST(AeroFormWings, FillListsWingsInFileOrderWithNothingSelected) {
    AeroForm form;
    form.FillFromTree(test::TreeOf(kThreeWings));
    EXPECT_EQ(form.cx, 0.35f);
    EXPECT_EQ(form.area, 2.1f);
    EXPECT_EQ(Names(form), (std::vector<std::string>{"rear", "front", "flap"}));
    EXPECT_EQ(form.name, "None selected");
    EXPECT_FALSE(form.Enables().wingFields);
    EXPECT_FALSE(form.Enables().deleteWing);
    EXPECT_TRUE(form.Enables().addWing);

    form.SelectWing(1);
    EXPECT_EQ(form.name, "front");
    EXPECT_EQ(form.coeffDown, 0.8f);
    EXPECT_EQ(form.span, 1.2f);
    EXPECT_EQ(form.x, 0.1f);
    EXPECT_EQ(form.y, 0.5f);
    EXPECT_EQ(form.z, 0.0f);
    EXPECT_TRUE(form.Enables().wingFields);
    EXPECT_TRUE(form.Enables().deleteWing);
}

TEST(AeroFormWings, RefillReturnsToNoWingSelected) {
    AeroForm form;
    ConfigTree tree = test::TreeOf(kThreeWings);
    form.FillFromTree(tree);
    form.SelectWing(2);
    form.FillFromTree(test::TreeOf("aero\n{\nwings=1\nwing0\n{\nname=only\ncord=0.3\n}\n}\n"));
    EXPECT_EQ(form.selected, AeroForm::kNoWing);
    EXPECT_EQ(form.name, "None selected");
    EXPECT_EQ(form.angle, 0.0f);  // the old wing's 12.5 does not linger
    EXPECT_FALSE(form.Enables().wingFields);
    // Edits without a picked wing reach no wing of the new table.
    form.cord = 9.0f;
    form.ApplyWingField(AeroForm::WingField::Cord);
    form.RenameWing("stray");
    EXPECT_EQ(form.wings[0].cord, 0.3f);
    EXPECT_EQ(form.wings[0].name, "only");
}

TEST(AeroFormWings, WingNamedNoneSelectedCannotBeEdited) {
    AeroForm form;
    form.FillFromTree(test::TreeOf("aero\n{\nwings=1\nwing0\n{\nname=None selected\n}\n}\n"));
    form.SelectWing(0);
    EXPECT_FALSE(form.Enables().wingFields);
    EXPECT_FALSE(form.Enables().deleteWing);
}

TEST(AeroFormWings, EachFieldCopiesIntoTheSelectedWing) {
    using F = AeroForm::WingField;
    struct Case {
        F field;
        float AeroForm::*shown;
        float Wing::*item;
    };
    const Case cases[] = {
        {F::Cord, &AeroForm::cord, &Wing::cord},
        {F::Downforce, &AeroForm::coeffDown, &Wing::coeffDown},
        {F::Span, &AeroForm::span, &Wing::span},
        {F::Drag, &AeroForm::coeffDrag, &Wing::coeffDrag},
        {F::Angle, &AeroForm::angle, &Wing::angle},
        {F::Offset, &AeroForm::angleOffset, &Wing::angleOffset},
        {F::X, &AeroForm::x, &Wing::x},
        {F::Y, &AeroForm::y, &Wing::y},
        {F::Z, &AeroForm::z, &Wing::z},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.field));
        AeroForm form;
        form.FillFromTree(test::TreeOf(kThreeWings));
        form.SelectWing(2);
        const Wing before = form.wings[2];
        const Wing other = form.wings[1];
        for (const Case& any : cases) {
            form.*(any.shown) = 7.0f;
        }
        form.ApplyWingField(c.field);
        for (const Case& any : cases) {
            const float expected = any.field == c.field ? 7.0f : before.*(any.item);
            EXPECT_EQ(form.wings[2].*(any.item), expected) << static_cast<int>(any.field);
        }
        EXPECT_EQ(form.wings[1].*(c.item), other.*(c.item));
    }
}

// --- Delete and add ---------------------------------------------------------

TEST(AeroFormWings, DeleteMovesLaterWingsUpAndStoreRenumbers) {
    struct Case {
        int deleted;
        std::vector<std::string> names;
        int selectedAfter;
    };
    const Case cases[] = {
        {0, {"front", "flap"}, 0},
        {1, {"rear", "flap"}, 1},
        {2, {"rear", "front"}, 0},  // the last one: back to the first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.deleted);
        AeroForm form;
        ConfigTree tree = test::TreeOf(kThreeWings);
        form.FillFromTree(tree);
        form.SelectWing(c.deleted);
        form.DeleteWing();
        EXPECT_EQ(Names(form), c.names);
        EXPECT_EQ(form.selected, c.selectedAfter);
        EXPECT_EQ(form.name, c.names[static_cast<std::size_t>(c.selectedAfter)]);
        EXPECT_TRUE(form.Enables().wingFields);

        form.StoreToTree(tree);
        EXPECT_EQ(test::ValueAt(tree, "aero.wings"), "2");
        EXPECT_EQ(test::ValueAt(tree, "aero.wing0.name"), c.names[0]);
        EXPECT_EQ(test::ValueAt(tree, "aero.wing1.name"), c.names[1]);
        // The old third block stays in the file, outside the count.
        EXPECT_EQ(test::ValueAt(tree, "aero.wing2.name"), "flap");
    }
}

TEST(AeroFormWings, DeletingTheOnlyWingLeavesNoneSelected) {
    AeroForm form;
    form.FillFromTree(test::TreeOf("aero\n{\nwings=1\nwing0\n{\nname=solo\nspan=2\n}\n}\n"));
    form.SelectWing(0);
    form.DeleteWing();
    EXPECT_TRUE(form.wings.empty());
    EXPECT_EQ(form.selected, AeroForm::kNoWing);
    EXPECT_EQ(form.name, "None selected");
    EXPECT_EQ(form.span, 0.0f);
    EXPECT_FALSE(form.Enables().wingFields);
    form.DeleteWing();  // nothing left to delete
    EXPECT_TRUE(form.wings.empty());
}

TEST(AeroFormWings, NewWingStartsAtZeroAfterADelete) {
    AeroForm form;
    form.FillFromTree(test::TreeOf(kThreeWings));
    form.SelectWing(1);
    form.DeleteWing();
    ASSERT_TRUE(form.AddWing());
    ASSERT_EQ(form.wings.size(), 3u);
    const Wing& added = form.wings[2];
    EXPECT_EQ(added.name, "NewWing");
    EXPECT_EQ(added.angle, 0.0f);
    EXPECT_EQ(added.coeffDown, 0.0f);
    EXPECT_EQ(form.selected, 2);
    EXPECT_EQ(form.name, "NewWing");
    EXPECT_EQ(form.angle, 0.0f);
    EXPECT_TRUE(form.Enables().wingFields);
}

TEST(AeroFormWings, AddWingStopsAtTwentyListedWings) {
    AeroForm form;
    form.FillFromTree(test::TreeOf(WingsFile(18, 18)));
    EXPECT_TRUE(form.Enables().addWing);
    EXPECT_TRUE(form.AddWing());
    EXPECT_TRUE(form.Enables().addWing);
    EXPECT_TRUE(form.AddWing());
    EXPECT_FALSE(form.Enables().addWing);
    EXPECT_FALSE(form.AddWing());
    EXPECT_EQ(form.wings.size(), 20u);
}

// --- Counts -----------------------------------------------------------------

TEST(AeroFormWings, MoreThanTwentyWingsLoadAndSaveWhole) {
    AeroForm form;
    ConfigTree tree = test::TreeOf(WingsFile(25, 25));
    form.FillFromTree(tree);
    ASSERT_EQ(form.wings.size(), 25u);
    EXPECT_EQ(form.wings[24].name, "w24");
    EXPECT_EQ(form.wings[24].span, 24.0f);
    EXPECT_FALSE(form.Enables().addWing);
    form.SelectWing(24);
    EXPECT_EQ(form.name, "w24");

    ConfigTree saved = test::TreeOf("");
    form.StoreToTree(saved);
    EXPECT_EQ(test::ValueAt(saved, "aero.wings"), "25");
    EXPECT_EQ(test::ValueAt(saved, "aero.wing24.name"), "w24");
    EXPECT_EQ(test::ValueAt(saved, "aero.wing24.span"), "24");
}

TEST(AeroFormWings, CountIsTakenAsGivenUpToTwentyAndBoundedByTheFileBeyond) {
    struct Case {
        int count;
        int blocks;
        std::size_t loaded;
    };
    const Case cases[] = {
        {3, 1, 3},  // missing wings up to the count load empty
        {-4, 2, 0},
        {20, 0, 20},
        {2147483647, 22, 22},  // a runaway count stops where the wings stop
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        AeroForm form;
        ConfigTree tree = test::TreeOf(WingsFile(c.count, c.blocks));
        form.FillFromTree(tree);
        EXPECT_EQ(form.wings.size(), c.loaded);
        form.StoreToTree(tree);
        EXPECT_EQ(test::ValueAt(tree, "aero.wings"), std::to_string(c.loaded));
    }
}

// --- Store ------------------------------------------------------------------

TEST(AeroFormTree, CenterIsScannedAsThreeNumbersAndWrittenWithThreeDecimals) {
    struct Case {
        std::string_view center;
        std::string stored;
    };
    const Case cases[] = {
        {"0.1 0.5", "0.100 0.500 0.000"},
        {"1.23456 -2 3", "1.235 -2.000 3.000"},
        {"  4\t5  6 7", "4.000 5.000 6.000"},
        {"1,2,3", "1.000 0.000 0.000"},
        {"x 1 2", "0.000 0.000 0.000"},
        {"1e1 .5 -.25", "10.000 0.500 -0.250"},
        {"", "0.000 0.000 0.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.center);
        AeroForm form;
        ConfigTree tree = test::TreeOf(
            "aero\n{\nwings=1\nwing0\n{\ncenter=" + std::string(c.center) + "\n}\n}\n");
        form.FillFromTree(tree);
        form.StoreToTree(tree);
        EXPECT_EQ(test::ValueAt(tree, "aero.wing0.center"), c.stored);
    }
}

}  // namespace
}  // namespace rw
