#include "forms/EngineForm.h"

#include "forms/FileName.h"

namespace rw {

void EngineForm::FillFromTree(const ConfigTree& tree) {
    tree.GetFloat("engine.mass", mass);
    tree.GetFloat("engine.inertia.engine", inertia);
    tree.GetInt("engine.max_rpm", maxRpm);
    tree.GetInt("engine.stall_rpm", stallRpm);
    tree.GetInt("engine.start_rpm", startRpm);
    tree.GetInt("engine.idle_rpm", idleRpm);
    tree.GetInt("engine.autoclutch_rpm", autoclutchRpm);
    tree.GetBool("engine.starter", starterMotor);
    tree.GetBool("engine.start_stalled", startStalled);
    tree.GetFloat("engine.starter_torque", starterTorque);
    tree.GetString("engine.curve_torque", curveTorque);
    tree.GetFloat("engine.max_torque", maxTorque);
    tree.GetBool("engine.shifting.automatic", automaticShifting);
    tree.GetInt("engine.shifting.shift_up_rpm", shiftUpRpm);
    tree.GetInt("engine.shifting.shift_down_rpm", shiftDownRpm);
    tree.GetInt("engine.shifting.time_to_declutch", declutchTime);
    tree.GetInt("engine.shifting.time_to_clutch", clutchTime);
    tree.GetFloat("engine.braking_coeff", brakingCoeff);
    tree.GetFloat("engine.rolling_friction_coeff", rollingFrictionCoeff);
}

void EngineForm::StoreToTree(ConfigTree& tree) {
    tree.SetFloat("engine.mass", mass);
    tree.SetFloat("engine.inertia.engine", inertia);
    tree.SetInt("engine.max_rpm", maxRpm);
    tree.SetInt("engine.stall_rpm", stallRpm);
    tree.SetInt("engine.start_rpm", startRpm);
    tree.SetInt("engine.idle_rpm", idleRpm);
    tree.SetInt("engine.autoclutch_rpm", autoclutchRpm);
    tree.SetBool("engine.starter", starterMotor);
    tree.SetBool("engine.start_stalled", starterMotor && startStalled);
    tree.SetFloat("engine.starter_torque", starterTorque);
    tree.SetString("engine.curve_torque", curveTorque);
    tree.SetFloat("engine.max_torque", maxTorque);
    tree.SetBool("engine.shifting.automatic", automaticShifting);
    tree.SetInt("engine.shifting.shift_up_rpm", shiftUpRpm);
    tree.SetInt("engine.shifting.shift_down_rpm", shiftDownRpm);
    tree.SetInt("engine.shifting.time_to_declutch", declutchTime);
    tree.SetInt("engine.shifting.time_to_clutch", clutchTime);
    tree.SetFloat("engine.braking_coeff", brakingCoeff);
    tree.SetFloat("engine.rolling_friction_coeff", rollingFrictionCoeff);
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

void EngineForm::PickCurveTorque(std::string_view chosenPath) {
    curveTorque = FileNameOnly(chosenPath);
}

}  // namespace rw
