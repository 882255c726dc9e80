#include "forms/Gearing.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "forms/FormatFixed.h"
#include "tree/Numbers.h"

namespace rw {

namespace {

std::optional<double> Quotient(double dividend, double divisor) {
    return divisor == 0.0 ? std::nullopt : std::optional(dividend / divisor);
}

std::string Cell(std::optional<double> value, int decimals) {
    if (!value || !std::isfinite(*value)) {
        return "n/a";
    }
    // Adding 0 turns a negative zero into a plain one.
    return FormatFixed(*value + 0.0, decimals);
}

// km/h at the wheels' rim for an engine speed in rpm.
std::optional<double> RoadSpeed(double rpm, double overall, double radius) {
    const std::optional<double> wheelRpm = Quotient(rpm, overall);
    if (!wheelRpm) {
        return std::nullopt;
    }
    return *wheelRpm * 2.0 * std::numbers::pi * radius / 60.0 * 3.6;
}

double DrivenRadius(const DrivelineForm& driveline, const WheelsForm& wheels) {
    const auto radius = [&](int wheel) { return double{wheels.wheels[wheel].radius}; };
    switch (driveline.drive) {
        case DrivelineForm::Drive::Fwd:
            return (radius(0) + radius(1)) / 2.0;
        case DrivelineForm::Drive::Rwd:
            return (radius(2) + radius(3)) / 2.0;
        case DrivelineForm::Drive::Undecided:
            break;
    }
    return (radius(0) + radius(1) + radius(2) + radius(3)) / 4.0;
}

// The forward ratios in gear order: the page's rows, then the gears past the
// seventh that a file brought and a save writes back.
std::vector<float> ForwardRatios(const GearboxForm& gearbox) {
    const std::int32_t count = std::clamp(gearbox.gearCount, 0, gearbox.MaxGearCount());
    std::vector<float> ratios;
    for (std::int32_t i = 0; i < count; ++i) {
        ratios.push_back(
            i < GearboxForm::kRowCount
                ? gearbox.ratios[static_cast<std::size_t>(i)]
                : gearbox.ExtraGears()[static_cast<std::size_t>(i - GearboxForm::kRowCount)].ratio);
    }
    return ratios;
}

}  // namespace

std::vector<GearRow> ComputeGearing(const EngineForm& engine, const GearboxForm& gearbox,
                                    const DrivelineForm& driveline, const WheelsForm& wheels) {
    const std::vector<float> ratios = ForwardRatios(gearbox);
    const double radius = DrivenRadius(driveline, wheels);
    const double shiftUp = engine.shiftUpRpm;
    std::vector<GearRow> rows;
    for (std::size_t i = 0; i < ratios.size(); ++i) {
        const double overall = double{ratios[i]} * double{driveline.ratio};
        GearRow row;
        row.gear = FormatInt(static_cast<std::int32_t>(i + 1));
        row.ratio = ShortestFloat(ratios[i]);
        // Two 32-bit factors always give a finite double.
        row.overall = FormatG(overall + 0.0);
        row.atShiftUp = Cell(RoadSpeed(shiftUp, overall, radius), 1);
        row.atMaxRpm = Cell(RoadSpeed(engine.maxRpm, overall, radius), 1);
        if (i + 1 < ratios.size()) {
            row.rpmAfterUpshift = Cell(Quotient(shiftUp * double{ratios[i + 1]}, ratios[i]), 0);
        }
        rows.push_back(std::move(row));
    }
    return rows;
}

}  // namespace rw
