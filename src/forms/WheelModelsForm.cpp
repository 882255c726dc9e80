#include "forms/WheelModelsForm.h"

#include <utility>

#include "forms/KeyTable.h"

namespace rw {
namespace {

// Every wheel's model first, then every brake's, below "wheel<number>.".
constexpr std::pair<const char*, WheelModelsForm::Files WheelModelsForm::*> kKeys[] = {
    {"model.file", &WheelModelsForm::wheelModels},
    {"model_brake.file", &WheelModelsForm::brakeModels},
};

}  // namespace

void WheelModelsForm::FillFromTree(const ConfigTree& tree) {
    for (const auto& [key, files] : kKeys) {
        for (std::size_t wheel = 0; wheel < (this->*files).size(); ++wheel) {
            tree.GetString(NumberedPrefix("wheel", static_cast<std::int64_t>(wheel)) + key,
                           (this->*files)[wheel]);
        }
    }
}

void WheelModelsForm::StoreToTree(ConfigTree& tree) {
    for (const auto& [key, files] : kKeys) {
        for (std::size_t wheel = 0; wheel < (this->*files).size(); ++wheel) {
            tree.SetString(NumberedPrefix("wheel", static_cast<std::int64_t>(wheel)) + key,
                           (this->*files)[wheel]);
        }
    }
}

}  // namespace rw
