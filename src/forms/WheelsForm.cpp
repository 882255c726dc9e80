#include "forms/WheelsForm.h"

#include <string>

namespace rw {

namespace {

using Member = ValueMember<WheelValues>;

// In the order of WheelsForm::Field.
constexpr std::array<Member, 14> kFieldMembers = {
    &WheelValues::mass,       &WheelValues::inertia,
    &WheelValues::radius,     &WheelValues::lock,
    &WheelValues::toe,        &WheelValues::camber,
    &WheelValues::tireRate,   &WheelValues::brakingFactor,
    &WheelValues::maxBraking, &WheelValues::maxHandbrakeTorque,
    &WheelValues::x,          &WheelValues::y,
    &WheelValues::z,          &WheelValues::width,
};

// In the order of WheelsForm::Check.
constexpr std::array<Member, 2> kCheckMembers = {&WheelValues::steering, &WheelValues::handbrake};

std::string WheelKey(int wheel, const char* suffix) {
    std::string key = "wheel";
    key += static_cast<char>('0' + wheel);
    key += '.';
    key += suffix;
    return key;
}

constexpr const char* kHandbrakesKey = "handbrakes.wheels";

}  // namespace

void WheelsForm::FillFromTree(const ConfigTree& tree) {
    for (int i = 0; i < kWheelCount; ++i) {
        WheelValues& wheel = wheels[i];
        tree.GetInt(WheelKey(i, "mass"), wheel.mass);
        tree.GetInt(WheelKey(i, "max_braking"), wheel.maxBraking);
        tree.GetFloat(WheelKey(i, "radius"), wheel.radius);
        tree.GetFloat(WheelKey(i, "inertia"), wheel.inertia);
        tree.GetFloat(WheelKey(i, "lock"), wheel.lock);
        tree.GetFloat(WheelKey(i, "camber"), wheel.camber);
        tree.GetFloat(WheelKey(i, "toe"), wheel.toe);
        tree.GetFloat(WheelKey(i, "braking_factor"), wheel.brakingFactor);
        tree.GetInt(WheelKey(i, "max_handbrake_torque"), wheel.maxHandbrakeTorque);
        tree.GetInt(WheelKey(i, "tire_rate"), wheel.tireRate);
        tree.GetFloat(WheelKey(i, "x"), wheel.x);
        tree.GetFloat(WheelKey(i, "y"), wheel.y);
        tree.GetFloat(WheelKey(i, "z"), wheel.z);
        tree.GetBool(WheelKey(i, "steering"), wheel.steering);
    }
    // Any occurrence of a wheel's digit marks it, whatever stands between.
    std::string handbrakes;
    tree.GetString(kHandbrakesKey, handbrakes);
    for (int i = 0; i < kWheelCount; ++i) {
        wheels[i].handbrake = handbrakes.find(static_cast<char>('0' + i)) != std::string::npos;
    }
    // The fields show the car just loaded, not the previous one.
    ShowSelection();
}

void WheelsForm::StoreToTree(ConfigTree& tree) const {
    for (int i = 0; i < kWheelCount; ++i) {
        const WheelValues& wheel = wheels[i];
        tree.SetInt(WheelKey(i, "mass"), wheel.mass);
        tree.SetInt(WheelKey(i, "max_braking"), wheel.maxBraking);
        tree.SetFloat(WheelKey(i, "radius"), wheel.radius);
        tree.SetFloat(WheelKey(i, "inertia"), wheel.inertia);
        tree.SetFloat(WheelKey(i, "lock"), wheel.lock);
        tree.SetFloat(WheelKey(i, "camber"), wheel.camber);
        tree.SetFloat(WheelKey(i, "toe"), wheel.toe);
        tree.SetFloat(WheelKey(i, "braking_factor"), wheel.brakingFactor);
        tree.SetInt(WheelKey(i, "max_handbrake_torque"), wheel.maxHandbrakeTorque);
        tree.SetInt(WheelKey(i, "tire_rate"), wheel.tireRate);
        tree.SetFloat(WheelKey(i, "x"), wheel.x);
        tree.SetFloat(WheelKey(i, "y"), wheel.y);
        tree.SetFloat(WheelKey(i, "z"), wheel.z);
        tree.SetBool(WheelKey(i, "steering"), wheel.steering);
    }
    std::string handbrakes;
    for (int i = 0; i < kWheelCount; ++i) {
        if (wheels[i].handbrake) {
            handbrakes += static_cast<char>('0' + i);
        }
    }
    tree.SetString(kHandbrakesKey, handbrakes);
}

void WheelsForm::SetSelection(std::uint32_t mask) {
    selection = mask & kAllWheels;
    ShowSelection();
}

void WheelsForm::ShowSelection() {
    shown = WheelValues{};
    DeriveShown<WheelValues>(selection, wheels, shown, kFieldMembers);
    DeriveShown<WheelValues>(selection, wheels, shown, kCheckMembers);
}

void WheelsForm::ApplyField(Field field) {
    CopyToSelected<WheelValues>(selection, wheels, shown,
                                kFieldMembers[static_cast<std::size_t>(field)]);
}

void WheelsForm::ApplyCheck(Check check) {
    CopyToSelected<WheelValues>(selection, wheels, shown,
                                kCheckMembers[static_cast<std::size_t>(check)]);
}

struct WheelsForm::Enables WheelsForm::Enables() const {
    const bool any = (selection & kAllWheels) != 0;
    struct Enables enables;
    enables.fields = any;
    enables.steering = any;
    enables.handbrake = any;
    enables.lock = any && shown.steering;
    enables.maxHandbrakeTorque = any && shown.handbrake;
    return enables;
}

bool WheelsForm::IsSteering(int wheel) const {
    return wheel >= 0 && wheel < kWheelCount && wheels[wheel].steering;
}

}  // namespace rw
