#include "forms/GearboxForm.h"

#include <algorithm>
#include <limits>

#include "forms/NumberedKeys.h"
#include "tree/Numbers.h"

namespace rw {
namespace {

// The highest index that is read even when its keys are missing; the scan only
// goes past it for gears that are present in the file.
constexpr std::int64_t kLastScannedIndex = 7;

constexpr Key<GearboxForm::Gear> kGearKeys[] = {
    {"ratio", &GearboxForm::Gear::ratio},
    {"inertia", &GearboxForm::Gear::inertia},
};

}  // namespace

void GearboxForm::FillFromTree(const ConfigTree& tree) {
    std::int32_t n = 0;
    tree.GetInt(kGearCountKey, n);
    extraGears.clear();
    readFrom = {};

    const std::vector<std::int32_t> present = NumberedIndices(tree, "gearbox", "gear");
    bool reverseFound = false;
    std::int32_t nextRow = 0;
    // Until a reverse gear turns up the scan looks one index past the count,
    // so a reverse gear just behind the counted ones is still found.
    for (std::int64_t i = 0; i <= (reverseFound ? std::int64_t{n} - 1 : std::int64_t{n}); ++i) {
        const std::string prefix = GearPrefix(i);
        if (i > kLastScannedIndex && (!std::binary_search(present.begin(), present.end(), i) ||
                                      tree.Find(prefix.substr(0, prefix.size() - 1)) == nullptr)) {
            break;
        }
        Gear gear;
        tree.GetFloat(prefix + "ratio", gear.ratio);
        tree.GetFloat(prefix + "inertia", gear.inertia);
        if (gear.ratio < 0.0f) {
            reverseRatio = gear.ratio;
            reverseInertia = gear.inertia;
            reverseFound = true;
            readFrom[kRowCount] = prefix;
        } else if (nextRow < kRowCount) {
            readFrom[static_cast<std::size_t>(nextRow)] = prefix;
            ratios[static_cast<std::size_t>(nextRow)] = gear.ratio;
            inertias[static_cast<std::size_t>(nextRow)] = gear.inertia;
            ++nextRow;
        } else if (i < n) {
            // The index one past the count is no gear of the file.
            extraGears.push_back(gear);
        }
    }

    reverseGear = reverseFound;
    gearCount = reverseFound ? n - 1 : n;
    if (gearCount > MaxGearCount()) {
        // Only gears the file has can be written back.
        gearCount = MaxGearCount();
    }
}

void GearboxForm::StoreToTree(ConfigTree& tree) {
    const std::int64_t total = std::int64_t{gearCount} + (reverseGear ? 1 : 0);
    tree.SetInt(kGearCountKey, static_cast<std::int32_t>(std::clamp<std::int64_t>(
                                   total, std::numeric_limits<std::int32_t>::min(),
                                   std::numeric_limits<std::int32_t>::max())));

    const std::int64_t forwardKept = kRowCount + static_cast<std::int64_t>(extraGears.size());
    for (std::int64_t i = 0; i < total; ++i) {
        Gear gear;
        if (reverseGear && i == 0) {
            gear = {reverseRatio, reverseInertia};
        } else {
            const std::int64_t forward = reverseGear ? i - 1 : i;  // 0 is the first row
            if (forward >= forwardKept) {
                // Nothing to write that the user or the file gave.
                break;
            }
            if (forward < kRowCount) {
                const auto row = static_cast<std::size_t>(forward);
                gear = {ratios[row], inertias[row]};
            } else {
                gear = extraGears[static_cast<std::size_t>(forward - kRowCount)];
            }
        }
        StoreKeys(tree, GearKeys(), gear, GearPrefix(i));
    }
}

KeyTable<GearboxForm::Gear> GearboxForm::GearKeys() {
    return kGearKeys;
}

std::string GearboxForm::GearPrefix(std::int64_t index) {
    return NumberedPrefix("gearbox.gear", index);
}

std::string GearboxForm::RowPrefix(std::size_t row) const {
    return GearPrefix(static_cast<std::int64_t>(row) + (reverseGear ? 1 : 0));
}

auto GearboxForm::Enables() const -> struct Enables {
    struct Enables enables;
    for (std::int32_t row = 0; row < kRowCount; ++row) {
        enables.rows[static_cast<std::size_t>(row)] = row + 1 <= gearCount;
    }
    enables.reverse = reverseGear;
    return enables;
}

std::int32_t
GearboxForm::MaxGearCount() const {
    return kRowCount + static_cast<std::int32_t>(extraGears.size());
}

bool GearboxForm::AcceptsGearCount(std::int32_t count) const {
    return count <= MaxGearCount();
}

std::string GearboxForm::GearCountPrompt() const {
    return "Please enter a number of gears between 1 and " + FormatInt(MaxGearCount()) + ".";
}

}  // namespace rw
