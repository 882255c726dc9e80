#pragma once

#include <string>
#include <string_view>

#include "tree/ConfigTree.h"

namespace rw {

// The engine and skid samples, named by file only.
class SoundsForm {
public:
    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree);

    // Keep only the picked file's name in that sample's field.
    void PickEngineSample(std::string_view chosenPath);
    void PickSkidSample(std::string_view chosenPath);

    std::string engineSample;
    float sampleRpm = 0.0f;
    std::string skidSample;
};

}  // namespace rw
