#include "forms/DrivelineForm.h"

#include <array>

namespace rw {

namespace {

constexpr Key<DrivelineForm> kKeys[] = {
    {"differential.type", &DrivelineForm::type},
    {"differential.ratio", &DrivelineForm::ratio},
    {"differential.locking_coeff", &DrivelineForm::lockingCoeff},
    {"differential.clutches", &DrivelineForm::clutches},
    {"differential.clutch_factor", &DrivelineForm::clutchFactor},
    {"differential.power_angle", &DrivelineForm::powerAngle},
    {"differential.coast_angle", &DrivelineForm::coastAngle},
    {"clutch.max_torque", &DrivelineForm::maxTorque, "Nm"},
};

}  // namespace

KeyTable<DrivelineForm> DrivelineForm::Keys() {
    return kKeys;
}

void DrivelineForm::FillFromTree(const ConfigTree& tree) {
    FillKeys(tree, Keys(), *this);

    drive = Drive::Undecided;
    std::array<bool, 4> powered{};
    for (std::size_t wheel = 0; wheel < powered.size(); ++wheel) {
        tree.GetBool(NumberedPrefix("wheel", static_cast<std::int64_t>(wheel)) + "powered",
                     powered[wheel]);
    }
    if (powered[0] && powered[1]) {
        drive = Drive::Fwd;
    }
    // Four powered wheels count as rear drive.
    if (powered[2] && powered[3]) {
        drive = Drive::Rwd;
    }

    std::int32_t output0 = 0;
    std::int32_t output1 = 0;
    const bool hasOutput0 = tree.GetInt("differential.output0", output0);
    const bool hasOutput1 = tree.GetInt("differential.output1", output1);
    if (hasOutput0 && hasOutput1) {
        if (output0 == 0 && output1 == 1) {
            drive = Drive::Fwd;
        } else if (output0 == 2 && output1 == 3) {
            drive = Drive::Rwd;
        } else {
            drive = Drive::Undecided;
        }
    }
}

void DrivelineForm::StoreToTree(ConfigTree& tree) {
    // The outputs land in the differential block whichever comes first.
    StoreKeys(tree, Keys(), *this);
    const bool rear = drive == Drive::Rwd;
    tree.SetInt("differential.output0", rear ? 2 : 0);
    tree.SetInt("differential.output1", rear ? 3 : 1);
}

auto DrivelineForm::Enables() const -> struct Enables {
    struct Enables enables;
    enables.lockingCoeff = type == 1;
    enables.powerAngle = type == 2;
    enables.coastAngle = type == 2;
    return enables;
}

}  // namespace rw
