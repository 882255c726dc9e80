#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "../forms/FormTestTree.h"
#include "ScriptedDialogs.h"
#include "forms/SoundsForm.h"
#include "pages/SoundsPage.h"

namespace rw {
namespace {

using test::TreeWith;
using test::ValueAt;

TEST(SoundsPageTest, PickingASampleLeavesTheOtherFields) {
    ScriptedDialogs dialogs;
    SoundsForm form;
    SoundsPage page(form, dialogs);
    page.show();
    auto tree = TreeWith({{"engine.sample", "engine.wav"}, {"engine.sample_rpm", "4500"}});
    page.FillFromTree(*tree);
    EXPECT_EQ(page.findChild<QGroupBox*>("skiddingGroup")->title(), "Skidding");
    EXPECT_EQ(page.findChild<QLabel*>("sampleRpmLabel")->text(), "Sample Rate:");

    auto* skid = page.findChild<QLineEdit*>("skidSampleEdit");
    auto* rpm = page.findChild<QLineEdit*>("sampleRpmEdit");
    QTest::keyClicks(skid, "screech.wav");
    rpm->selectAll();
    QTest::keyClicks(rpm, "4500.25");
    dialogs.files.push_back("/sounds/v6/idle.wav");
    page.findChild<QPushButton*>("engineSampleButton")->click();
    ASSERT_EQ(dialogs.fileRequests.size(), 1u);
    EXPECT_EQ(dialogs.fileRequests[0].title, "Select a sound sample");
    EXPECT_EQ(dialogs.fileRequests[0].filter, "WAV files (*.wav)|*.wav||");
    EXPECT_EQ(page.findChild<QLineEdit*>("engineSampleEdit")->text(), "idle.wav");
    EXPECT_EQ(skid->text(), "screech.wav");

    // A bad rate stops the store after both names were taken.
    rpm->selectAll();
    QTest::keyClicks(rpm, "fast");
    page.StoreToTree(*tree);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(ValueAt(*tree, "engine.sample"), "idle.wav");
    EXPECT_EQ(ValueAt(*tree, "car.skid.sample"), "screech.wav");
    EXPECT_EQ(ValueAt(*tree, "engine.sample_rpm"), "4500.25");
}

}  // namespace
}  // namespace rw
