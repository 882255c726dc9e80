#include "forms/WheelModelsForm.h"

#include "forms/FileName.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

std::string WheelKey(std::size_t wheel, std::string_view key) {
    return "wheel" + FormatInt(static_cast<std::int32_t>(wheel)) + "." + std::string(key);
}

}  // namespace

void WheelModelsForm::FillFromTree(const ConfigTree& tree) {
    for (std::size_t wheel = 0; wheel < wheelModels.size(); ++wheel) {
        tree.GetString(WheelKey(wheel, "model.file"), wheelModels[wheel]);
    }
    for (std::size_t wheel = 0; wheel < brakeModels.size(); ++wheel) {
        tree.GetString(WheelKey(wheel, "model_brake.file"), brakeModels[wheel]);
    }
}

void WheelModelsForm::StoreToTree(ConfigTree& tree) {
    for (std::size_t wheel = 0; wheel < wheelModels.size(); ++wheel) {
        tree.SetString(WheelKey(wheel, "model.file"), wheelModels[wheel]);
    }
    for (std::size_t wheel = 0; wheel < brakeModels.size(); ++wheel) {
        tree.SetString(WheelKey(wheel, "model_brake.file"), brakeModels[wheel]);
    }
}

void WheelModelsForm::PickWheel(int wheel, std::string_view chosenPath) {
    if (wheel >= 0 && static_cast<std::size_t>(wheel) < wheelModels.size()) {
        wheelModels[static_cast<std::size_t>(wheel)] = FileNameOnly(chosenPath);
    }
}

void WheelModelsForm::PickBrake(int wheel, std::string_view chosenPath) {
    if (wheel >= 0 && static_cast<std::size_t>(wheel) < brakeModels.size()) {
        brakeModels[static_cast<std::size_t>(wheel)] = FileNameOnly(chosenPath);
    }
}

}  // namespace rw
