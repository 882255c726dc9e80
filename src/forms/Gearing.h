#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "forms/DrivelineForm.h"
#include "forms/EngineForm.h"
#include "forms/GearboxForm.h"
#include "forms/WheelsForm.h"

namespace rw {

inline constexpr std::size_t kGearColumnCount = 6;

// One forward gear of the gearing table, each cell as shown: "n/a" where a
// divisor is 0 or the result is not finite; the top gear has no rpm after
// an upshift and shows it empty.
struct GearRow {
    std::string gear;
    std::string ratio;
    std::string overall;
    // Road speeds in km/h.
    std::string atShiftUp;
    std::string atMaxRpm;
    std::string rpmAfterUpshift;

    // The cells in table order, from Gear to RPM after upshift.
    std::array<std::string_view, kGearColumnCount> Cells() const {
        return {gear, ratio, overall, atShiftUp, atMaxRpm, rpmAfterUpshift};
    }
};

// The gearing table's columns, in the order of GearRow::Cells().
struct GearColumn {
    const char* title;
    const char* tip;   // empty where the title says it all
    const char* unit;  // empty for a ratio or a number
};
inline constexpr std::array<GearColumn, kGearColumnCount> kGearColumns = {{
    {"Gear", "", ""},
    {"Ratio", "", ""},
    {"Overall", "Gear ratio times the differential ratio", ""},
    {"At Shift Up @", "Road speed in km/h at the shift-up rpm", "km/h"},
    {"At Max RPM", "Road speed in km/h at the maximum rpm", "km/h"},
    {"RPM after upshift", "Engine rpm in the next gear after shifting up at the shift-up rpm",
     "rpm"},
}};

// Every forward gear the gearbox holds, through the differential onto the mean
// radius of the driven wheels (the front pair for FWD, the rear pair for RWD,
// all four while the drive is undecided), at the engine's shift-up and
// maximum rpm.
std::vector<GearRow> ComputeGearing(const EngineForm& engine, const GearboxForm& gearbox,
                                    const DrivelineForm& driveline, const WheelsForm& wheels);

}  // namespace rw
