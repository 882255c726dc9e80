#include <gtest/gtest.h>

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "forms/AeroForm.h"
#include "pages/AeroPage.h"

namespace rw {
namespace {

using page_test::Find;
using page_test::TreeOf;
using page_test::TypeOver;
using page_test::ValueAt;

std::string Wings(std::initializer_list<const char*> names) {
    std::string text = "aero\n{\n   body\n   {\n      cx=0.3\n      area=1.9\n   }\n";
    text += "   wings=" + std::to_string(names.size()) + "\n";
    int index = 0;
    for (const char* name : names) {
        text += "   wing" + std::to_string(index) + "\n   {\n      name=" + name +
                "\n      span=" + std::to_string(index + 1) + "\n      center=0.1 0.5\n   }\n";
        ++index;
    }
    return text + "}\n";
}

class AeroPageTest : public page_test::PageFixture<AeroPage, AeroForm> {
protected:
    void SetUp() override {
        PageFixture::SetUp();
        page.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&page));
    }

    QListWidget* List() { return Find<QListWidget>(page, "wingList"); }
    QPushButton* Button(const char* name) { return Find<QPushButton>(page, name); }
    void Pick(int row) {
        QListWidget* list = List();
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, rect.center());
    }
    QStringList Names() {
        QStringList names;
        for (int row = 0; row < List()->count(); ++row) {
            names << List()->item(row)->text();
        }
        return names;
    }
    bool WingFieldsEnabled() {
        return Edit("nameEdit")->isEnabled() && Edit("spanEdit")->isEnabled() &&
               Edit("angleOffsetEdit")->isEnabled() && Button("deleteWingButton")->isEnabled();
    }
};

TEST_F(AeroPageTest, LabelsAndGroups) {
    const std::pair<const char*, const char*> labels[] = {
        {"areaLabel", "Area:"},          {"cxLabel", "cx:"},       {"nameLabel", "Name:"},
        {"cordLabel", "Cord:"},          {"spanLabel", "Span:"},   {"coeffDownLabel", "Downforce:"},
        {"coeffDragLabel", "Drag:"},     {"wingsLabel", "Wings:"}, {"angleLabel", "Wing:"},
        {"angleOffsetLabel", "Offset:"}, {"zLabel", "z:"},
    };
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(Find<QLabel>(page, name)->text(), text) << name;
    }
    const std::pair<const char*, const char*> groups[] = {
        {"bodyAerodynamicsGroup", "Body Aerodynamics"},
        {"wingsGroup", "Wings"},
        {"angleGroup", "Angle"},
        {"applicationCentreGroup", "Application Centre"},
    };
    for (const auto& [name, title] : groups) {
        EXPECT_EQ(Find<QGroupBox>(page, name)->title(), title) << name;
    }
    EXPECT_EQ(Button("addWingButton")->text().remove(u'&'), "Add Wing");
    EXPECT_EQ(Button("deleteWingButton")->text().remove(u'&'), "Delete Wing");
}

TEST_F(AeroPageTest, NoneSelectedUntilAWingIsPicked) {
    EXPECT_EQ(Edit("nameEdit")->text(), "None selected");
    EXPECT_FALSE(WingFieldsEnabled());
    EXPECT_TRUE(Edit("areaEdit")->isEnabled());

    page.FillFromTree(TreeOf(Wings({"rear", "front"})));
    EXPECT_EQ(Names(), (QStringList{"rear", "front"}));
    EXPECT_EQ(Edit("nameEdit")->text(), "None selected");
    EXPECT_FALSE(WingFieldsEnabled());
    EXPECT_EQ(Edit("cxEdit")->text(), "0.3");

    Pick(1);
    EXPECT_EQ(Edit("nameEdit")->text(), "front");
    EXPECT_EQ(Edit("spanEdit")->text(), "2");
    EXPECT_EQ(Edit("yEdit")->text(), "0.5");
    EXPECT_TRUE(WingFieldsEnabled());
    EXPECT_TRUE(List()->hasFocus());

    // Another fill returns to no wing selected.
    page.FillFromTree(TreeOf(Wings({"only"})));
    EXPECT_EQ(Edit("nameEdit")->text(), "None selected");
    EXPECT_FALSE(WingFieldsEnabled());
    EXPECT_TRUE(List()->selectedItems().isEmpty());
}

