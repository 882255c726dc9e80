#pragma once

#include <array>
#include <cstdint>

#include "forms/WheelSelection.h"
#include "tree/ConfigTree.h"

namespace rw {

// The values of one wheel, as the working copy holds them and as the page
// shows them for the selection.
struct WheelValues {
    bool operator==(const WheelValues&) const = default;
    std::int32_t mass = 0;
    std::int32_t maxHandbrakeTorque = 0;
    float radius = 0.0f;
    float inertia = 0.0f;
    float lock = 0.0f;
    float camber = 0.0f;
    float toe = 0.0f;
    std::int32_t maxBraking = 0;
    float brakingFactor = 0.0f;
    std::int32_t tireRate = 0;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    bool steering = false;
    bool handbrake = false;
};

// The Wheels page: the four wheels and the handbraked wheels, edited for any
// set of selected wheels at once.
class WheelsForm {
public:
    bool operator==(const WheelsForm&) const = default;
    // The numbered block of each entry's keys: "wheel0." .. "wheel3.".
    static constexpr const char* kBlock = "wheel";

    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree) const;

    // The page's fields, each with its key below "wheel<n>." in store order;
    // the handbrake flags are stored together as "handbrakes.wheels".
    static SelectionFields<WheelValues> Fields();

    // Re-derives the shown values from the new selection.
    void SetSelection(std::uint32_t mask);
    // Re-derives the shown values from the working copy.
    void ShowSelection();

    // Copies the shown value of one of Fields() into every selected wheel.
    void ApplyField(std::size_t field);
    // Every field needs a selection; Steer lock also a steered wheel shown,
    // Handbrake Torque a handbraked one.
    bool FieldEnabled(std::size_t field) const;

    // The working copy's steering flag, as edited so far; false for a wheel
    // number out of range.
    bool IsSteering(int wheel) const;

    std::uint32_t selection = 0;
    WheelValues shown;
    std::array<WheelValues, kWheelCount> wheels{};
};

}  // namespace rw
