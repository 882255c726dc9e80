#include "forms/FormSet.h"

namespace rw {

namespace {

// Calls `action` with the form that belongs to a page.
template <typename Set, typename Action>
void WithForm(Set& set, PageId page, Action&& action) {
    switch (page) {
        case PageId::General:
            action(set.General());
            break;
        case PageId::Body:
            action(set.Body());
            break;
        case PageId::Engine:
            action(set.Engine());
            break;
        case PageId::Gearbox:
            action(set.Gearbox());
            break;
        case PageId::Driveline:
            action(set.Driveline());
            break;
        case PageId::Misc:
            action(set.Misc());
            break;
        case PageId::Wheels:
            action(set.Wheels());
            break;
        case PageId::Suspension:
            action(set.Suspension());
            break;
        case PageId::Aero:
            action(set.Aero());
            break;
        case PageId::CarModels:
            action(set.CarModels());
            break;
        case PageId::Sounds:
            action(set.Sounds());
            break;
        case PageId::WheelModels:
            action(set.WheelModels());
            break;
        case PageId::OtherModels:
            action(set.OtherModels());
            break;
    }
}

}  // namespace

FormSet::FormSet() {
    // The Ackermann value is stored before the Wheels form stores, so it
    // follows the steering flags as edited, not as last saved.
    misc.isSteering = [this](int wheel) { return wheels.IsSteering(wheel); };
}

void FormSet::FillFromTree(PageId page, const ConfigTree& tree) {
    WithForm(*this, page, [&tree](auto& form) { form.FillFromTree(tree); });
}

void FormSet::StoreToTree(PageId page, ConfigTree& tree) {
    WithForm(*this, page, [&tree](auto& form) { form.StoreToTree(tree); });
}

void FormSet::EnableFields(bool /*enabled*/) {}

SaveCheckValues FormSet::CheckValues() const {
    SaveCheckValues values;
    values.maxRpm = engine.maxRpm;
    values.idleRpm = engine.idleRpm;
    values.stallRpm = engine.stallRpm;
    values.startRpm = engine.startRpm;
    values.autoclutchRpm = engine.autoclutchRpm;
    values.shiftUpRpm = engine.shiftUpRpm;
    values.shiftDownRpm = engine.shiftDownRpm;
    values.curveTorque = engine.curveTorque;
    values.brakingCoeff = engine.brakingCoeff;
    values.id = general.id;
    values.version = general.version;
    values.differentialRatio = driveline.ratio;
    values.reverseRatio = gearbox.reverseRatio;
    for (int i = 0; i < kWheelCount; ++i) {
        const SuspensionValues& susp = suspension.suspensions[i];
        values.suspensions[i].minLength = susp.minLength;
        values.suspensions[i].maxLength = susp.maxLength;
        values.suspensions[i].restLength = susp.restLength;
    }
    return values;
}

void FormSet::FillAll(const ConfigTree& tree) {
    for (PageId page : kFillOrder) {
        FillFromTree(page, tree);
    }
}

void FormSet::StoreAll(ConfigTree& tree) {
    for (PageId page : kStoreOrder) {
        StoreToTree(page, tree);
    }
}

void FormSet::Recalculate() {
    figures.Recalculate(body.cgZ, suspension.suspensions);
}

}  // namespace rw
