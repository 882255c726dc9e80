#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace rw {

// The page values the save-time warnings examine.
struct SaveCheckValues {
    std::int32_t maxRpm = 0;
    std::int32_t idleRpm = 0;
    std::int32_t stallRpm = 0;
    std::int32_t startRpm = 0;
    std::int32_t autoclutchRpm = 0;
    std::int32_t shiftUpRpm = 0;
    std::int32_t shiftDownRpm = 0;
    std::string curveTorque;
    float brakingCoeff = 0.0f;
    std::string id;
    std::string version;
    float differentialRatio = 0.0f;
    float reverseRatio = 0.0f;
    struct Suspension {
        float minLength = 0.0f;
        float maxLength = 0.0f;
        float restLength = 0.0f;
    };
    std::array<Suspension, 4> suspensions{};
};

// The warning lines, each ending in "\n", in the order of the checks; empty
// when every check passes.
std::string SaveWarnings(const SaveCheckValues& values);
// The text of the question shown for a non-empty warning list.
std::string SaveWarningMessage(const std::string& warnings);

}  // namespace rw
