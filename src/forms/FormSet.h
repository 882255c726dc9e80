#pragma once

#include <cstdint>
#include <memory>
#include <tuple>
#include <utility>

#include "document/PageProtocol.h"
#include "forms/AeroForm.h"
#include "forms/BodyForm.h"
#include "forms/Calculations.h"
#include "forms/CarModelsForm.h"
#include "forms/DrivelineForm.h"
#include "forms/EngineForm.h"
#include "forms/GearboxForm.h"
#include "forms/GeneralForm.h"
#include "forms/MiscForm.h"
#include "forms/OtherModelsForm.h"
#include "forms/Pages.h"
#include "forms/SoundsForm.h"
#include "forms/SuspensionForm.h"
#include "forms/WheelModelsForm.h"
#include "forms/WheelsForm.h"
#include "tree/ConfigTree.h"

namespace rw {

// The forms of one editor, one per page, driven by the car document through
// the page protocol. The command line runs the car document on it directly;
// the editor's pages are views over these forms.
// One form's values at one moment, to compare with and to put back.
struct FormValues {
    PageId page{};
    std::shared_ptr<const void> values;
    std::uint64_t fingerprint = 0;  // of what the form's store writes
    std::size_t bytes = 0;          // about what the copy holds
};

class FormSet : public PageProtocol {
public:
    FormSet();
    // The Misc form reads the Wheels form of its own set.
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    void FillFromTree(PageId page, const ConfigTree& tree);
    void StoreToTree(PageId page, ConfigTree& tree);
    // Every data form in the fill order, or in the store order.
    void FillAll(const ConfigTree& tree) override;
    void StoreAll(ConfigTree& tree) override;
    // The bare forms have no fields to enable; the General page view does it.
    void EnableFields(bool enabled) override;
    std::string SaveWarnings() const override;
    // Back to the forms as they were at the last RememberInitial (as made,
    // until then).
    void ResetAll() override;
    // What StoreAll writes into an empty tree, hashed.
    std::optional<std::uint64_t> StoredState() override;
    // A copy of a form's values.
    FormValues Snapshot(PageId page);
    // True when a save would write other values of the form than of the
    // copy; the wheels or wing picked are no value.
    bool Differs(const FormValues& values);
    void Restore(const FormValues& values);
    // The copy with the wheels or the wing picked in `from`, where one
    // exists in both.
    FormValues WithSelectionOf(const FormValues& values, const FormValues& from);

    // The editor's pages set some values of their own when they are made;
    // a reset goes back to those.
    void RememberInitial() { initial = forms; }

    template <PageId page>
    auto& Form() {
        return std::get<PageIndex(page)>(forms);
    }
    template <PageId page>
    const auto& Form() const {
        return std::get<PageIndex(page)>(forms);
    }

    GeneralForm& General() { return Form<PageId::General>(); }
    BodyForm& Body() { return Form<PageId::Body>(); }
    EngineForm& Engine() { return Form<PageId::Engine>(); }
    GearboxForm& Gearbox() { return Form<PageId::Gearbox>(); }
    DrivelineForm& Driveline() { return Form<PageId::Driveline>(); }
    MiscForm& Misc() { return Form<PageId::Misc>(); }
    WheelsForm& Wheels() { return Form<PageId::Wheels>(); }
    SuspensionForm& Suspension() { return Form<PageId::Suspension>(); }
    AeroForm& Aero() { return Form<PageId::Aero>(); }
    Calculations& Figures() { return Form<PageId::Calculations>(); }
    CarModelsForm& CarModels() { return Form<PageId::CarModels>(); }
    WheelModelsForm& WheelModels() { return Form<PageId::WheelModels>(); }
    OtherModelsForm& OtherModels() { return Form<PageId::OtherModels>(); }
    SoundsForm& Sounds() { return Form<PageId::Sounds>(); }

    const GeneralForm& General() const { return Form<PageId::General>(); }
    const BodyForm& Body() const { return Form<PageId::Body>(); }
    const EngineForm& Engine() const { return Form<PageId::Engine>(); }
    const GearboxForm& Gearbox() const { return Form<PageId::Gearbox>(); }
    const DrivelineForm& Driveline() const { return Form<PageId::Driveline>(); }
    const MiscForm& Misc() const { return Form<PageId::Misc>(); }
    const WheelsForm& Wheels() const { return Form<PageId::Wheels>(); }
    const SuspensionForm& Suspension() const { return Form<PageId::Suspension>(); }
    const AeroForm& Aero() const { return Form<PageId::Aero>(); }
    const Calculations& Figures() const { return Form<PageId::Calculations>(); }
    const CarModelsForm& CarModels() const { return Form<PageId::CarModels>(); }
    const WheelModelsForm& WheelModels() const { return Form<PageId::WheelModels>(); }
    const OtherModelsForm& OtherModels() const { return Form<PageId::OtherModels>(); }
    const SoundsForm& Sounds() const { return Form<PageId::Sounds>(); }

private:
    // Calls `action` with the form of a page.
    template <typename Action>
    void WithForm(PageId page, Action&& action);

    // One form per page, in the order of PageId.
    std::tuple<GeneralForm, BodyForm, EngineForm, GearboxForm, DrivelineForm, MiscForm, WheelsForm,
               SuspensionForm, AeroForm, Calculations, CarModelsForm, WheelModelsForm,
               OtherModelsForm, SoundsForm>
        forms;
    static_assert(std::tuple_size_v<decltype(forms)> == kPageCount);
    decltype(forms) initial;
};

}  // namespace rw
