#include "forms/SoundsForm.h"

#include "forms/FileName.h"

namespace rw {

void SoundsForm::FillFromTree(const ConfigTree& tree) {
    tree.GetString("engine.sample", engineSample);
    tree.GetString("car.skid.sample", skidSample);
    tree.GetFloat("engine.sample_rpm", sampleRpm);
}

void SoundsForm::StoreToTree(ConfigTree& tree) {
    tree.SetString("engine.sample", engineSample);
    tree.SetFloat("engine.sample_rpm", sampleRpm);
    tree.SetString("car.skid.sample", skidSample);
}

void SoundsForm::PickEngineSample(std::string_view chosenPath) {
    engineSample = FileNameOnly(chosenPath);
}

void SoundsForm::PickSkidSample(std::string_view chosenPath) {
    skidSample = FileNameOnly(chosenPath);
}

}  // namespace rw
