#pragma once

#include "document/PageProtocol.h"
#include "document/SaveCheck.h"
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
#include "forms/SoundsForm.h"
#include "forms/SuspensionForm.h"
#include "forms/WheelModelsForm.h"
#include "forms/WheelsForm.h"
#include "tree/ConfigTree.h"

namespace rw {

// The thirteen data forms and the calculated figures of one editor, driven by
// the car document through the page protocol. The command line runs the car
// document on it directly; the editor's pages are views over these forms.
class FormSet : public PageProtocol {
public:
    FormSet();
    // The Misc form reads the Wheels form of its own set.
    FormSet(const FormSet&) = delete;
    FormSet& operator=(const FormSet&) = delete;

    void FillFromTree(PageId page, const ConfigTree& tree) override;
    void StoreToTree(PageId page, ConfigTree& tree) override;
    // The bare forms have no fields to enable; the General page view does it.
    void EnableFields(bool enabled) override;
    SaveCheckValues CheckValues() const override;

    // Every data form in the fill order, or in the store order.
    void FillAll(const ConfigTree& tree);
    void StoreAll(ConfigTree& tree);

    // The figures from the Body form's centre of gravity and the Suspension
    // form's working copy, edits not yet stored included.
    void Recalculate();

    GeneralForm& General() { return general; }
    BodyForm& Body() { return body; }
    EngineForm& Engine() { return engine; }
    GearboxForm& Gearbox() { return gearbox; }
    DrivelineForm& Driveline() { return driveline; }
    MiscForm& Misc() { return misc; }
    WheelsForm& Wheels() { return wheels; }
    SuspensionForm& Suspension() { return suspension; }
    AeroForm& Aero() { return aero; }
    CarModelsForm& CarModels() { return carModels; }
    SoundsForm& Sounds() { return sounds; }
    WheelModelsForm& WheelModels() { return wheelModels; }
    OtherModelsForm& OtherModels() { return otherModels; }
    Calculations& Figures() { return figures; }

    const GeneralForm& General() const { return general; }
    const BodyForm& Body() const { return body; }
    const EngineForm& Engine() const { return engine; }
    const GearboxForm& Gearbox() const { return gearbox; }
    const DrivelineForm& Driveline() const { return driveline; }
    const MiscForm& Misc() const { return misc; }
    const WheelsForm& Wheels() const { return wheels; }
    const SuspensionForm& Suspension() const { return suspension; }
    const AeroForm& Aero() const { return aero; }
    const CarModelsForm& CarModels() const { return carModels; }
    const SoundsForm& Sounds() const { return sounds; }
    const WheelModelsForm& WheelModels() const { return wheelModels; }
    const OtherModelsForm& OtherModels() const { return otherModels; }
    const Calculations& Figures() const { return figures; }

private:
    GeneralForm general;
    BodyForm body;
    EngineForm engine;
    GearboxForm gearbox;
    DrivelineForm driveline;
    MiscForm misc;
    WheelsForm wheels;
    SuspensionForm suspension;
    AeroForm aero;
    CarModelsForm carModels;
    SoundsForm sounds;
    WheelModelsForm wheelModels;
    OtherModelsForm otherModels;
    Calculations figures;
};

}  // namespace rw
