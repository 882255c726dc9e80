#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "FormTestTree.h"
#include "forms/FormSet.h"

namespace rw {
namespace {

struct TableCase {
    const char* form;
    std::vector<std::pair<std::string, KeyKind>> keys;  // in store order
    std::function<void(const ConfigTree&, ConfigTree&)> fillThenStore;
};

template <typename Values>
void AddKeys(TableCase& c, KeyTable<Values> keys, const std::string& prefix = "") {
    for (const Key<Values>& key : keys) {
        c.keys.emplace_back(prefix + key.path, key.Kind());
    }
}

template <typename Values>
void AddFields(TableCase& c, SelectionFields<Values> fields, const char* block) {
    for (int i = 0; i < kWheelCount; ++i) {
        for (const SelectionField<Values>& field : fields) {
            if (field.Stored()) {
                c.keys.emplace_back(NumberedPrefix(block, i) + field.key.path, field.key.Kind());
            }
        }
    }
}

template <typename Form>
std::function<void(const ConfigTree&, ConfigTree&)> FillThenStore() {
    return [](const ConfigTree& from, ConfigTree& to) {
        Form form;
        form.FillFromTree(from);
        form.StoreToTree(to);
    };
}

template <typename Form>
TableCase Plain(const char* name) {
    TableCase c{name, {}, FillThenStore<Form>()};
    AddKeys(c, Form::Keys());
    return c;
}

std::vector<TableCase> Cases() {
    std::vector<TableCase> cases = {
        Plain<GeneralForm>("General"),
        Plain<BodyForm>("Body"),
        Plain<EngineForm>("Engine"),
        Plain<DrivelineForm>("Driveline"),
        Plain<MiscForm>("Misc"),
        Plain<AeroForm>("Aero"),
        Plain<CarModelsForm>("CarModels"),
        Plain<SoundsForm>("Sounds"),
        Plain<OtherModelsForm>("OtherModels"),
    };
    TableCase wheels{"Wheels", {}, FillThenStore<WheelsForm>()};
    AddFields(wheels, WheelsForm::Fields(), "wheel");
    cases.push_back(wheels);
    TableCase suspension{"Suspension", {}, FillThenStore<SuspensionForm>()};
    AddFields(suspension, SuspensionForm::Fields(), "susp");
    cases.push_back(suspension);
    TableCase gear{"Gearbox", {{"gearbox.gears", KeyKind::Integer}}, FillThenStore<GearboxForm>()};
    AddKeys(gear, GearboxForm::GearKeys(), "gearbox.gear0.");
    cases.push_back(gear);
    TableCase wing{"Aero wings", {{"aero.wings", KeyKind::Integer}}, FillThenStore<AeroForm>()};
    AddKeys(wing, AeroForm::WingKeys(), "aero.wing0.");
    cases.push_back(wing);
    return cases;
}

// A distinct value per key that the key's kind writes back as it reads.
std::string ValueFor(KeyKind kind, std::size_t row) {
    switch (kind) {
        case KeyKind::Integer:
            return std::to_string(row == 0 ? 1 : 10 + row);
        case KeyKind::Real:
            return std::to_string(row) + ".5";
        case KeyKind::Text:
            return "text " + std::to_string(row);
        case KeyKind::Flag:
            return "1";
    }
    return "";
}

// Every key of every form's table comes back with its value, and a store
// into an empty tree writes the keys in the table's order.
TEST(KeyTables, EveryKeyRoundTripsInStoreOrder) {
    for (const TableCase& c : Cases()) {
        SCOPED_TRACE(c.form);
        test::Keys keys;
        for (std::size_t row = 0; row < c.keys.size(); ++row) {
            keys.emplace_back(c.keys[row].first, ValueFor(c.keys[row].second, row));
        }
        auto stored = test::EmptyTree();
        c.fillThenStore(*test::TreeWith(keys), *stored);
        for (const auto& [path, value] : keys) {
            EXPECT_EQ(test::ValueAt(*stored, path), value) << path;
        }
        std::vector<std::string> order = test::StoredPaths(*stored);
        std::erase_if(order, [&](const std::string& path) {
            return std::none_of(keys.begin(), keys.end(),
                                [&](const auto& key) { return key.first == path; });
        });
        EXPECT_EQ(order, test::PathsOf(keys));
    }
}

TEST(KeyTables, NumberedPrefix) {
    EXPECT_EQ(NumberedPrefix("wheel", 3), "wheel3.");
    EXPECT_EQ(NumberedPrefix("gearbox.gear", 12), "gearbox.gear12.");
}

// --- Wheels and Suspension: the selection over the working copy -------------

constexpr std::string_view kFourWheels =
    "wheel0\n{\nmass=10\nradius=0.31\ncamber=-1.5\nsteering=1\nlock=30\n}\n"
    "wheel1\n{\nmass=10\nradius=0.33\ncamber=-1.5\nsteering=1\nlock=30\n}\n"
    "wheel2\n{\nmass=12\nradius=0.31\ncamber=0\nsteering=0\n}\n"
    "wheel3\n{\nmass=12\nradius=0.31\ncamber=0\nsteering=0\n}\n"
    "handbrakes\n{\nwheels=2 3\n}\n";

TEST(SelectionForms, ShownValueIsSharedOrZeroWhereTheSelectionDiffers) {
    struct Case {
        std::uint32_t mask;
        std::int32_t mass;
        float radius;
        float camber;
        bool steering;
        bool handbrake;
    };
    const Case cases[] = {
        {0x0, 0, 0.0f, 0.0f, false, false},  {0x1, 10, 0.31f, -1.5f, true, false},
        {0x3, 10, 0.0f, -1.5f, true, false}, {0x5, 0, 0.31f, 0.0f, false, false},
        {0xC, 12, 0.31f, 0.0f, false, true}, {0xF, 0, 0.0f, 0.0f, false, false},
    };
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        form.SetSelection(c.mask);
        EXPECT_EQ(form.shown.mass, c.mass);
        EXPECT_EQ(form.shown.radius, c.radius);
        EXPECT_EQ(form.shown.camber, c.camber);
        EXPECT_EQ(form.shown.steering, c.steering);
        EXPECT_EQ(form.shown.handbrake, c.handbrake);
    }
}

// A mixed field shows 0 and stays as it was until that very field is applied;
// every field copies into its own member of the selected entries only.
TEST(SelectionForms, ApplyCopiesOneFieldIntoTheSelectedEntries) {
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    form.SetSelection(0x3);
    form.shown.mass = 11;
    form.ApplyField(test::FieldIndex(WheelsForm::Fields(), "massEdit"));
    EXPECT_EQ(form.wheels[0].radius, 0.31f);
    EXPECT_EQ(form.wheels[1].radius, 0.33f);
    EXPECT_EQ(form.wheels[1].mass, 11);
    EXPECT_EQ(form.wheels[2].mass, 12);
    form.shown.handbrake = true;
    form.ApplyField(test::FieldIndex(WheelsForm::Fields(), "handbrakeCheck"));
    EXPECT_TRUE(form.wheels[0].handbrake && form.wheels[1].handbrake);

    for (std::size_t i = 0; i < SuspensionForm::Fields().size(); ++i) {
        SuspensionForm susp;
        susp.SetSelection(0x6);
        std::visit([&](auto member) { susp.shown.*member = 7; },
                   SuspensionForm::Fields()[i].key.member);
        susp.ApplyField(i);
        int changed = 0;
        for (std::size_t j = 0; j < SuspensionForm::Fields().size(); ++j) {
            std::visit(
                [&](auto member) {
                    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
                        const auto& item = susp.suspensions[wheel].*member;
                        const bool set = item != std::remove_cvref_t<decltype(item)>{};
                        changed += set;
                        EXPECT_EQ(set, j == i && (wheel == 1 || wheel == 2)) << i << " " << j;
                    }
                },
                SuspensionForm::Fields()[j].key.member);
        }
        EXPECT_EQ(changed, 2);
    }
}

