#include "forms/GeneralForm.h"

namespace rw {

namespace {

constexpr Key<GeneralForm> kKeys[] = {
    {"car.name", &GeneralForm::name},      {"car.year", &GeneralForm::year},
    {"car.id", &GeneralForm::id},          {"car.credits", &GeneralForm::credits},
    {"car.comments", &GeneralForm::notes}, {"car.version", &GeneralForm::version},
};

}  // namespace

KeyTable<GeneralForm> GeneralForm::Keys() {
    return kKeys;
}

void GeneralForm::FillFromTree(const ConfigTree& tree) {
    FillKeys(tree, Keys(), *this);
}

void GeneralForm::StoreToTree(ConfigTree& tree) {
    StoreKeys(tree, Keys(), *this);
    tree.SetInt("car.wheels", 4);
}

}  // namespace rw
