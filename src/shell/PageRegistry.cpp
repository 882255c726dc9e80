#include "shell/PageRegistry.h"

#include "forms/FormSet.h"
#include "widgets/PageView.h"
// Page headers, one per page view:
// #include "pages/GeneralPage.h"
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

namespace rw {

namespace {

constexpr std::array<PageSlot, 1> kInfoSlots = {PageSlot::General};
constexpr std::array<PageSlot, 9> kPhysicsSlots = {
    PageSlot::Body,       PageSlot::Engine, PageSlot::Gearbox,
    PageSlot::Driveline,  PageSlot::Misc,   PageSlot::Wheels,
    PageSlot::Suspension, PageSlot::Aero,   PageSlot::Calculations};
constexpr std::array<PageSlot, 4> kPresentationSlots = {PageSlot::CarModels, PageSlot::WheelModels,
                                                        PageSlot::OtherModels, PageSlot::Sounds};

}  // namespace

PageViews CreatePageViews([[maybe_unused]] FormSet& forms, [[maybe_unused]] Dialogs& dialogs,
                          [[maybe_unused]] QWidget* parent) {
    PageViews views{};
    // One line per page, in this order, e.g.
    // views[SlotIndex(PageSlot::General)] = new GeneralPage(forms.General(), dialogs, parent);
    views[SlotIndex(PageSlot::General)] = new GeneralPage(forms.General(), dialogs, parent);
    views[SlotIndex(PageSlot::Body)] = new BodyPage(forms.Body(), dialogs, parent);
    views[SlotIndex(PageSlot::Engine)] = new EnginePage(forms.Engine(), dialogs, parent);
    views[SlotIndex(PageSlot::Gearbox)] = new GearboxPage(forms.Gearbox(), dialogs, parent);
    views[SlotIndex(PageSlot::Driveline)] = new DrivelinePage(forms.Driveline(), dialogs, parent);
    views[SlotIndex(PageSlot::Misc)] = new MiscPage(forms.Misc(), dialogs, parent);
    views[SlotIndex(PageSlot::Wheels)] = new WheelsPage(forms.Wheels(), dialogs, parent);
    views[SlotIndex(PageSlot::Suspension)] =
        new SuspensionPage(forms.Suspension(), dialogs, parent);
    views[SlotIndex(PageSlot::Aero)] = new AeroPage(forms.Aero(), dialogs, parent);
    views[SlotIndex(PageSlot::CarModels)] = new CarModelsPage(forms.CarModels(), dialogs, parent);
    views[SlotIndex(PageSlot::Sounds)] = new SoundsPage(forms.Sounds(), dialogs, parent);
    views[SlotIndex(PageSlot::WheelModels)] =
        new WheelModelsPage(forms.WheelModels(), dialogs, parent);
    views[SlotIndex(PageSlot::OtherModels)] =
        new OtherModelsPage(forms.OtherModels(), dialogs, parent);
    // The figures include what is typed on these two pages and not yet stored.
    std::vector<PageView*> sources;
    for (PageSlot source : kFigureSources) {
        sources.push_back(views[SlotIndex(source)]);
    }
    views[SlotIndex(PageSlot::Calculations)] =
        new CalculationsPage(forms, std::move(sources), dialogs, parent);
    return views;
}

const char* PageTabLabel(PageSlot slot) {
    switch (slot) {
        case PageSlot::General:
            return "General";
        case PageSlot::Body:
            return "Body";
        case PageSlot::Engine:
            return "Engine";
        case PageSlot::Gearbox:
            return "Gearbox";
        case PageSlot::Driveline:
            return "Driveline";
        case PageSlot::Misc:
            return "Misc";
        case PageSlot::Wheels:
            return "Wheels";
        case PageSlot::Suspension:
            return "Suspension";
        case PageSlot::Aero:
            return "Aero";
        case PageSlot::Calculations:
            return "Calculations";
        case PageSlot::CarModels:
            return "Car Models";
        case PageSlot::WheelModels:
            return "Wheel Models";
        case PageSlot::OtherModels:
            return "Other Models";
        case PageSlot::Sounds:
            return "Sounds";
    }
    return "";
}

PageCategory CategoryOf(PageSlot slot) {
    if (slot == PageSlot::General) {
        return PageCategory::Info;
    }
    return SlotIndex(slot) <= SlotIndex(PageSlot::Calculations) ? PageCategory::Physics
                                                                : PageCategory::Presentation;
}

std::span<const PageSlot> CategorySlots(PageCategory category) {
    switch (category) {
        case PageCategory::Info:
            return kInfoSlots;
        case PageCategory::Physics:
            return kPhysicsSlots;
        case PageCategory::Presentation:
            return kPresentationSlots;
    }
    return {};
}

PageSlot SlotOf(PageId page) {
    switch (page) {
        case PageId::General:
            return PageSlot::General;
        case PageId::Body:
            return PageSlot::Body;
        case PageId::Engine:
            return PageSlot::Engine;
        case PageId::Gearbox:
            return PageSlot::Gearbox;
        case PageId::Driveline:
            return PageSlot::Driveline;
        case PageId::Misc:
            return PageSlot::Misc;
        case PageId::Wheels:
            return PageSlot::Wheels;
        case PageId::Suspension:
            return PageSlot::Suspension;
        case PageId::Aero:
            return PageSlot::Aero;
        case PageId::CarModels:
            return PageSlot::CarModels;
        case PageId::Sounds:
            return PageSlot::Sounds;
        case PageId::WheelModels:
            return PageSlot::WheelModels;
        case PageId::OtherModels:
            return PageSlot::OtherModels;
    }
    return PageSlot::General;
}

}  // namespace rw
