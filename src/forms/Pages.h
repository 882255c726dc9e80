#pragma once

#include <algorithm>
#include <array>
#include <cstddef>

namespace rw {

// Every editor page, in the order of the tab rows. The form set keeps its
// forms and the editor its page views in this order.
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
    Calculations,
    CarModels,
    WheelModels,
    OtherModels,
    Sounds,
};

enum class PageCategory { Info, Physics, Presentation };
inline constexpr std::size_t kCategoryCount = 3;

struct PageRow {
    PageId id;
    const char* label;  // the tab's text
    PageCategory category;
    // The page's place in the order in which the document fills the pages
    // from the tree and stores them back, 1 first; 0 for a page that
    // exchanges nothing with the tree.
    int fillRank;
    int storeRank;
};

inline constexpr std::array kPages = {
    PageRow{PageId::General, "General", PageCategory::Info, 1, 1},
    PageRow{PageId::Body, "Body", PageCategory::Physics, 2, 2},
    PageRow{PageId::Engine, "Engine", PageCategory::Physics, 3, 3},
    PageRow{PageId::Gearbox, "Gearbox", PageCategory::Physics, 4, 4},
    PageRow{PageId::Driveline, "Driveline", PageCategory::Physics, 5, 5},
    PageRow{PageId::Misc, "Misc", PageCategory::Physics, 8, 7},
    PageRow{PageId::Wheels, "Wheels", PageCategory::Physics, 6, 8},
    PageRow{PageId::Suspension, "Suspension", PageCategory::Physics, 7, 6},
    PageRow{PageId::Aero, "Aero", PageCategory::Physics, 9, 9},
    PageRow{PageId::Calculations, "Calculations", PageCategory::Physics, 0, 0},
    PageRow{PageId::CarModels, "Car Models", PageCategory::Presentation, 10, 10},
    PageRow{PageId::WheelModels, "Wheel Models", PageCategory::Presentation, 12, 12},
    PageRow{PageId::OtherModels, "Other Models", PageCategory::Presentation, 13, 13},
    PageRow{PageId::Sounds, "Sounds", PageCategory::Presentation, 11, 11},
};
inline constexpr std::size_t kPageCount = kPages.size();

constexpr std::size_t PageIndex(PageId page) {
    return static_cast<std::size_t>(page);
}
constexpr const PageRow& RowOf(PageId page) {
    return kPages[PageIndex(page)];
}
constexpr const char* PageTabLabel(PageId page) {
    return RowOf(page).label;
}
constexpr PageCategory CategoryOf(PageId page) {
    return RowOf(page).category;
}

namespace detail {

template <int PageRow::*rank>
constexpr std::size_t RankedCount() {
    return static_cast<std::size_t>(std::count_if(
        kPages.begin(), kPages.end(), [](const PageRow& row) { return row.*rank > 0; }));
}

// The pages with a rank, ordered by it.
template <int PageRow::*rank>
constexpr std::array<PageId, RankedCount<rank>()> OrderBy() {
    std::array<PageId, RankedCount<rank>()> order{};
    for (const PageRow& row : kPages) {
        if (row.*rank > 0) {
            order[static_cast<std::size_t>(row.*rank - 1)] = row.id;
        }
    }
    return order;
}

// Each row sits at its id, and each order's ranks run 1, 2, 3 ... without a gap.
constexpr bool TableIsConsistent() {
    for (std::size_t i = 0; i < kPages.size(); ++i) {
        if (PageIndex(kPages[i].id) != i) {
            return false;
        }
    }
    for (int PageRow::*rank : {&PageRow::fillRank, &PageRow::storeRank}) {
        std::array<int, kPageCount + 1> seen{};
        for (const PageRow& row : kPages) {
            if (row.*rank < 0 || row.*rank > static_cast<int>(kPageCount) ||
                (row.*rank > 0 && seen[static_cast<std::size_t>(row.*rank)]++ > 0)) {
                return false;
            }
        }
    }
    return RankedCount<&PageRow::fillRank>() == RankedCount<&PageRow::storeRank>();
}
static_assert(TableIsConsistent());

}  // namespace detail

inline constexpr auto kFillOrder = detail::OrderBy<&PageRow::fillRank>();
inline constexpr auto kStoreOrder = detail::OrderBy<&PageRow::storeRank>();

}  // namespace rw