// The second of three wings, so that a page renaming the first or the last
// one shows up.
TEST_F(AeroPageTest, EveryKeystrokeRenamesThePickedListEntryOnly) {
    page.FillFromTree(TreeOf(Wings({"rear", "front", "flap"})));
    Pick(1);
    TypeOver(Edit("nameEdit"), "w");
    EXPECT_EQ(Names(), (QStringList{"rear", "w", "flap"}));
    QTest::keyClicks(Edit("nameEdit"), "ing");
    EXPECT_EQ(Names(), (QStringList{"rear", "wing", "flap"}));
    EXPECT_EQ(List()->currentRow(), 1);
    TypeOver(Edit("spanEdit"), "1.25");
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "aero.wing0.name"), "rear");
    EXPECT_EQ(ValueAt(tree, "aero.wing1.name"), "wing");
    EXPECT_EQ(ValueAt(tree, "aero.wing2.name"), "flap");
    EXPECT_EQ(ValueAt(tree, "aero.wing1.span"), "1.25");
    EXPECT_EQ(ValueAt(tree, "aero.wing1.center"), "0.100 0.500 0.000");
    EXPECT_EQ(ValueAt(tree, "aero.wing0.span"), "1");
}

TEST_F(AeroPageTest, AddWingAppendsSelectsAndFocuses) {
    page.FillFromTree(TreeOf(Wings({"rear"})));
    QTest::mouseClick(Button("addWingButton"), Qt::LeftButton);
    EXPECT_EQ(Names(), (QStringList{"rear", "NewWing"}));
    EXPECT_EQ(List()->currentRow(), 1);
    EXPECT_TRUE(List()->hasFocus());
    EXPECT_EQ(Edit("nameEdit")->text(), "NewWing");
    EXPECT_EQ(Edit("spanEdit")->text(), "0");
    EXPECT_TRUE(WingFieldsEnabled());

    TypeOver(Edit("angleEdit"), "12");
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "aero.wings"), "2");
    EXPECT_EQ(ValueAt(tree, "aero.wing1.name"), "NewWing");
    EXPECT_EQ(ValueAt(tree, "aero.wing1.angle"), "12");
    EXPECT_EQ(ValueAt(tree, "aero.wing0.angle"), "0");
}

TEST_F(AeroPageTest, AddWingStopsAtTwentyWings) {
    page.FillFromTree(TreeOf(Wings({})));
    for (int i = 0; i < 19; ++i) {
        QTest::mouseClick(Button("addWingButton"), Qt::LeftButton);
    }
    EXPECT_TRUE(Button("addWingButton")->isEnabled());
    QTest::mouseClick(Button("addWingButton"), Qt::LeftButton);
    EXPECT_EQ(List()->count(), 20);
    EXPECT_FALSE(Button("addWingButton")->isEnabled());
    // Making room opens it again.
    QTest::mouseClick(Button("deleteWingButton"), Qt::LeftButton);
    EXPECT_TRUE(Button("addWingButton")->isEnabled());
}

struct DeleteCase {
    int row;
    QStringList remaining;
    int selectedAfter;
};

class AeroDeleteTest : public AeroPageTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(AeroDeleteTest, DeleteUpdatesListSelectionAndFocus) {
    const DeleteCase& test = GetParam();
    page.FillFromTree(TreeOf(Wings({"a", "b", "c"})));
    Pick(test.row);
    QTest::mouseClick(Button("deleteWingButton"), Qt::LeftButton);
    EXPECT_EQ(Names(), test.remaining);
    EXPECT_EQ(List()->currentRow(), test.selectedAfter);
    EXPECT_TRUE(List()->hasFocus());
    EXPECT_EQ(Edit("nameEdit")->text(), test.remaining[test.selectedAfter]);
    // The store renumbering is the form's; the page must hand it the same list.
    EXPECT_EQ(ValueAt(Stored(), "aero.wing1.name"), test.remaining[1].toStdString());
}

INSTANTIATE_TEST_SUITE_P(FirstMiddleLast, AeroDeleteTest,
                         ::testing::Values(DeleteCase{0, {"b", "c"}, 0},
                                           DeleteCase{1, {"a", "c"}, 1},
                                           DeleteCase{2, {"a", "b"}, 0}));

TEST_F(AeroPageTest, DeletingTheOnlyWingLeavesNoneSelected) {
    page.FillFromTree(TreeOf(Wings({"solo"})));
    Pick(0);
    QTest::mouseClick(Button("deleteWingButton"), Qt::LeftButton);
    EXPECT_EQ(List()->count(), 0);
    EXPECT_EQ(Edit("nameEdit")->text(), "None selected");
    EXPECT_FALSE(WingFieldsEnabled());
    ConfigTree tree = Stored();
    EXPECT_EQ(ValueAt(tree, "aero.wings"), "0");
}

TEST_F(AeroPageTest, BodyValuesTypedBeforeAPickAreKept) {
    page.FillFromTree(TreeOf(Wings({"rear"})));
    TypeOver(Edit("areaEdit"), "2.2");
    Pick(0);
    EXPECT_EQ(Edit("areaEdit")->text(), "2.2");
    EXPECT_EQ(ValueAt(Stored(), "aero.body.area"), "2.2");
}

}  // namespace
}  // namespace rw
