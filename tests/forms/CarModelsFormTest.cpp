#include <gtest/gtest.h>

#include "FormTestTree.h"
#include "forms/CarModelsForm.h"

namespace rw {
namespace {

using test::Keys;

const Keys kCarModels = {
    {"body.model.file", "body.dof"},
    {"body.model_incar.file", "incar.dof"},
    {"body.model_braking_l.file", "bl.dof"},
    {"body.model_light_l.file", "ll.dof"},
    {"car.shadow.texture", "shadow.tga"},
    {"car.shadow.length", "4.5"},
    {"car.shadow.width", "1.25"},
    {"car.shadow.offset", "-0.2"},
};

TEST(CarModelsForm, EveryKeyRoundTripsInStoreOrder) {
    CarModelsForm form;
    const auto stored = test::RoundTrip(form, kCarModels);
    EXPECT_EQ(test::StoredPaths(*stored), test::PathsOf(kCarModels));
    for (const auto& [path, value] : kCarModels) {
        EXPECT_EQ(test::ValueAt(*stored, path), value) << path;
    }
    EXPECT_EQ(form.lights, "ll.dof");
    EXPECT_EQ(form.brakes, "bl.dof");
}

TEST(CarModelsForm, RightHandModelsAreLeftAlone) {
    Keys file = kCarModels;
    file.emplace_back("body.model_light_r.file", "lr.dof");
    file.emplace_back("body.model_braking_r.file", "br.dof");
    const auto tree = test::TreeWith(file);
    CarModelsForm form;
    form.FillFromTree(*tree);
    form.lights = "new_l.dof";
    form.StoreToTree(*tree);
    EXPECT_EQ(test::ValueAt(*tree, "body.model_light_l.file"), "new_l.dof");
    EXPECT_EQ(test::ValueAt(*tree, "body.model_light_r.file"), "lr.dof");
    EXPECT_EQ(test::ValueAt(*tree, "body.model_braking_r.file"), "br.dof");
}

TEST(CarModelsForm, PickFillsOnlyItsFieldWithTheFileName) {
    struct Case {
        CarModelsForm::Field field;
        std::string CarModelsForm::*member;
    };
    const Case cases[] = {
        {CarModelsForm::Field::Body, &CarModelsForm::body},
        {CarModelsForm::Field::InCar, &CarModelsForm::inCar},
        {CarModelsForm::Field::Lights, &CarModelsForm::lights},
        {CarModelsForm::Field::Brakes, &CarModelsForm::brakes},
        {CarModelsForm::Field::Texture, &CarModelsForm::texture},
    };
    for (const Case& c : cases) {
        CarModelsForm form;
        form.FillFromTree(*test::TreeWith(kCarModels));
        const CarModelsForm before = form;
        form.Pick(c.field, "C:\\cars\\mine\\picked.dof");
        for (const Case& other : cases) {
            EXPECT_EQ(form.*other.member,
                      other.field == c.field ? "picked.dof" : before.*other.member);
        }
    }
}

}  // namespace
}  // namespace rw
