#include "forms/SoundsForm.h"

namespace rw {

namespace {

constexpr Key<SoundsForm> kKeys[] = {
    {"engine.sample", &SoundsForm::engineSample},
    {"engine.sample_rpm", &SoundsForm::sampleRpm, "rpm"},
    {"car.skid.sample", &SoundsForm::skidSample},
};

}  // namespace

KeyTable<SoundsForm> SoundsForm::Keys() {
    return kKeys;
}

void SoundsForm::FillFromTree(const ConfigTree& tree) {
    FillKeys(tree, Keys(), *this);
}

void SoundsForm::StoreToTree(ConfigTree& tree) {
    StoreKeys(tree, Keys(), *this);
}

}  // namespace rw
