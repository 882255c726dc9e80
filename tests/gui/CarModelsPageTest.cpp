#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../forms/FormTestTree.h"
#include "ScriptedDialogs.h"
#include "forms/CarModelsForm.h"
#include "pages/CarModelsPage.h"

namespace rw {
namespace {

using test::TreeWith;
using test::ValueAt;

TEST(CarModelsPageTest, PickersKeepNamesAndTypedText) {
    ScriptedDialogs dialogs;
    CarModelsForm form;
    CarModelsPage page(form, dialogs);
    page.show();
    auto tree = TreeWith({{"body.model.file", "body.dof"},
                          {"body.model_light_l.file", "light.dof"},
                          {"body.model_light_r.file", "right.dof"},
                          {"car.shadow.width", "1.25"}});
    page.FillFromTree(*tree);

    const struct {
        const char* button;
        const char* edit;
        const char* title;
        const char* filter;
        const char* key;
    } pickers[] = {
        {"bodyButton", "bodyEdit", "Select a Model File", "Tavix DOF files (*.dof)|*.dof||",
         "body.model.file"},
        {"inCarButton", "inCarEdit", "Select a Model File", "Tavix DOF files (*.dof)|*.dof||",
         "body.model_incar.file"},
        {"lightsButton", "lightsEdit", "Select a Model File", "Tavix DOF files (*.dof)|*.dof||",
         "body.model_light_l.file"},
        {"brakesButton", "brakesEdit", "Select a Model File", "Tavix DOF files (*.dof)|*.dof||",
         "body.model_braking_l.file"},
        {"textureButton", "textureEdit", "Select a Texture", "All files (*.*)|*.*||",
         "car.shadow.texture"},
    };
    auto* width = page.findChild<QLineEdit*>("shadowWidthEdit");
    EXPECT_EQ(width->text(), "1.25");
    int n = 0;
    for (const auto& picker : pickers) {
        // Text typed since the fill must outlive every pick.
        width->selectAll();
        QTest::keyClicks(width, std::to_string(++n).c_str());
        const std::string picked = std::string("pick") + std::to_string(n) + ".x";
        dialogs.files.push_back("C:\\cars\\models\\" + picked);
        page.findChild<QPushButton*>(picker.button)->click();
        ASSERT_EQ(dialogs.fileRequests.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(dialogs.fileRequests.back().title, picker.title);
        EXPECT_EQ(dialogs.fileRequests.back().filter, picker.filter);
        EXPECT_EQ(page.findChild<QLineEdit*>(picker.edit)->text().toStdString(), picked);
        EXPECT_EQ(width->text(), QString::number(n));
        page.StoreToTree(*tree);
        EXPECT_EQ(ValueAt(*tree, picker.key), picked);
        EXPECT_EQ(ValueAt(*tree, "car.shadow.width"), std::to_string(n));
    }
    EXPECT_EQ(ValueAt(*tree, "body.model_light_r.file"), "right.dof");
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace rw
