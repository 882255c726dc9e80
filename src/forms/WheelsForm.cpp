#include "forms/WheelsForm.h"

#include <string>

namespace rw {

namespace {

constexpr const char* kHandbrakesKey = "handbrakes.wheels";

constexpr SelectionField<WheelValues> kFields[] = {
    {{"mass", &WheelValues::mass, "kg"}},
    {{"max_braking", &WheelValues::maxBraking, "Nm"}},
    {{"radius", &WheelValues::radius}},
    {{"inertia", &WheelValues::inertia}},
    {{"lock", &WheelValues::lock}, [](const WheelValues& shown) { return shown.steering; }},
    {{"camber", &WheelValues::camber, "degrees"}},
    {{"toe", &WheelValues::toe, "degrees"}},
    {{"braking_factor", &WheelValues::brakingFactor}},
    {{"max_handbrake_torque", &WheelValues::maxHandbrakeTorque, "Nm"},
     [](const WheelValues& shown) { return shown.handbrake; }},
    {{"tire_rate", &WheelValues::tireRate, "N/m"}},
    {{"x", &WheelValues::x}},
    {{"y", &WheelValues::y}},
    {{"z", &WheelValues::z}},
    {{"steering", &WheelValues::steering}},
    {{kHandbrakesKey, &WheelValues::handbrake}, nullptr, false},
};

}  // namespace

SelectionFields<WheelValues> WheelsForm::Fields() {
    return kFields;
}

void WheelsForm::FillFromTree(const ConfigTree& tree) {
    FillEntries(tree, kBlock, wheels, Fields());
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
    StoreEntries(tree, kBlock, wheels, Fields());
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
    DeriveShown(selection, wheels, shown, Fields());
}

void WheelsForm::ApplyField(std::size_t field) {
    CopyToSelected(selection, wheels, shown, Fields()[field].key.member);
}

bool WheelsForm::FieldEnabled(std::size_t field) const {
    const auto enabled = Fields()[field].enabled;
    return (selection & kAllWheels) != 0 && (enabled == nullptr || enabled(shown));
}

bool WheelsForm::IsSteering(int wheel) const {
    return wheel >= 0 && wheel < kWheelCount && wheels[wheel].steering;
}

}  // namespace rw
