#pragma once

#include <array>
#include <cstdint>

#include "forms/WheelSelection.h"
#include "tree/ConfigTree.h"

namespace rw {

// The values of one suspension, as the working copy holds them and as the
// page shows them for the selection.
struct SuspensionValues {
    bool operator==(const SuspensionValues&) const = default;
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
    float rollCenterX = 0.0f;
    float rollCenterY = 0.0f;
    float rollCenterZ = 0.0f;
    float restLength = 0.0f;
    float minLength = 0.0f;
    float maxLength = 0.0f;
    float antiPitch = 0.0f;
    std::int32_t k = 0;
    std::int32_t bumpRate = 0;
    std::int32_t reboundRate = 0;
};

// The Suspension page: the four suspensions, edited for any set of selected
// suspensions at once with the wheel selector.
class SuspensionForm {
public:
    bool operator==(const SuspensionForm&) const = default;
    // The numbered block of each entry's keys: "susp0." .. "susp3.".
    static constexpr const char* kBlock = "susp";

    void FillFromTree(const ConfigTree& tree);
    void StoreToTree(ConfigTree& tree) const;

    // The page's fields, each with its key below "susp<n>." in store order.
    static SelectionFields<SuspensionValues> Fields();

    void SetSelection(std::uint32_t mask);
    // Re-derives the shown values from the working copy.
    void ShowSelection();

    // Copies the shown value of one of Fields() into every selected suspension.
    void ApplyField(std::size_t field);
    // Every field is editable while something is selected.
    bool FieldEnabled(std::size_t field) const;

    std::uint32_t selection = 0;
    SuspensionValues shown;
    std::array<SuspensionValues, kWheelCount> suspensions{};
};

}  // namespace rw
