#pragma once

#include <string>
#include <string_view>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// The steering wheel shown in the car: its model, position and tilt.
class OtherModelsForm {
public:
    bool operator==(const OtherModelsForm&) const = default;
    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree);
    // The keys this form fills and stores, in store order.
    static KeyTable<OtherModelsForm> Keys();

    std::string model;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float angle = 0.0f;
};

}  // namespace rw
