#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// The gearbox. The file numbers all gears in one list and marks a reverse gear
// by a negative ratio; the page shows up to seven forward rows and one reverse
// row, and counts forward gears only.
class GearboxForm {
public:
    bool operator==(const GearboxForm&) const = default;
    static constexpr std::int32_t kRowCount = 7;
    // Every gear of the file, the reverse gear included.
    static constexpr const char* kGearCountKey = "gearbox.gears";

    struct Gear {
        bool operator==(const Gear&) const = default;
        float ratio = 0.0f;
        float inertia = 0.0f;
    };

    struct Enables {
        std::array<bool, kRowCount> rows{};
        bool reverse = false;
    };

    void FillFromTree(const ConfigTree& tree);
    // With a reverse gear it is written first and the forward gears follow it.
    void StoreToTree(ConfigTree& tree);
    // The keys of each gear below "gearbox.gear<index>.", in store order; the
    // gear count is derived from the rows.
    static KeyTable<Gear> GearKeys();
    // "gearbox.gear<index>.".
    static std::string GearPrefix(std::int64_t index);
    // The prefix of forward row `row` (0 for "1st Gear"): a reverse gear
    // comes first in the file, so it shifts the rows by one.
    std::string RowPrefix(std::size_t row) const;

    Enables Enables() const;

    // The highest forward gear count the form can store: 7, or more when the
    // loaded file has more forward gears, which the form keeps as they are.
    std::int32_t MaxGearCount() const;
    // Whether a typed count may be taken; a higher one is refused with
    // GearCountPrompt().
    bool AcceptsGearCount(std::int32_t count) const;
    std::string GearCountPrompt() const;

    // The forward gears past the seventh, as loaded; they are written back
    // unchanged after the seventh row.
    const std::vector<Gear>& ExtraGears() const { return extraGears; }
    // The key prefix each row was read from, the reverse row last; empty
    // where the file had no gear for it.
    const std::array<std::string, kRowCount + 1>& ReadFrom() const { return readFrom; }

    std::int32_t gearCount = 0;
    std::array<float, kRowCount> ratios{};
    std::array<float, kRowCount> inertias{};
    bool reverseGear = false;
    float reverseRatio = 0.0f;
    float reverseInertia = 0.0f;

private:
    std::vector<Gear> extraGears;
    std::array<std::string, kRowCount + 1> readFrom;
};

}  // namespace rw
