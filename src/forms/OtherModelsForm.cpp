#include "forms/OtherModelsForm.h"

#include "forms/FileName.h"

namespace rw {

void OtherModelsForm::FillFromTree(const ConfigTree& tree) {
    tree.GetFloat("steer.x", x);
    tree.GetFloat("steer.y", y);
    tree.GetFloat("steer.z", z);
    tree.GetString("steer.model.file", model);
    tree.GetFloat("steer.xa", angle);
}

void OtherModelsForm::StoreToTree(ConfigTree& tree) {
    tree.SetFloat("steer.x", x);
    tree.SetFloat("steer.y", y);
    tree.SetFloat("steer.z", z);
    tree.SetString("steer.model.file", model);
    tree.SetFloat("steer.xa", angle);
}

void OtherModelsForm::PickModel(std::string_view chosenPath) {
    model = FileNameOnly(chosenPath);
}

}  // namespace rw
