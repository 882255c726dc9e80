#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "document/PageProtocol.h"

class QWidget;

namespace rw {

class Dialogs;
class FormSet;
class PageView;

// The fourteen page slots, in the order of their categories' tab rows.
enum class PageSlot {
    General,
    Body,
    Engine,
    Gearbox,
    Driveline,
    Misc,
    Wheels,
    Suspension,
    Aero,
    Calculations,
    CarModels,
    WheelModels,
    OtherModels,
    Sounds,
};
inline constexpr std::size_t kPageSlotCount = 14;

enum class PageCategory { Info, Physics, Presentation };
inline constexpr std::size_t kCategoryCount = 3;

// A view per slot; null while that page has no view (it then has no tab).
using PageViews = std::array<PageView*, kPageSlotCount>;

// The pages whose typed values the Calculations page's figures include.
inline constexpr std::array<PageSlot, 2> kFigureSources = {PageSlot::Body, PageSlot::Suspension};

// Creates the page views once, as children of `parent`, each over its form.
PageViews CreatePageViews(FormSet& forms, Dialogs& dialogs, QWidget* parent);

constexpr std::size_t SlotIndex(PageSlot slot) {
    return static_cast<std::size_t>(slot);
}
// The tab label, e.g. "Car Models".
const char* PageTabLabel(PageSlot slot);
PageCategory CategoryOf(PageSlot slot);
// The slots of a category in tab order.
std::span<const PageSlot> CategorySlots(PageCategory category);
// The slot of a data page.
PageSlot SlotOf(PageId page);

}  // namespace rw
