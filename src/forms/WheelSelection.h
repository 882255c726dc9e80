#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <type_traits>
#include <variant>

#include "forms/KeyTable.h"

// The wheel selector shared by the Wheels and Suspension pages: any set of
// the four wheels (0 left front, 1 right front, 2 left rear, 3 right rear)
// over a working copy that holds all four.
namespace rw {

inline constexpr int kWheelCount = 4;
inline constexpr std::uint32_t kAllWheels = 0xF;

// The bit of a wheel in a selection mask: 1, 2, 4, 8.
constexpr std::uint32_t WheelBit(int wheel) {
    return std::uint32_t{1} << wheel;
}

constexpr bool IsWheelSelected(std::uint32_t mask, int wheel) {
    return wheel >= 0 && wheel < kWheelCount && (mask & WheelBit(wheel)) != 0;
}

// One field of a selection page: the key below "wheel<n>." or "susp<n>."
// that it fills and stores, or, for a value the form stores by its own rule,
// the key that rule writes; and, for a field that needs more than a
// selection to be editable, what the shown values must say.
template <typename Values>
struct SelectionField {
    Key<Values> key;
    bool (*enabled)(const Values& shown) = nullptr;
    bool stored = true;

    constexpr bool Stored() const { return stored; }
};

template <typename Values>
using SelectionFields = std::span<const SelectionField<Values>>;

// Sets every item of `shown` to the value all selected entries share, or to 0
// (false) where they differ or nothing is selected. Equality is exact, for
// reals too, so a shown value never stands for two different ones.
template <typename Values>
void DeriveShown(std::uint32_t mask, const std::array<Values, kWheelCount>& entries, Values& shown,
                 SelectionFields<Values> fields) {
    for (const SelectionField<Values>& field : fields) {
        std::visit(
            [&](auto item) {
                using Item = std::remove_reference_t<decltype(shown.*item)>;
                bool first = true;
                bool mixed = false;
                Item common{};
                for (int wheel = 0; wheel < kWheelCount; ++wheel) {
                    if (!IsWheelSelected(mask, wheel)) {
                        continue;
                    }
                    if (first) {
                        common = entries[wheel].*item;
                        first = false;
                    } else if (!(entries[wheel].*item == common)) {
                        mixed = true;
                    }
                }
                shown.*item = (first || mixed) ? Item{} : common;
            },
            field.key.member);
    }
}

// Copies one shown item into the same item of every selected entry.
template <typename Values>
void CopyToSelected(std::uint32_t mask, std::array<Values, kWheelCount>& entries,
                    const Values& shown, const KeyMember<Values>& member) {
    std::visit(
        [&](auto item) {
            for (int wheel = 0; wheel < kWheelCount; ++wheel) {
                if (IsWheelSelected(mask, wheel)) {
                    entries[wheel].*item = shown.*item;
                }
            }
        },
        member);
}

// Fills or stores every stored field of every entry below "<block><n>.".
template <typename Values>
void FillEntries(const ConfigTree& tree, std::string_view block,
                 std::array<Values, kWheelCount>& entries, SelectionFields<Values> fields) {
    for (int i = 0; i < kWheelCount; ++i) {
        const std::string prefix = NumberedPrefix(block, i);
        for (const SelectionField<Values>& field : fields) {
            if (field.Stored()) {
                FillKey(tree, field.key, entries[i], prefix);
            }
        }
    }
}

template <typename Values>
void StoreEntries(ConfigTree& tree, std::string_view block,
                  const std::array<Values, kWheelCount>& entries, SelectionFields<Values> fields) {
    for (int i = 0; i < kWheelCount; ++i) {
        const std::string prefix = NumberedPrefix(block, i);
        for (const SelectionField<Values>& field : fields) {
            if (field.Stored()) {
                StoreKey(tree, field.key, entries[i], prefix);
            }
        }
    }
}

}  // namespace rw
