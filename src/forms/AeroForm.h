#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "forms/KeyTable.h"
#include "tree/ConfigTree.h"

namespace rw {

// One wing of the Aero page's wing table.
struct Wing {
    bool operator==(const Wing&) const = default;
    std::string name;
    float coeffDown = 0.0f;
    float coeffDrag = 0.0f;
    float x = 0.0f;  // the application centre
    float y = 0.0f;
    float z = 0.0f;
    float angle = 0.0f;
    float angleOffset = 0.0f;
    float span = 0.0f;
    float cord = 0.0f;
};

// The Aero page: body drag and area, and the wing table with the edit form
// that shows its selected wing.
class AeroForm {
public:
    bool operator==(const AeroForm&) const = default;
    // The wing list's room for new wings; a file may bring more.
    static constexpr std::size_t kMaxWings = 20;
    static constexpr int kNoWing = -1;
    static constexpr std::string_view kNoneSelected = "None selected";
    static constexpr std::string_view kNewWingName = "NewWing";
    static constexpr const char* kWingBlock = "aero.wing";
    // Each wing's application centre is one text of three numbers.
    static constexpr const char* kCenterKey = "center";

    struct Enables {
        // Name, Span, Cord, Downforce, Drag, x, y, z, Wing and Offset.
        bool wingFields = false;
        bool deleteWing = false;
        bool addWing = false;
    };

    AeroForm();

    // Fills the body values and the wing table and returns to no wing selected.
    void FillFromTree(const ConfigTree& tree);
    // Writes the wings under aero.wing0 upward in table order.
    void StoreToTree(ConfigTree& tree) const;
    // The body keys, in store order; the wing count follows from the table.
    static KeyTable<AeroForm> Keys();
    // The keys of each wing below "aero.wing<index>.", in store order; the
    // "center" text after them joins x, y and z.
    static KeyTable<Wing> WingKeys();

    // Shows the wing at a table index in the edit form; an index outside the
    // table selects nothing.
    void SelectWing(int index);
    // Appends "NewWing" with every value 0 and selects it; false while the
    // list is full.
    bool AddWing();
    // Removes the selected wing; the wings after it move up one place.
    void DeleteWing();
    // Names the selected wing and its edit form.
    void RenameWing(std::string_view newName);
    // Copies one edit-form value into the selected wing.
    void ApplyWingField(float Wing::*field);

    Enables Enables() const;
    bool HasSelection() const;

    // Body aerodynamics.
    float cx = 0.0f;
    float area = 0.0f;

    std::vector<Wing> wings;
    int selected = kNoWing;

    // The edit form: the selected wing as shown, or "None selected".
    Wing edit;

private:
    void ShowNoWing();
};

}  // namespace rw
