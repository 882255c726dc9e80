#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FormTestTree.h"
#include "document/CarDocument.h"
#include "forms/FormSet.h"

namespace rw {
namespace {

using Paths = std::vector<std::string>;

template <typename Values>
void AddKeys(Paths& paths, KeyTable<Values> table, const std::string& prefix = "") {
    for (const Key<Values>& key : table) {
        paths.push_back(prefix + key.path);
    }
}

template <typename Values>
void AddFields(Paths& paths, SelectionFields<Values> fields, const std::string& prefix) {
    for (const SelectionField<Values>& field : fields) {
        if (field.Stored()) {
            paths.push_back(prefix + field.key.path);
        }
    }
}

void AddValues(const TreeNode& node, const std::string& path, Paths& paths) {
    if (node.kind == NodeKind::Value) {
        paths.push_back(path);
    }
    for (const auto& child : node.children) {
        AddValues(*child, path.empty() ? child->name : path + "." + child->name, paths);
    }
}

// A key a form binds that the template lacks shows the form's own default in
// a new car, has no comment in its tip, and is added at the end of its block
// by the first save. Numbered blocks are checked at their first entry.
TEST(TemplateKeys, EveryKeyAFormBindsIsInTheTemplateCar) {
    Paths paths;
    AddKeys(paths, GeneralForm::Keys());
    AddKeys(paths, BodyForm::Keys());
    AddKeys(paths, EngineForm::Keys());
    AddKeys(paths, DrivelineForm::Keys());
    AddKeys(paths, MiscForm::Keys());
    AddKeys(paths, AeroForm::Keys());
    AddKeys(paths, CarModelsForm::Keys());
    AddKeys(paths, SoundsForm::Keys());
    AddKeys(paths, OtherModelsForm::Keys());
    AddFields(paths, WheelsForm::Fields(), NumberedPrefix(WheelsForm::kBlock, 0));
    AddFields(paths, SuspensionForm::Fields(), NumberedPrefix(SuspensionForm::kBlock, 0));
    AddKeys(paths, GearboxForm::GearKeys(), GearboxForm::GearPrefix(0));
    const std::string wing = NumberedPrefix(AeroForm::kWingBlock, 0);
    AddKeys(paths, AeroForm::WingKeys(), wing);
    paths.push_back(wing + AeroForm::kCenterKey);
    // The keys the forms write by rule beside their tables (counts, drive
    // outputs, wheel models) are in what every page stores.
    FormSet forms;
    ConfigTree stored = test::TreeOf("");
    forms.StoreAll(stored);
    AddValues(*stored.root, "", paths);

    ConfigTree car;
    BuildDefaultCar(car);
    for (const std::string& path : paths) {
        const TreeNode* node = car.Find(path);
        EXPECT_TRUE(node != nullptr && node->kind == NodeKind::Value) << path;
    }
}

}  // namespace
}  // namespace rw
