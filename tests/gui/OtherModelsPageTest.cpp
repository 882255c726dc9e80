#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../forms/FormTestTree.h"
#include "ScriptedDialogs.h"
#include "forms/OtherModelsForm.h"
#include "pages/OtherModelsPage.h"

namespace rw {
namespace {

using test::EmptyTree;
using test::TreeWith;
using test::ValueAt;

TEST(OtherModelsPageTest, PickedModelKeepsTypedNumbers) {
    ScriptedDialogs dialogs;
    OtherModelsForm form;
    OtherModelsPage page(form, dialogs);
    page.show();
    page.FillFromTree(*TreeWith({{"steer.xa", "-12.5"}, {"steer.model.file", "old.dof"}}));
    EXPECT_EQ(page.findChild<QGroupBox*>("steeringWheelGroup")->title(), "Steering Wheel");
    EXPECT_EQ(page.findChild<QGroupBox*>("positionGroup")->title(), "Position");
    auto* angle = page.findChild<QLineEdit*>("angleEdit");
    EXPECT_EQ(angle->text(), "-12.5");

    auto* y = page.findChild<QLineEdit*>("yEdit");
    y->selectAll();
    QTest::keyClicks(y, "0.45");
    dialogs.files.push_back("/home/me/models/wheel.dof");
    page.findChild<QPushButton*>("modelButton")->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Select a Model File");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "Tavix DOF files (*.dof)|*.dof||");
    EXPECT_EQ(y->text(), "0.45");

    auto stored = EmptyTree();
    page.StoreToTree(*stored);
    EXPECT_EQ(ValueAt(*stored, "steer.model.file"), "wheel.dof");
    EXPECT_EQ(ValueAt(*stored, "steer.y"), "0.45");
    EXPECT_EQ(ValueAt(*stored, "steer.xa"), "-12.5");
}

}  // namespace
}  // namespace rw
