#include "forms/OtherModelsForm.h"

namespace rw {

namespace {

constexpr Key<OtherModelsForm> kKeys[] = {
    {"steer.x", &OtherModelsForm::x},      {"steer.y", &OtherModelsForm::y},
    {"steer.z", &OtherModelsForm::z},      {"steer.model.file", &OtherModelsForm::model},
    {"steer.xa", &OtherModelsForm::angle},
};

}  // namespace

KeyTable<OtherModelsForm> OtherModelsForm::Keys() {
    return kKeys;
}

void OtherModelsForm::FillFromTree(const ConfigTree& tree) {
    FillKeys(tree, Keys(), *this);
}

void OtherModelsForm::StoreToTree(ConfigTree& tree) {
    StoreKeys(tree, Keys(), *this);
}

}  // namespace rw
