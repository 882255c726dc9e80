#pragma once

#include <array>
#include <string>
#include <string_view>

#include "tree/ConfigTree.h"

namespace rw {

// The model files of the four wheels and their brakes, indexed by wheel
// number (0 left front, 1 right front, 2 left rear, 3 right rear).
class WheelModelsForm {
public:
    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree);

    // Keep only the picked file's name in that wheel's field; a wheel number
    // out of range changes nothing.
    void PickWheel(int wheel, std::string_view chosenPath);
    void PickBrake(int wheel, std::string_view chosenPath);

    using Files = std::array<std::string, 4>;
    Files wheelModels;
    Files brakeModels;
};

}  // namespace rw
