#pragma once

#include <cstdint>
#include <functional>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// Anti-roll bars reduced to one front bar (suspensions 0 and 1) and one rear
// bar (2 and 3), the steering lock and the Ackermann effect of the first
// steered wheel.
class MiscForm {
public:
    // The values; where the steering flags come from is no value.
    bool operator==(const MiscForm& other) const {
        return frontBar == other.frontBar && frontStiffness == other.frontStiffness &&
               rearBar == other.rearBar && rearStiffness == other.rearStiffness &&
               steeringLock == other.steeringLock && ackermann == other.ackermann;
    }
    struct Enables {
        bool frontStiffness = false;
        bool rearStiffness = false;
    };

    // Whatever the file lacks is reset, so no value of the previous car stays.
    void FillFromTree(const ConfigTree& tree);
    // The bars are rewritten front first; the Ackermann value goes to the
    // first wheel that isSteering reports, as edited on the Wheels page.
    void StoreToTree(ConfigTree& tree);
    // The keys kept as they are, in store order; the bars and the Ackermann
    // value are rewritten by rule.
    static KeyTable<MiscForm> Keys();

    Enables Enables() const;

    bool frontBar = false;
    std::int32_t frontStiffness = 0;
    bool rearBar = false;
    std::int32_t rearStiffness = 0;
    std::int32_t steeringLock = 0;
    float ackermann = 0.0f;

    // The Wheels page's working copy of the steering flags; without it the
    // Ackermann value is not stored.
    std::function<bool(int wheel)> isSteering;
};

}  // namespace rw
