#pragma once

#include <string>

namespace rw {

// The four figures of the Calculations page as shown, each "n/a" when it is
// not a finite number.
struct FigureTexts {
    std::string frontWeightDistribution;
    std::string wheelbase;
    std::string frontTrack;
    std::string rearTrack;
};

}  // namespace rw