TEST(SelectionForms, EnablesFollowSelectionSteeringAndHandbrake) {
    const std::size_t mass = test::FieldIndex(WheelsForm::Fields(), "massEdit");
    const std::size_t lock = test::FieldIndex(WheelsForm::Fields(), "lockEdit");
    const std::size_t torque = test::FieldIndex(WheelsForm::Fields(), "maxHandbrakeTorqueEdit");
    struct Case {
        std::uint32_t mask;
        bool steering, handbrake, fields, lock, torque;
    };
    const Case cases[] = {
        {0x0, true, true, false, false, false}, {0x1, false, false, true, false, false},
        {0x1, true, false, true, true, false},  {0x2, false, true, true, false, true},
        {0xF, true, true, true, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mask);
        WheelsForm form;
        form.selection = c.mask;
        form.shown.steering = c.steering;
        form.shown.handbrake = c.handbrake;
        EXPECT_EQ(form.FieldEnabled(mass), c.fields);
        EXPECT_EQ(form.FieldEnabled(lock), c.lock);
        EXPECT_EQ(form.FieldEnabled(torque), c.torque);
        SuspensionForm susp;
        susp.selection = c.mask;
        EXPECT_EQ(susp.FieldEnabled(0), c.fields);
    }
}

TEST(SelectionForms, HandbrakeDigitsAnywhereMarkTheirWheels) {
    const std::pair<std::string_view, std::string> cases[] = {
        {"handbrakes\n{\nwheels=3,2\n}\n", "23"},
        {"handbrakes\n{\nwheels=1 0 9\n}\n", "01"},
        {"", ""},
    };
    for (const auto& [file, stored] : cases) {
        SCOPED_TRACE(file);
        WheelsForm form;
        ConfigTree tree = test::TreeOf(file);
        form.FillFromTree(tree);
        form.StoreToTree(tree);
        EXPECT_EQ(test::ValueAt(tree, "handbrakes.wheels"), stored);
    }
}

// A refill shows the new car for the selection kept from before.
TEST(SelectionForms, FillShowsTheLoadedCarForTheKeptSelection) {
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    form.SetSelection(0x4);
    form.FillFromTree(test::TreeOf("wheel2\n{\nmass=99\n}\n"));
    EXPECT_EQ(form.selection, 0x4u);
    EXPECT_EQ(form.shown.mass, 99);
}

}  // namespace
}  // namespace rw
