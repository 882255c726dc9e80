#pragma once

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// The body as a rigid block. The centre of gravity lives under `car` in the
// file but belongs to the body here; the calculations read cgZ.
class BodyForm {
public:
    bool operator==(const BodyForm&) const = default;
    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree);
    // The keys this form fills and stores, in store order.
    static KeyTable<BodyForm> Keys();

    float width = 0.0f;
    float length = 0.0f;
    float height = 0.0f;
    float mass = 0.0f;
    bool manualBox = false;
    float inertiaX = 0.0f;
    float inertiaY = 0.0f;
    float inertiaZ = 0.0f;
    float cgX = 0.0f;
    float cgY = 0.0f;
    float cgZ = 0.0f;
    float restitution = 0.0f;
};

}  // namespace rw
