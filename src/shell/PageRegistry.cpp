#include "shell/PageRegistry.h"

#include <tuple>
#include <utility>

#include "forms/FormSet.h"
#include "pages/AeroPage.h"
#include "pages/BodyPage.h"
#include "pages/CalculationsPage.h"
#include "pages/CarModelsPage.h"
#include "pages/DrivelinePage.h"
#include "pages/EnginePage.h"
#include "pages/GearboxPage.h"
#include "pages/GeneralPage.h"
#include "pages/MiscPage.h"
#include "pages/OtherModelsPage.h"
#include "pages/SoundsPage.h"
#include "pages/SuspensionPage.h"
#include "pages/WheelModelsPage.h"
#include "pages/WheelsPage.h"
#include "widgets/PageView.h"

namespace rw {

namespace {

// One view per page, in the order of PageId; each is made over its page's form.
using ViewTypes = std::tuple<GeneralPage, BodyPage, EnginePage, GearboxPage, DrivelinePage,
                             MiscPage, WheelsPage, SuspensionPage, AeroPage, CalculationsPage,
                             CarModelsPage, WheelModelsPage, OtherModelsPage, SoundsPage>;
static_assert(std::tuple_size_v<ViewTypes> == kPageCount);

}  // namespace

PageViews CreatePageViews(FormSet& forms, Dialogs& dialogs, QWidget* parent) {
    PageViews views{};
    [&]<std::size_t... index>(std::index_sequence<index...>) {
        ((views[index] = [&]() -> PageView* {
             constexpr auto page = static_cast<PageId>(index);
             using View = std::tuple_element_t<index, ViewTypes>;
             if constexpr (page == PageId::Calculations) {
                 // The figures include what is typed on the pages they read
                 // and not yet stored, so those pages come first.
                 return new View(
                     forms,
                     {views[PageIndex(PageId::Body)], views[PageIndex(PageId::Engine)],
                      views[PageIndex(PageId::Gearbox)], views[PageIndex(PageId::Driveline)],
                      views[PageIndex(PageId::Wheels)], views[PageIndex(PageId::Suspension)]},
                     dialogs, parent);
             } else {
                 return new View(forms.Form<page>(), dialogs, parent);
             }
         }()),
         ...);
    }
    (std::make_index_sequence<kPageCount>{});
    return views;
}

}  // namespace rw
