#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// The engine: speeds, torque, starter, automatic shifting and the torque curve.
class EngineForm {
public:
    bool operator==(const EngineForm&) const = default;
    // Which dependent fields can be edited; the others keep their values and
    // are stored as they are.
    struct Enables {
        bool starterTorque = false;
        bool startStalled = false;
        bool shiftUpRpm = false;
        bool shiftDownRpm = false;
        bool clutchTime = false;
        bool declutchTime = false;
    };

    void FillFromTree(const ConfigTree& tree);
    // "Start Stalled" is stored as set only together with "Starter Motor".
    void StoreToTree(ConfigTree& tree);
    // The keys this form fills and stores, in store order.
    static KeyTable<EngineForm> Keys();

    Enables Enables() const;

    float mass = 0.0f;
    float inertia = 0.0f;
    std::int32_t maxRpm = 0;
    std::int32_t idleRpm = 0;
    std::int32_t startRpm = 0;
    std::int32_t stallRpm = 0;
    float maxTorque = 0.0f;
    std::int32_t autoclutchRpm = 0;
    bool starterMotor = false;
    bool startStalled = false;
    float starterTorque = 0.0f;
    bool automaticShifting = false;
    std::int32_t shiftUpRpm = 0;
    std::int32_t shiftDownRpm = 0;
    std::int32_t clutchTime = 0;
    std::int32_t declutchTime = 0;
    float brakingCoeff = 0.0f;
    float rollingFrictionCoeff = 0.0f;
    std::string curveTorque;
};

}  // namespace rw
