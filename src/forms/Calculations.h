#pragma once

#include <array>
#include <string>
#include <vector>

#include "forms/FigureTexts.h"
#include "forms/Gearing.h"
#include "forms/SuspensionForm.h"
#include "forms/TopViewGeometry.h"

namespace rw {

class FormSet;

// The Calculations page: figures, a top view and a gearing table derived from
// the other pages' current values. It has no tree keys.
class Calculations {
public:
    using Texts = FigureTexts;

    // The four texts for a centre-of-gravity z and the four suspensions.
    static Texts Compute(float cgZ, const std::array<SuspensionValues, kWheelCount>& suspensions);

    // Replaces the four texts; until the first call they are empty.
    void Recalculate(float cgZ, const std::array<SuspensionValues, kWheelCount>& suspensions);
    // Replaces everything from the Body, Engine, Gearbox, Driveline, Wheels
    // and Suspension forms as they are now.
    void Recalculate(const FormSet& forms);

    std::string frontWeightDistribution;
    std::string wheelbase;
    std::string frontTrack;
    std::string rearTrack;
    std::vector<GearRow> gearing;
    TopViewGeometry topView;
};

}  // namespace rw
