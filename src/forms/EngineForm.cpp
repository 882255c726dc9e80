#include "forms/EngineForm.h"

namespace rw {

namespace {

constexpr Key<EngineForm> kKeys[] = {
    {"engine.mass", &EngineForm::mass, "kg"},
    {"engine.inertia.engine", &EngineForm::inertia, "kg·m²"},
    {"engine.max_rpm", &EngineForm::maxRpm, "rpm"},
    {"engine.stall_rpm", &EngineForm::stallRpm, "rpm"},
    {"engine.start_rpm", &EngineForm::startRpm, "rpm"},
    {"engine.idle_rpm", &EngineForm::idleRpm, "rpm"},
    {"engine.autoclutch_rpm", &EngineForm::autoclutchRpm, "rpm"},
    {"engine.starter", &EngineForm::starterMotor},
    {"engine.start_stalled", &EngineForm::startStalled},
    {"engine.starter_torque", &EngineForm::starterTorque, "Nm"},
    {"engine.curve_torque", &EngineForm::curveTorque},
    {"engine.max_torque", &EngineForm::maxTorque, "Nm"},
    {"engine.shifting.automatic", &EngineForm::automaticShifting},
    {"engine.shifting.shift_up_rpm", &EngineForm::shiftUpRpm, "rpm"},
    {"engine.shifting.shift_down_rpm", &EngineForm::shiftDownRpm, "rpm"},
    {"engine.shifting.time_to_declutch", &EngineForm::declutchTime, "ms"},
    {"engine.shifting.time_to_clutch", &EngineForm::clutchTime, "ms"},
    {"engine.braking_coeff", &EngineForm::brakingCoeff},
    {"engine.rolling_friction_coeff", &EngineForm::rollingFrictionCoeff},
};

}  // namespace

KeyTable<EngineForm> EngineForm::Keys() {
    return kKeys;
}

void EngineForm::FillFromTree(const ConfigTree& tree) {
    FillKeys(tree, Keys(), *this);
}

void EngineForm::StoreToTree(ConfigTree& tree) {
    EngineForm stored = *this;
    stored.startStalled = starterMotor && startStalled;
    StoreKeys(tree, Keys(), stored);
}

auto EngineForm::Enables() const -> struct Enables {
    struct Enables enables;
    enables.starterTorque = starterMotor;
    enables.startStalled = starterMotor;
    enables.shiftUpRpm = automaticShifting;
    enables.shiftDownRpm = automaticShifting;
    enables.clutchTime = automaticShifting;
    enables.declutchTime = automaticShifting;
    return enables;
}

}  // namespace rw
