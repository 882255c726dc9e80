#include "forms/SuspensionForm.h"

namespace rw {

namespace {

constexpr SelectionField<SuspensionValues> kFields[] = {
    {{"x", &SuspensionValues::x}},
    {{"y", &SuspensionValues::y}},
    {{"z", &SuspensionValues::z}},
    {{"roll_center.x", &SuspensionValues::rollCenterX}},
    {{"roll_center.y", &SuspensionValues::rollCenterY}},
    {{"roll_center.z", &SuspensionValues::rollCenterZ}},
    {{"minlen", &SuspensionValues::minLength}},
    {{"maxlen", &SuspensionValues::maxLength}},
    {{"restlen", &SuspensionValues::restLength}},
    {{"anti_pitch", &SuspensionValues::antiPitch}},
    {{"k", &SuspensionValues::k, "N/m"}},
    {{"bump_rate", &SuspensionValues::bumpRate, "N/m/s"}},
    {{"rebound_rate", &SuspensionValues::reboundRate, "N/m/s"}},
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
