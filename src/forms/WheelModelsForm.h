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
    bool operator==(const WheelModelsForm&) const = default;
    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree);

    using Files = std::array<std::string, 4>;
    Files wheelModels;
    Files brakeModels;
};

}  // namespace rw
