#pragma once

#include <array>
#include <string>

#include "forms/SuspensionForm.h"

namespace rw {

// The Calculations page: figures derived from the Body page's centre of
// gravity and the Suspension page's working copy. It has no tree keys.
class Calculations {
public:
    struct Texts {
        std::string frontWeightDistribution;
        std::string wheelbase;
        std::string frontTrack;
        std::string rearTrack;
    };

    // The four texts for a centre-of-gravity z and the four suspensions.
    static Texts Compute(float cgZ, const std::array<SuspensionValues, kWheelCount>& suspensions);

    // Replaces the shown texts; until the first call they are empty.
    void Recalculate(float cgZ, const std::array<SuspensionValues, kWheelCount>& suspensions);

    std::string frontWeightDistribution;
    std::string wheelbase;
    std::string frontTrack;
    std::string rearTrack;
};

}  // namespace rw
