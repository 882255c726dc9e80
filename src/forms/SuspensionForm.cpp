#include "forms/SuspensionForm.h"

#include <string>

namespace rw {

namespace {

using Member = ValueMember<SuspensionValues>;

// In the order of SuspensionForm::Field.
constexpr std::array<Member, 13> kFieldMembers = {
    &SuspensionValues::restLength,  &SuspensionValues::minLength,   &SuspensionValues::maxLength,
    &SuspensionValues::bumpRate,    &SuspensionValues::reboundRate, &SuspensionValues::k,
    &SuspensionValues::antiPitch,   &SuspensionValues::rollCenterX, &SuspensionValues::rollCenterY,
    &SuspensionValues::rollCenterZ, &SuspensionValues::x,           &SuspensionValues::y,
    &SuspensionValues::z,
};

std::string SuspensionKey(int suspension, const char* suffix) {
    std::string key = "susp";
    key += static_cast<char>('0' + suspension);
    key += '.';
    key += suffix;
    return key;
}

}  // namespace

void SuspensionForm::FillFromTree(const ConfigTree& tree) {
    for (int i = 0; i < kWheelCount; ++i) {
        SuspensionValues& susp = suspensions[i];
        tree.GetFloat(SuspensionKey(i, "x"), susp.x);
        tree.GetFloat(SuspensionKey(i, "y"), susp.y);
        tree.GetFloat(SuspensionKey(i, "z"), susp.z);
        tree.GetFloat(SuspensionKey(i, "roll_center.x"), susp.rollCenterX);
        tree.GetFloat(SuspensionKey(i, "roll_center.y"), susp.rollCenterY);
        tree.GetFloat(SuspensionKey(i, "roll_center.z"), susp.rollCenterZ);
        tree.GetFloat(SuspensionKey(i, "minlen"), susp.minLength);
        tree.GetFloat(SuspensionKey(i, "maxlen"), susp.maxLength);
        tree.GetFloat(SuspensionKey(i, "restlen"), susp.restLength);
        tree.GetFloat(SuspensionKey(i, "anti_pitch"), susp.antiPitch);
        tree.GetInt(SuspensionKey(i, "k"), susp.k);
        tree.GetInt(SuspensionKey(i, "bump_rate"), susp.bumpRate);
        tree.GetInt(SuspensionKey(i, "rebound_rate"), susp.reboundRate);
    }
    // The fields show the car just loaded, not the previous one.
    ShowSelection();
}

void SuspensionForm::StoreToTree(ConfigTree& tree) const {
    for (int i = 0; i < kWheelCount; ++i) {
        const SuspensionValues& susp = suspensions[i];
        tree.SetFloat(SuspensionKey(i, "x"), susp.x);
        tree.SetFloat(SuspensionKey(i, "y"), susp.y);
        tree.SetFloat(SuspensionKey(i, "z"), susp.z);
        tree.SetFloat(SuspensionKey(i, "roll_center.x"), susp.rollCenterX);
        tree.SetFloat(SuspensionKey(i, "roll_center.y"), susp.rollCenterY);
        tree.SetFloat(SuspensionKey(i, "roll_center.z"), susp.rollCenterZ);
        tree.SetFloat(SuspensionKey(i, "minlen"), susp.minLength);
        tree.SetFloat(SuspensionKey(i, "maxlen"), susp.maxLength);
        tree.SetFloat(SuspensionKey(i, "restlen"), susp.restLength);
        tree.SetFloat(SuspensionKey(i, "anti_pitch"), susp.antiPitch);
        tree.SetInt(SuspensionKey(i, "k"), susp.k);
        tree.SetInt(SuspensionKey(i, "bump_rate"), susp.bumpRate);
        tree.SetInt(SuspensionKey(i, "rebound_rate"), susp.reboundRate);
    }
}

void SuspensionForm::SetSelection(std::uint32_t mask) {
    selection = mask & kAllWheels;
    ShowSelection();
}

void SuspensionForm::ShowSelection() {
    shown = SuspensionValues{};
    DeriveShown<SuspensionValues>(selection, suspensions, shown, kFieldMembers);
}

void SuspensionForm::ApplyField(Field field) {
    CopyToSelected<SuspensionValues>(selection, suspensions, shown,
                                     kFieldMembers[static_cast<std::size_t>(field)]);
}

struct SuspensionForm::Enables SuspensionForm::Enables() const {
    struct Enables enables;
    enables.fields = (selection & kAllWheels) != 0;
    return enables;
}

}  // namespace rw
