#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../forms/FormTestTree.h"
#include "ScriptedDialogs.h"
#include "forms/WheelModelsForm.h"
#include "pages/WheelModelsPage.h"

namespace rw {
namespace {

using test::EmptyTree;
using test::ValueAt;

TEST(WheelModelsPageTest, EachButtonFillsItsOwnRow) {
    ScriptedDialogs dialogs;
    WheelModelsForm form;
    WheelModelsPage page(form, dialogs);
    page.show();
    page.FillFromTree(*EmptyTree());
    EXPECT_EQ(page.findChild<QGroupBox*>("rearRightGroup")->title(), "Rear Right");

    auto* frontLeft = page.findChild<QLineEdit*>("frontLeftWheelEdit");
    QTest::keyClicks(frontLeft, "typed.dof");
    dialogs.files.push_back("/data/tracks/wheels/brake_rr.dof");
    page.findChild<QPushButton*>("rearRightBrakeButton")->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Select a Model");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Tavix DOF files (*.dof)|*.dof||");
    EXPECT_EQ(page.findChild<QLineEdit*>("rearRightBrakeEdit")->text(), "brake_rr.dof");
    EXPECT_EQ(frontLeft->text(), "typed.dof");

    dialogs.files.push_back(std::nullopt);
    page.findChild<QPushButton*>("frontRightWheelButton")->click();

    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    EXPECT_EQ(ValueAt(*stored, "wheel3.model_brake.file"), "brake_rr.dof");
    EXPECT_EQ(ValueAt(*stored, "wheel0.model.file"), "typed.dof");
    EXPECT_EQ(ValueAt(*stored, "wheel1.model.file"), "");
    EXPECT_EQ(ValueAt(*stored, "wheel3.model.file"), "");
}

}  // namespace
}  // namespace rw
