#include "forms/BodyForm.h"

namespace rw {

void BodyForm::FillFromTree(const ConfigTree& tree) {
    tree.GetFloat("body.mass", mass);
    tree.GetFloat("body.width", width);
    tree.GetFloat("body.length", length);
    tree.GetFloat("body.height", height);
    tree.GetFloat("car.cg.x", cgX);
    tree.GetFloat("car.cg.y", cgY);
    tree.GetFloat("car.cg.z", cgZ);
    tree.GetFloat("body.inertia.x", inertiaX);
    tree.GetFloat("body.inertia.y", inertiaY);
    tree.GetFloat("body.inertia.z", inertiaZ);
    tree.GetFloat("body.restitution_coeff", restitution);
    tree.GetBool("body.manual_box", manualBox);
}

void BodyForm::StoreToTree(ConfigTree& tree) {
    tree.SetFloat("car.cg.x", cgX);
    tree.SetFloat("car.cg.y", cgY);
    tree.SetFloat("car.cg.z", cgZ);
    tree.SetFloat("body.mass", mass);
    tree.SetFloat("body.width", width);
    tree.SetFloat("body.length", length);
    tree.SetFloat("body.height", height);
    tree.SetFloat("body.inertia.x", inertiaX);
    tree.SetFloat("body.inertia.y", inertiaY);
    tree.SetFloat("body.inertia.z", inertiaZ);
    tree.SetFloat("body.restitution_coeff", restitution);
    tree.SetBool("body.manual_box", manualBox);
}

}  // namespace rw
