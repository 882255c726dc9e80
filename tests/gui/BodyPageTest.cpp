#include <gtest/gtest.h>

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "../forms/FormTestTree.h"
#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "forms/BodyForm.h"
#include "pages/BodyPage.h"

namespace rw {
namespace {

using test::TreeWith;
using test::ValueAt;

class BodyPageTest : public page_test::PageFixture<BodyPage, BodyForm> {
protected:
    void Retype(const char* name, const char* text) {
        Edit(name)->selectAll();
        QTest::keyClicks(Edit(name), text);
    }
};

TEST_F(BodyPageTest, Texts) {
    const std::pair<const char*, const char*> titles[] = {
        {"physicalGroup", "Physical Properties"},
        {"inertiaGroup", "Body Inertia"},
        {"cgGroup", "Centre of Gravity"},
    };
    for (const auto& [name, title] : titles) {
        EXPECT_EQ(page.findChild<QGroupBox*>(name)->title(), title);
    }
    EXPECT_EQ(page.findChild<QLabel*>("restitutionLabel")->text(), "Coefficient of resitution:");
    auto* box = page.findChild<QCheckBox*>("manualBoxCheck");
    EXPECT_EQ(box->text().remove(u'&'), "Use as collision box");
    EXPECT_EQ(box->layoutDirection(), Qt::RightToLeft);
}

// The exchange runs Mass, restitution, centre of gravity, inertia, Width,
// Height, Length: a bad centre of gravity y stops it there.
TEST_F(BodyPageTest, FailedStoreKeepsTheFieldsAfterTheBadOne) {
    auto tree = TreeWith({{"body.mass", "700"},
                          {"car.cg.x", "0.1"},
                          {"car.cg.y", "0.3"},
                          {"body.inertia.x", "900"},
                          {"body.width", "1.8"}});
    page.FillFromTree(*tree);
    EXPECT_EQ(Edit("massEdit")->text(), "700");
    Retype("massEdit", "750.5");
    Retype("cgXEdit", "0.2");
    Retype("cgYEdit", "0,4");
    Retype("inertiaXEdit", "950");
    Retype("widthEdit", "1.9");
    page.findChild<QCheckBox*>("manualBoxCheck")->click();

    page.StoreToTree(*tree);
    EXPECT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Please enter a number."});
    EXPECT_EQ(ValueAt(*tree, "body.mass"), "750.5");
    EXPECT_EQ(ValueAt(*tree, "car.cg.x"), "0.2");
    EXPECT_EQ(ValueAt(*tree, "car.cg.y"), "0.3");
    EXPECT_EQ(ValueAt(*tree, "body.inertia.x"), "900");
    EXPECT_EQ(ValueAt(*tree, "body.width"), "1.8");
    EXPECT_EQ(ValueAt(*tree, "body.manual_box"), "0");
    // The bad field gets the focus, its text kept for correcting.
    EXPECT_TRUE(Edit("cgYEdit")->hasFocus() || !page.isActiveWindow());
    EXPECT_EQ(Edit("cgYEdit")->text(), "0,4");
}

}  // namespace
}  // namespace rw
