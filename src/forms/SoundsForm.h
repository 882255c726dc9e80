#pragma once

#include <string>
#include <string_view>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// The engine and skid samples, named by file only.
class SoundsForm {
public:
    bool operator==(const SoundsForm&) const = default;
    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree);
    // The keys this form fills and stores, in store order.
    static KeyTable<SoundsForm> Keys();

    std::string engineSample;
    float sampleRpm = 0.0f;
    std::string skidSample;
};

}  // namespace rw
