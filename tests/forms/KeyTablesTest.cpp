#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <tuple>
#include <vector>

#include "FormTestTree.h"
#include "document/CarDocument.h"
#include "forms/FormSet.h"

namespace rw {
namespace {

using KeyList = std::vector<std::pair<std::string, KeyKind>>;

// The keys of a table, or a selection page's stored fields, below a prefix.
template <typename Table>
KeyList KeysOf(Table table, const std::string& prefix = "", KeyList keys = {}) {
    for (const auto& row : table) {
        if constexpr (requires { row.Stored(); }) {
            if (row.Stored()) {
                keys.emplace_back(prefix + row.key.path, row.key.Kind());
            }
        } else {
            keys.emplace_back(prefix + row.path, row.Kind());
        }
    }
    return keys;
}

// The keys below each wheel's entry of a numbered block.
KeyList PerWheel(const char* block, const KeyList& keys) {
    KeyList all;
    for (int i = 0; i < kWheelCount; ++i) {
        for (const auto& [path, kind] : keys) {
            all.emplace_back(NumberedPrefix(block, i) + path, kind);
        }
    }
    return all;
}

// Every key of every form's table, each wheel's and the first gear's and
// wing's of the numbered blocks.
std::vector<std::pair<PageId, KeyList>> AllTables() {
    return {
        {PageId::General, KeysOf(GeneralForm::Keys())},
        {PageId::Body, KeysOf(BodyForm::Keys())},
        {PageId::Engine, KeysOf(EngineForm::Keys())},
        {PageId::Driveline, KeysOf(DrivelineForm::Keys())},
        {PageId::Misc, KeysOf(MiscForm::Keys())},
        {PageId::Aero, KeysOf(AeroForm::Keys())},
        {PageId::CarModels, KeysOf(CarModelsForm::Keys())},
        {PageId::Sounds, KeysOf(SoundsForm::Keys())},
        {PageId::OtherModels, KeysOf(OtherModelsForm::Keys())},
        {PageId::Wheels, PerWheel("wheel", KeysOf(WheelsForm::Fields()))},
        {PageId::Suspension, PerWheel("susp", KeysOf(SuspensionForm::Fields()))},
        {PageId::WheelModels,
         PerWheel("wheel", {{"model.file", KeyKind::Text}, {"model_brake.file", KeyKind::Text}})},
        {PageId::Gearbox,
         KeysOf(GearboxForm::GearKeys(), "gearbox.gear0.", {{"gearbox.gears", KeyKind::Integer}})},
        {PageId::Aero,
         KeysOf(AeroForm::WingKeys(), "aero.wing0.", {{"aero.wings", KeyKind::Integer}})},
    };
}

// The dotted paths of the tree's values in file order.
void CollectPaths(const TreeNode& node, const std::string& path, std::vector<std::string>& out) {
    if (node.kind == NodeKind::Value) {
        out.push_back(path);
    }
    for (const auto& child : node.children) {
        CollectPaths(*child, path.empty() ? child->name : path + "." + child->name, out);
    }
}

// Every key of every form's table comes back with a distinct value its kind
// writes back as it reads. A fill from a car without the keys keeps none of
// them: Undo All refills without a reset.
TEST(KeyTables, EveryKeyRoundTrips) {
    for (const auto& [page, table] : AllTables()) {
        SCOPED_TRACE(PageTabLabel(page));
        test::Keys keys;
        for (std::size_t row = 0; row < table.size(); ++row) {
            const std::string n = std::to_string(row);
            const KeyKind kind = table[row].second;
            // The counts come first and are 1: the numbered blocks hold one entry.
            const std::string whole = row == 0 ? "1" : "1" + n;
            keys.emplace_back(table[row].first, kind == KeyKind::Integer ? whole
                                                : kind == KeyKind::Real  ? n + ".5"
                                                : kind == KeyKind::Text  ? "text " + n
                                                                         : "1");
        }
        FormSet forms;
        forms.FillFromTree(page, test::TreeWith(keys));
        ConfigTree stored = test::TreeOf("");
        forms.StoreToTree(page, stored);
        for (const auto& [path, value] : keys) {
            EXPECT_EQ(test::ValueAt(stored, path), value) << path;
        }
        forms.FillFromTree(page, test::TreeOf(""));
        ConfigTree cleared = test::TreeOf("");
        forms.StoreToTree(page, cleared);
        for (const auto& [path, value] : keys) {
            EXPECT_NE(test::ValueAt(cleared, path), value) << path;
        }
    }
}

// A key a form binds that the template lacks shows the form's own default in
// a new car, has no comment in its tip, and is added at the end of its block
// by the first save; so are the keys the forms write by rule beside their
// tables (counts, drive outputs). Each wheel reaches the shared Pacejka block
// through inheritance, and the template holds no line the reader reports.
TEST(KeyTables, EveryKeyAFormBindsIsInTheTemplateCar) {
    std::vector<std::string> paths = {NumberedPrefix(AeroForm::kWingBlock, 0) +
                                      AeroForm::kCenterKey};
    for (const auto& [page, table] : AllTables()) {
        for (const auto& [path, kind] : table) {
            paths.push_back(path);
        }
    }
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        paths.push_back(NumberedPrefix("wheel", wheel) + "pacejka.a0");
    }
    ConfigTree stored = test::TreeOf("");
    FormSet().StoreAll(stored);
    CollectPaths(*stored.root, "", paths);
    ConfigTree car;
    BuildDefaultCar(car);
    EXPECT_EQ(car.unreadLines, 0u);
    for (const std::string& path : paths) {
        const TreeNode* node = car.Find(path);
        EXPECT_TRUE(node != nullptr && node->kind == NodeKind::Value) << path;
    }
}

// --- Wheels and Suspension: the selection over the working copy -------------

constexpr std::string_view kFourWheels =
    "wheel0\n{\nmass=10\nradius=0.31\ncamber=-1.5\nsteering=1\nlock=30\n}\n"
    "wheel1\n{\nmass=10\nradius=0.33\ncamber=-1.5\nsteering=1\nlock=30\n}\n"
    "wheel2\n{\nmass=12\nradius=0.31\ncamber=0\nsteering=0\n}\n"
    "wheel3\n{\nmass=12\nradius=0.31\ncamber=0\nsteering=0\n}\n"
    "handbrakes\n{\nwheels=2 3\n}\n";

// A mixed field shows 0 and stays as it was until that very field is applied.
TEST(SelectionForms, ShownValueIsSharedOrZeroWhereTheSelectionDiffers) {
    // The mask, then mass, radius, camber, steering and handbrake as shown.
    const std::tuple<std::uint32_t, std::int32_t, float, float, bool, bool> cases[] = {
        {0x0, 0, 0.0f, 0.0f, false, false},  {0x1, 10, 0.31f, -1.5f, true, false},
        {0x3, 10, 0.0f, -1.5f, true, false}, {0x5, 0, 0.31f, 0.0f, false, false},
        {0xC, 12, 0.31f, 0.0f, false, true}, {0xF, 0, 0.0f, 0.0f, false, false},
    };
    WheelsForm form;
    form.FillFromTree(test::TreeOf(kFourWheels));
    for (const auto& [mask, mass, radius, camber, steering, handbrake] : cases) {
        SCOPED_TRACE(mask);
        form.SetSelection(mask);
        const WheelValues& w = form.shown;
        EXPECT_EQ(std::tuple(w.mass, w.radius, w.camber, w.steering, w.handbrake),
                  std::tuple(mass, radius, camber, steering, handbrake));
    }
    form.SetSelection(0x3);
    form.shown.mass = 11;
    form.ApplyField(test::FieldIndex(WheelsForm::Fields(), "mass"));
    EXPECT_EQ(std::tuple(form.wheels[1].radius, form.wheels[1].mass, form.wheels[2].mass),
              std::tuple(0.33f, 11, 12));
    // A refill shows the new car for the selection kept from before.
    form.SetSelection(0x4);
    form.FillFromTree(test::TreeOf("wheel2\n{\nmass=99\n}\n"));
    EXPECT_EQ(form.selection, 0x4u);
    EXPECT_EQ(form.shown.mass, 99);
}

// Every field copies into its own member of the selected entries only.
TEST(SelectionForms, ApplyCopiesOneFieldIntoTheSelectedEntries) {
    for (std::size_t i = 0; i < SuspensionForm::Fields().size(); ++i) {
        const auto& field = SuspensionForm::Fields()[i];
        SCOPED_TRACE(field.key.path);
        SuspensionForm susp;
        susp.SetSelection(0x6);
        std::visit([&](auto member) { susp.shown.*member = 7; }, field.key.member);
        susp.ApplyField(i);
        ConfigTree stored = test::TreeOf("");
        susp.StoreToTree(stored);
        std::vector<std::string> paths;
        CollectPaths(*stored.root, "", paths);
        std::erase_if(paths,
                      [&](const std::string& path) { return test::ValueAt(stored, path) != "7"; });
        EXPECT_EQ(paths, (std::vector<std::string>{"susp1." + std::string(field.key.path),
                                                   "susp2." + std::string(field.key.path)}));
    }
}

TEST(SelectionForms, EnablesFollowSelectionSteeringAndHandbrake) {
    const std::size_t mass = test::FieldIndex(WheelsForm::Fields(), "mass");
    const std::size_t lock = test::FieldIndex(WheelsForm::Fields(), "lock");
    const std::size_t torque = test::FieldIndex(WheelsForm::Fields(), "max_handbrake_torque");
    // Mask, steering and handbrake shown; mass (any field), lock, torque enabled.
    const std::tuple<std::uint32_t, bool, bool, bool, bool, bool> cases[] = {
        {0x0, true, true, false, false, false}, {0x1, false, false, true, false, false},
        {0x1, true, false, true, true, false},  {0x2, false, true, true, false, true},
        {0xF, true, true, true, true, true},
    };
    for (const auto& [mask, steering, handbrake, fields, locks, torques] : cases) {
        SCOPED_TRACE(mask);
        WheelsForm form;
        form.selection = mask;
        form.shown.steering = steering;
        form.shown.handbrake = handbrake;
        EXPECT_EQ(
            std::tuple(form.FieldEnabled(mass), form.FieldEnabled(lock), form.FieldEnabled(torque)),
            std::tuple(fields, locks, torques));
        SuspensionForm susp;
        susp.selection = mask;
        EXPECT_EQ(susp.FieldEnabled(0), fields);
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

}  // namespace
}  // namespace rw
