#include "forms/GeneralForm.h"

namespace rw {

void GeneralForm::FillFromTree(const ConfigTree& tree) {
    tree.GetString("car.name", name);
    tree.GetString("car.year", year);
    tree.GetString("car.credits", credits);
    tree.GetString("car.comments", notes);
    tree.GetString("car.id", id);
    tree.GetString("car.version", version);
}

void GeneralForm::StoreToTree(ConfigTree& tree) {
    tree.SetString("car.name", name);
    tree.SetString("car.year", year);
    tree.SetString("car.id", id);
    tree.SetString("car.credits", credits);
    tree.SetString("car.comments", notes);
    tree.SetString("car.version", version);
    tree.SetInt("car.wheels", 4);
}

}  // namespace rw
