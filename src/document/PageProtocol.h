#pragma once

#include <array>

#include "document/SaveCheck.h"
#include "tree/ConfigTree.h"

namespace rw {

// The thirteen pages that exchange values with the tree.
enum class PageId {
    General,
    Body,
    Engine,
    Gearbox,
    Driveline,
    Misc,
    Wheels,
    Suspension,
    Aero,
    CarModels,
    Sounds,
    WheelModels,
    OtherModels,
};

inline constexpr std::array<PageId, 13> kFillOrder = {
    PageId::General, PageId::Body,        PageId::Engine,     PageId::Gearbox, PageId::Driveline,
    PageId::Wheels,  PageId::Suspension,  PageId::Misc,       PageId::Aero,    PageId::CarModels,
    PageId::Sounds,  PageId::WheelModels, PageId::OtherModels};

inline constexpr std::array<PageId, 13> kStoreOrder = {
    PageId::General,    PageId::Body,        PageId::Engine,     PageId::Gearbox, PageId::Driveline,
    PageId::Suspension, PageId::Misc,        PageId::Wheels,     PageId::Aero,    PageId::CarModels,
    PageId::Sounds,     PageId::WheelModels, PageId::OtherModels};

// What the car document needs from the pages: the editor implements it with
// its page widgets, the command line with the bare forms.
class PageProtocol {
public:
    virtual ~PageProtocol() = default;
    virtual void FillFromTree(PageId page, const ConfigTree& tree) = 0;
    virtual void StoreToTree(PageId page, ConfigTree& tree) = 0;
    // The General page's fields follow the document-open flag.
    virtual void EnableFields(bool enabled) = 0;
    // The values the save-time warnings read, as the pages hold them right
    // after they stored.
    virtual SaveCheckValues CheckValues() const = 0;
};

}  // namespace rw
