#include "forms/CarModelsForm.h"

#include <utility>

#include "forms/FileName.h"

namespace rw {

void CarModelsForm::FillFromTree(const ConfigTree& tree) {
    tree.GetString("body.model.file", body);
    tree.GetString("body.model_incar.file", inCar);
    tree.GetString("body.model_braking_l.file", brakes);
    tree.GetString("body.model_light_l.file", lights);
    tree.GetString("car.shadow.texture", texture);
    tree.GetFloat("car.shadow.length", shadowLength);
    tree.GetFloat("car.shadow.width", shadowWidth);
    tree.GetFloat("car.shadow.offset", shadowOffset);
}

void CarModelsForm::StoreToTree(ConfigTree& tree) {
    tree.SetString("body.model.file", body);
    tree.SetString("body.model_incar.file", inCar);
    tree.SetString("body.model_braking_l.file", brakes);
    tree.SetString("body.model_light_l.file", lights);
    tree.SetString("car.shadow.texture", texture);
    tree.SetFloat("car.shadow.length", shadowLength);
    tree.SetFloat("car.shadow.width", shadowWidth);
    tree.SetFloat("car.shadow.offset", shadowOffset);
}

void CarModelsForm::Pick(Field field, std::string_view chosenPath) {
    std::string name = FileNameOnly(chosenPath);
    switch (field) {
        case Field::Body:
            body = std::move(name);
            break;
        case Field::InCar:
            inCar = std::move(name);
            break;
        case Field::Lights:
            lights = std::move(name);
            break;
        case Field::Brakes:
            brakes = std::move(name);
            break;
        case Field::Texture:
            texture = std::move(name);
            break;
    }
}

}  // namespace rw
