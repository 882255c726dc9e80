#pragma once

#include <string>
#include <string_view>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// The body's model files and the shadow. Only the left-hand light and brake
// models are edited; the right-hand keys stay as the file has them.
class CarModelsForm {
public:
    bool operator==(const CarModelsForm&) const = default;
    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree);
    // The keys this form fills and stores, in store order.
    static KeyTable<CarModelsForm> Keys();

    std::string body;
    std::string inCar;
    std::string lights;
    std::string brakes;
    std::string texture;
    float shadowWidth = 0.0f;
    float shadowLength = 0.0f;
    float shadowOffset = 0.0f;
};

}  // namespace rw
