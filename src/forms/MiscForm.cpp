#include "forms/MiscForm.h"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

#include "tree/Numbers.h"

namespace rw {
namespace {

constexpr int kWheelCount = 4;
// Inheritance chains longer than this are cyclic or absurd; the bound only
// limits how far bar indices are looked for.
constexpr int kMaxInheritHops = 64;

std::string BarPrefix(std::int64_t index) {
    return NumberedPrefix("antirollbar.arb", index);
}

constexpr Key<MiscForm> kKeys[] = {
    {"steer.lock", &MiscForm::steeringLock},
};

// The index of a child named "arb<digits>", if it is one.
std::optional<std::int64_t> BarIndex(std::string_view name) {
    constexpr std::string_view kBar = "arb";
    if (name.size() <= kBar.size() || name.substr(0, kBar.size()) != kBar) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(kBar.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> index = ParseIntStrict(digits);
    if (!index) {
        return std::nullopt;
    }
    return *index;
}

// One past the highest bar index that a lookup can find, through the block's
// inheritance as well. The count in the file is untrusted: a huge one must not
// make the fill walk billions of missing bars.
std::int64_t BarIndexBound(const ConfigTree& tree) {
    std::int64_t bound = 0;
    const TreeNode* node = tree.Find("antirollbar");
    std::unordered_set<const TreeNode*> seen;
    for (int hop = 0; node != nullptr && hop < kMaxInheritHops; ++hop) {
        if (!seen.insert(node).second) {
            break;
        }
        for (const auto& child : node->children) {
            if (const std::optional<std::int64_t> index = BarIndex(child->name)) {
                bound = std::max(bound, *index + 1);
            }
        }
        if (node->kind != NodeKind::InheritBlock) {
            break;
        }
        node = tree.Find(node->value);
    }
    return bound;
}

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
    // Bars beyond the bound are missing and would be ignored anyway.
    const std::int64_t bars = std::min<std::int64_t>(count, BarIndexBound(tree));
    for (std::int64_t b = 0; b < bars; ++b) {
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
