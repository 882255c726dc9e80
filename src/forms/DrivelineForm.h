#pragma once

#include <cstdint>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// The differential, the drive configuration and the clutch.
class DrivelineForm {
public:
    bool operator==(const DrivelineForm&) const = default;
    // Which axle the differential drives. Undecided shows neither choice and
    // is stored as the front pair.
    enum class Drive { Undecided, Fwd, Rwd };

    struct Enables {
        bool lockingCoeff = false;
        bool powerAngle = false;
        bool coastAngle = false;
    };

    // The output pair, when both keys exist, overrides the powered flags.
    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree);
    // The keys this form fills and stores, in store order.
    static KeyTable<DrivelineForm> Keys();

    // Only the fields of the chosen differential type are editable; a type
    // outside 0 to 2 enables none of them.
    Enables Enables() const;

    // 0 free, 1 viscous, 2 Salisbury; other values from a file are kept.
    std::int32_t type = 0;
    float ratio = 0.0f;
    std::int32_t lockingCoeff = 0;
    std::int32_t clutches = 0;
    float clutchFactor = 0.0f;
    std::int32_t powerAngle = 0;
    std::int32_t coastAngle = 0;
    Drive drive = Drive::Undecided;
    float maxTorque = 0.0f;
};

}  // namespace rw
