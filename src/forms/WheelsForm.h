#pragma once

#include <array>
#include <cstdint>

#include "forms/WheelSelection.h"
#include "tree/ConfigTree.h"

namespace rw {

// The values of one wheel, as the working copy holds them and as the page
// shows them for the selection.
struct WheelValues {
    std::int32_t mass = 0;
    std::int32_t maxHandbrakeTorque = 0;
    float radius = 0.0f;
    float inertia = 0.0f;
    // Takes part in the selection like any field but is never loaded or stored.
    float width = 0.0f;
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
    enum class Field {
        Mass,
        Inertia,
        Radius,
        Lock,
        Toe,
        Camber,
        TireRate,
        BrakingFactor,
        MaxBraking,
        MaxHandbrakeTorque,
        X,
        Y,
        Z,
        Width,
    };
    enum class Check { Steering, Handbrake };

    struct Enables {
        // Every field but Steer lock and Handbrake Torque (Width included).
        bool fields = false;
        bool steering = false;
        bool handbrake = false;
        bool lock = false;
        bool maxHandbrakeTorque = false;
    };

    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree) const;

    // Re-derives the shown values from the new selection.
    void SetSelection(std::uint32_t mask);
    // Re-derives the shown values from the working copy.
    void ShowSelection();

    // Copy the shown value of one field or check box into every selected wheel.
    void ApplyField(Field field);
    void ApplyCheck(Check check);

    Enables Enables() const;

    // The working copy's steering flag, as edited so far; false for a wheel
    // number out of range.
    bool IsSteering(int wheel) const;

    std::uint32_t selection = 0;
    WheelValues shown;
    std::array<WheelValues, kWheelCount> wheels{};
};

}  // namespace rw
