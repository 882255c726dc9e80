#include "forms/SuspensionForm.h"

namespace rw {

namespace {

constexpr SelectionField<SuspensionValues> kFields[] = {
    {{"x", &SuspensionValues::x}, "xEdit"},
    {{"y", &SuspensionValues::y}, "yEdit"},
    {{"z", &SuspensionValues::z}, "zEdit"},
    {{"roll_center.x", &SuspensionValues::rollCenterX}, "rollCenterXEdit"},
    {{"roll_center.y", &SuspensionValues::rollCenterY}, "rollCenterYEdit"},
    {{"roll_center.z", &SuspensionValues::rollCenterZ}, "rollCenterZEdit"},
    {{"minlen", &SuspensionValues::minLength}, "minLengthEdit"},
    {{"maxlen", &SuspensionValues::maxLength}, "maxLengthEdit"},
    {{"restlen", &SuspensionValues::restLength}, "restLengthEdit"},
    {{"anti_pitch", &SuspensionValues::antiPitch}, "antiPitchEdit"},
    {{"k", &SuspensionValues::k, "N/m"}, "kEdit"},
    {{"bump_rate", &SuspensionValues::bumpRate, "N/m/s"}, "bumpRateEdit"},
    {{"rebound_rate", &SuspensionValues::reboundRate, "N/m/s"}, "reboundRateEdit"},
};

}  // namespace

SelectionFields<SuspensionValues> SuspensionForm::Fields() {
    return kFields;
}

void SuspensionForm::FillFromTree(const ConfigTree& tree) {
    FillEntries(tree, kBlock, suspensions, Fields());
    // The fields show the car just loaded, not the previous one.
    ShowSelection();
}

void SuspensionForm::StoreToTree(ConfigTree& tree) const {
    StoreEntries(tree, kBlock, suspensions, Fields());
}

void SuspensionForm::SetSelection(std::uint32_t mask) {
    selection = mask & kAllWheels;
    ShowSelection();
}

void SuspensionForm::ShowSelection() {
    shown = SuspensionValues{};
    DeriveShown(selection, suspensions, shown, Fields());
}

void SuspensionForm::ApplyField(std::size_t field) {
    CopyToSelected(selection, suspensions, shown, Fields()[field].key.member);
}

bool SuspensionForm::FieldEnabled(std::size_t /*field*/) const {
    return (selection & kAllWheels) != 0;
}

}  // namespace rw
