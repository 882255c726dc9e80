#include "forms/AeroForm.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "forms/FormatFixed.h"
#include "forms/NumberedKeys.h"
#include "tree/Numbers.h"

namespace rw {

namespace {

std::string WingPrefix(std::size_t index) {
    return NumberedPrefix(AeroForm::kWingBlock, static_cast<std::int64_t>(index));
}

std::string WingBlock(std::size_t index) {
    std::string block = WingPrefix(index);
    block.pop_back();
    return block;
}

constexpr Key<AeroForm> kKeys[] = {
    {"aero.body.cx", &AeroForm::cx},
    {"aero.body.area", &AeroForm::area, "m²"},
};

constexpr Key<Wing> kWingKeys[] = {
    {"name", &Wing::name},
    {"span", &Wing::span},
    {"cord", &Wing::cord},
    {"angle", &Wing::angle, "degrees"},
    {"angle_offset", &Wing::angleOffset, "degrees"},
    {"coeff_drag", &Wing::coeffDrag},
    {"coeff_down", &Wing::coeffDown},
};

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads up to three blank-separated numbers, stopping at the first text that
// is not one; the numbers not read stay 0.
std::array<float, 3> ScanCenter(std::string_view text) {
    std::array<float, 3> values{};
    for (float& value : values) {
        while (!text.empty() && IsBlank(text.front())) {
            text.remove_prefix(1);
        }
        const std::size_t length = DecimalLength(text);
        if (length == 0) {
            break;
        }
        value = ParseFloat(text.substr(0, length));
        text.remove_prefix(length);
    }
    return values;
}

std::string FormatCenter(const Wing& wing) {
    return FormatFixed(wing.x, 3) + " " + FormatFixed(wing.y, 3) + " " + FormatFixed(wing.z, 3);
}

}  // namespace

AeroForm::AeroForm() {
    ShowNoWing();
}

void AeroForm::FillFromTree(const ConfigTree& tree) {
    wings.clear();
    FillKeys(tree, Keys(), *this);
    std::int32_t count = 0;
    tree.GetInt("aero.wings", count);
    std::size_t wingCount = count > 0 ? static_cast<std::size_t>(count) : 0;
    // Past the list's own room, take only the wings the file really has, so a
    // stray huge count cannot make up millions of empty wings.
    if (wingCount > kMaxWings) {
        const std::vector<std::int32_t> present = NumberedIndices(tree, "aero", "wing");
        std::size_t found = kMaxWings;
        while (
            found < wingCount &&
            std::binary_search(present.begin(), present.end(), static_cast<std::int32_t>(found)) &&
            tree.Find(WingBlock(found)) != nullptr) {
            ++found;
        }
        wingCount = found;
    }
    wings.resize(wingCount);
    for (std::size_t j = 0; j < wingCount; ++j) {
        const std::string prefix = WingPrefix(j);
        Wing& wing = wings[j];
        FillKeys(tree, WingKeys(), wing, prefix);
        std::string center;
        tree.GetString(prefix + AeroForm::kCenterKey, center);
        const std::array<float, 3> point = ScanCenter(center);
        wing.x = point[0];
        wing.y = point[1];
        wing.z = point[2];
    }
    // An edit must never land in a wing of the new table that nobody picked.
    ShowNoWing();
}

void AeroForm::StoreToTree(ConfigTree& tree) const {
    StoreKeys(tree, Keys(), *this);
    tree.SetInt("aero.wings", static_cast<std::int32_t>(wings.size()));
    for (std::size_t j = 0; j < wings.size(); ++j) {
        const std::string prefix = WingPrefix(j);
        StoreKeys(tree, WingKeys(), wings[j], prefix);
        tree.SetString(prefix + AeroForm::kCenterKey, FormatCenter(wings[j]));
    }
}

KeyTable<AeroForm> AeroForm::Keys() {
    return kKeys;
}

KeyTable<Wing> AeroForm::WingKeys() {
    return kWingKeys;
}

bool AeroForm::HasSelection() const {
    return selected >= 0 && static_cast<std::size_t>(selected) < wings.size();
}

void AeroForm::SelectWing(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= wings.size()) {
        ShowNoWing();
        return;
    }
    selected = index;
    edit = wings[static_cast<std::size_t>(index)];
}

bool AeroForm::AddWing() {
    if (wings.size() >= kMaxWings) {
        return false;
    }
    Wing wing;
    wing.name = kNewWingName;
    wings.push_back(std::move(wing));
    SelectWing(static_cast<int>(wings.size()) - 1);
    return true;
}

void AeroForm::DeleteWing() {
    if (!HasSelection()) {
        return;
    }
    wings.erase(wings.begin() + selected);
    if (wings.empty()) {
        ShowNoWing();
        return;
    }
    // Deleting the last wing of the list moves the selection to the first.
    if (static_cast<std::size_t>(selected) >= wings.size()) {
        selected = 0;
    }
    edit = wings[static_cast<std::size_t>(selected)];
}

void AeroForm::RenameWing(std::string_view newName) {
    if (!HasSelection()) {
        return;
    }
    edit.name = newName;
    wings[static_cast<std::size_t>(selected)].name = edit.name;
}

void AeroForm::ApplyWingField(float Wing::*field) {
    if (HasSelection()) {
        wings[static_cast<std::size_t>(selected)].*field = edit.*field;
    }
}

struct AeroForm::Enables AeroForm::Enables() const {
    struct Enables enables;
    enables.wingFields = HasSelection() && edit.name != kNoneSelected;
    enables.deleteWing = enables.wingFields;
    enables.addWing = wings.size() < kMaxWings;
    return enables;
}

void AeroForm::ShowNoWing() {
    selected = kNoWing;
    edit = Wing{};
    edit.name = kNoneSelected;
}

}  // namespace rw
