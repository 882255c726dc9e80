#include "forms/DrivelineForm.h"

#include <array>

namespace rw {

void DrivelineForm::FillFromTree(const ConfigTree& tree) {
    drive = Drive::Undecided;
    std::array<bool, 4> powered{};
    tree.GetBool("wheel0.powered", powered[0]);
    tree.GetBool("wheel1.powered", powered[1]);
    tree.GetBool("wheel2.powered", powered[2]);
    tree.GetBool("wheel3.powered", powered[3]);
    if (powered[0] && powered[1]) {
        drive = Drive::Fwd;
    }
    // Four powered wheels count as rear drive.
    if (powered[2] && powered[3]) {
        drive = Drive::Rwd;
    }

    tree.GetInt("differential.type", type);
    tree.GetFloat("differential.ratio", ratio);
    tree.GetInt("differential.locking_coeff", lockingCoeff);
    tree.GetInt("differential.clutches", clutches);
    tree.GetFloat("differential.clutch_factor", clutchFactor);
    tree.GetInt("differential.power_angle", powerAngle);
    tree.GetInt("differential.coast_angle", coastAngle);

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

    tree.GetFloat("clutch.max_torque", maxTorque);
}

void DrivelineForm::StoreToTree(ConfigTree& tree) {
    tree.SetInt("differential.type", type);
    tree.SetFloat("differential.ratio", ratio);
    tree.SetInt("differential.locking_coeff", lockingCoeff);
    tree.SetInt("differential.clutches", clutches);
    tree.SetFloat("differential.clutch_factor", clutchFactor);
    tree.SetInt("differential.power_angle", powerAngle);
    tree.SetInt("differential.coast_angle", coastAngle);
    const bool rear = drive == Drive::Rwd;
    tree.SetInt("differential.output0", rear ? 2 : 0);
    tree.SetInt("differential.output1", rear ? 3 : 1);
    tree.SetFloat("clutch.max_torque", maxTorque);
}

auto DrivelineForm::Enables() const -> struct Enables {
    struct Enables enables;
    enables.lockingCoeff = type == 1;
    enables.powerAngle = type == 2;
    enables.coastAngle = type == 2;
    return enables;
}

}  // namespace rw
