#include "forms/BodyForm.h"

namespace rw {

namespace {

constexpr Key<BodyForm> kKeys[] = {
    {"car.cg.x", &BodyForm::cgX},
    {"car.cg.y", &BodyForm::cgY},
    {"car.cg.z", &BodyForm::cgZ},
    {"body.mass", &BodyForm::mass, "kg"},
    {"body.width", &BodyForm::width},
    {"body.length", &BodyForm::length},
    {"body.height", &BodyForm::height},
    {"body.inertia.x", &BodyForm::inertiaX},
    {"body.inertia.y", &BodyForm::inertiaY},
    {"body.inertia.z", &BodyForm::inertiaZ},
    {"body.restitution_coeff", &BodyForm::restitution},
    {"body.manual_box", &BodyForm::manualBox},
};

}  // namespace

KeyTable<BodyForm> BodyForm::Keys() {
    return kKeys;
}

void BodyForm::FillFromTree(const ConfigTree& tree) {
    FillKeys(tree, Keys(), *this);
}

void BodyForm::StoreToTree(ConfigTree& tree) {
    StoreKeys(tree, Keys(), *this);
}

}  // namespace rw
