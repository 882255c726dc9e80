#include "forms/MiscForm.h"

#include <string>
#include <string_view>

#include "forms/NumberedKeys.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

constexpr int kWheelCount = 4;

std::string BarPrefix(std::int64_t index) {
    return NumberedPrefix("antirollbar.arb", index);
}

constexpr Key<MiscForm> kKeys[] = {
    {"steer.lock", &MiscForm::steeringLock},
};

bool JoinsPair(std::int32_t left, std::int32_t right, std::int32_t a, std::int32_t b) {
    return (left == a && right == b) || (left == b && right == a);
}

}  // namespace

void MiscForm::FillFromTree(const ConfigTree& tree) {
    std::int32_t count = 0;
    tree.GetInt("antirollbar.count", count);
    FillKeys(tree, Keys(), *this);

    frontBar = false;
    rearBar = false;
    frontStiffness = 0;
    rearStiffness = 0;
    // A bar the file does not have reads as joining no wheels, so only the
    // bars present are looked at, whatever the count claims.
    for (const std::int32_t b : NumberedIndices(tree, "antirollbar", "arb")) {
        if (b >= count) {
            break;
        }
        const std::string prefix = BarPrefix(b);
        std::int32_t left = 0;
        std::int32_t right = 0;
        tree.GetInt(prefix + "susp_left", left);
        tree.GetInt(prefix + "susp_right", right);
        if (JoinsPair(left, right, 0, 1)) {
            frontBar = true;
            tree.GetInt(prefix + "k", frontStiffness);
        }
        if (JoinsPair(left, right, 2, 3)) {
            rearBar = true;
            tree.GetInt(prefix + "k", rearStiffness);
        }
    }

    ackermann = 0.0f;
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        bool steering = false;
        const std::string prefix = NumberedPrefix("wheel", wheel);
        tree.GetBool(prefix + "steering", steering);
        if (steering) {
            tree.GetFloat(prefix + "ackerman", ackermann);
            break;
        }
    }
}

void MiscForm::StoreToTree(ConfigTree& tree) {
    const std::int32_t count = (frontBar ? 1 : 0) + (rearBar ? 1 : 0);
    tree.SetInt("antirollbar.count", count);
    StoreKeys(tree, Keys(), *this);
    if (frontBar) {
        tree.SetInt("antirollbar.arb0.susp_left", 0);
        tree.SetInt("antirollbar.arb0.susp_right", 1);
        tree.SetInt("antirollbar.arb0.k", frontStiffness);
    }
    if (rearBar) {
        const std::string prefix = BarPrefix(count - 1);
        tree.SetInt(prefix + "susp_left", 2);
        tree.SetInt(prefix + "susp_right", 3);
        tree.SetInt(prefix + "k", rearStiffness);
    }
    if (!isSteering) {
        return;
    }
    for (int wheel = 0; wheel < kWheelCount; ++wheel) {
        if (isSteering(wheel)) {
            tree.SetFloat(NumberedPrefix("wheel", wheel) + "ackerman", ackermann);
            break;
        }
    }
}

KeyTable<MiscForm> MiscForm::Keys() {
    return kKeys;
}

auto MiscForm::Enables() const -> struct Enables {
    struct Enables enables;
    enables.frontStiffness = frontBar;
    enables.rearStiffness = rearBar;
    return enables;
}

}  // namespace rw
