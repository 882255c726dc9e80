#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <string_view>

#include "FormTestTree.h"
#include "forms/AeroForm.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

std::string WingsFile(const std::string& count, int blocks) {
    std::string text = "aero\n{\nwings=" + count + "\n";
    for (int i = 0; i < blocks; ++i) {
        text += "wing" + FormatInt(i) + "\n{\nname=w" + FormatInt(i) + "\nspan=" + FormatInt(i) +
                "\n}\n";
    }
    return text + "}\n";
}

constexpr std::string_view kThreeWings =
    "aero\n{\nbody\n{\ncx=0.35\narea=2.1\n}\nwings=3\n"
    "wing0\n{\nname=rear\ncoeff_down=1.5\ncenter=0 0.5 -2\n}\n"
    "wing1\n{\nname=front\ncoeff_down=0.8\nspan=1.2\ncenter=0.1 0.5\n}\n"
    "wing2\n{\nname=flap\ncoeff_down=0.2\nangle=12.5\n}\n"
    "}\n";

// The listed wings, the selection with the name and angle it shows, and the
// enables as "f" (wing fields), "d" (delete), "a" (add).
std::string State(const AeroForm& form) {
    std::string text;
    for (const Wing& wing : form.wings) {
        text += wing.name + " ";
    }
    text += "| " + FormatInt(form.selected) + " " + form.edit.name + " " +
            ShortestFloat(form.edit.angle);
    const auto enables = form.Enables();
    return text + " " + (enables.wingFields ? "f" : "") + (enables.deleteWing ? "d" : "") +
           (enables.addWing ? "a" : "");
}

TEST(AeroFormWings, SelectionDeleteAndAdd) {
    struct Case {
        const char* name;
        std::string_view file;
        std::function<void(AeroForm&)> act;
        const char* state;
        const char* stored;  // the names in aero.wing0..2 after a store into the same tree
    };
    const Case cases[] = {
        {"filled", kThreeWings, [](AeroForm&) {}, "rear front flap | -1 None selected 0 a",
         "3 rear front flap"},
        {"selected", kThreeWings, [](AeroForm& f) { f.SelectWing(2); },
         "rear front flap | 2 flap 12.5 fda", "3 rear front flap"},
        {"named None selected", "aero\n{\nwings=1\nwing0\n{\nname=None selected\n}\n}\n",
         [](AeroForm& f) { f.SelectWing(0); }, "None selected | 0 None selected 0 a",
         "1 None selected <missing> <missing>"},
        {"delete first", kThreeWings, [](AeroForm& f) { f.SelectWing(0), f.DeleteWing(); },
         "front flap | 0 front 0 fda", "2 front flap flap"},
        {"delete middle", kThreeWings, [](AeroForm& f) { f.SelectWing(1), f.DeleteWing(); },
         "rear flap | 1 flap 12.5 fda", "2 rear flap flap"},
        // The last one: back to the first; the old block stays outside the count.
        {"delete last", kThreeWings, [](AeroForm& f) { f.SelectWing(2), f.DeleteWing(); },
         "rear front | 0 rear 0 fda", "2 rear front flap"},
        {"delete the only wing", "aero\n{\nwings=1\nwing0\n{\nname=solo\nangle=2\n}\n}\n",
         [](AeroForm& f) { f.SelectWing(0), f.DeleteWing(), f.DeleteWing(); },
         "| -1 None selected 0 a", "0 solo <missing> <missing>"},
        {"add after a delete starts at zero", kThreeWings,
         [](AeroForm& f) { f.SelectWing(2), f.DeleteWing(), f.AddWing(); },
         "rear front NewWing | 2 NewWing 0 fda", "3 rear front NewWing"},
        // Without a picked wing, edits reach no wing, even after a refill.
        {"refill drops the selection", kThreeWings,
         [](AeroForm& f) {
             f.SelectWing(2);
             f.FillFromTree(test::TreeOf("aero\n{\nwings=1\nwing0\n{\nname=only\n}\n}\n"));
             f.edit.cord = 9.0f;
             f.ApplyWingField(&Wing::cord);
             f.RenameWing("stray");
         },
         "only | -1 None selected 0 a", "1 only front flap"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ConfigTree tree = test::TreeOf(c.file);
        AeroForm form;
        form.FillFromTree(tree);
        c.act(form);
        EXPECT_EQ(State(form), c.state);
        form.StoreToTree(tree);
        EXPECT_EQ(test::ValueAt(tree, "aero.wings") + " " + test::ValueAt(tree, "aero.wing0.name") +
                      " " + test::ValueAt(tree, "aero.wing1.name") + " " +
                      test::ValueAt(tree, "aero.wing2.name"),
                  c.stored);
        EXPECT_EQ(form.wings.empty() ? 0.0f : form.wings[0].cord, 0.0f);
    }
}

// Up to twenty the count is taken as given; beyond, the wings present decide,
// and a file's wings past twenty load and save whole. Adding stops at twenty.
TEST(AeroFormWings, CountsAndTheTwentyWingLimit) {
    const std::tuple<const char*, int, std::size_t, bool> cases[] = {
        {"3", 1, 3, true},  // missing wings up to the count load empty
        {"-4", 2, 0, true},
        {"18", 18, 18, true},
        {"19", 19, 19, true},
        {"20", 0, 20, false},
        {"25", 25, 25, false},
        {"2147483647", 22, 22, false},  // a runaway count stops where the wings stop
    };
    for (const auto& [count, blocks, loaded, canAdd] : cases) {
        SCOPED_TRACE(count);
        AeroForm form;
        form.FillFromTree(test::TreeOf(WingsFile(count, blocks)));
        EXPECT_EQ(form.wings.size(), loaded);
        EXPECT_EQ(form.Enables().addWing, canAdd);
        EXPECT_EQ(form.AddWing(), canAdd);
        ConfigTree saved = test::TreeOf("");
        form.StoreToTree(saved);
        EXPECT_EQ(test::ValueAt(saved, "aero.wings"), std::to_string(form.wings.size()));
        if (blocks == 25) {
            EXPECT_EQ(test::ValueAt(saved, "aero.wing24.span"), "24");
        }
    }
}

}  // namespace
}  // namespace rw
