#include "forms/CarModelsForm.h"

namespace rw {

namespace {

constexpr Key<CarModelsForm> kKeys[] = {
    {"body.model.file", &CarModelsForm::body},
    {"body.model_incar.file", &CarModelsForm::inCar},
    {"body.model_braking_l.file", &CarModelsForm::brakes},
    {"body.model_light_l.file", &CarModelsForm::lights},
    {"car.shadow.texture", &CarModelsForm::texture},
    {"car.shadow.length", &CarModelsForm::shadowLength},
    {"car.shadow.width", &CarModelsForm::shadowWidth},
    {"car.shadow.offset", &CarModelsForm::shadowOffset},
};

}  // namespace

KeyTable<CarModelsForm> CarModelsForm::Keys() {
    return kKeys;
}

void CarModelsForm::FillFromTree(const ConfigTree& tree) {
    FillKeys(tree, Keys(), *this);
}

void CarModelsForm::StoreToTree(ConfigTree& tree) {
    StoreKeys(tree, Keys(), *this);
}

}  // namespace rw
