#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <fstream>

#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "widgets/PageView.h"
#include "pages/WheelSelector.h"
#include "shell/MainDialog.h"

namespace rw {
namespace {

using page_test::Find;
using page_test::TypeOver;

std::string Car(float cgZ, const char* zs[4], const char* xs[4]) {
    std::string text =
        "car\n{\n   wheels=4\n   cg\n   {\n      z=" + std::to_string(cgZ) + "\n   }\n}\n";
    for (int i = 0; i < 4; ++i) {
        text += "susp" + std::to_string(i) + "\n{\n   x=" + xs[i] + "\n   z=" + zs[i] + "\n}\n";
    }
    return text;
}

class CalculationsPageTest : public ::testing::Test {
protected:
    CalculationsPageTest() : window(dialogs) {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    void Load(const std::string& text) {
        const std::string path = dir.filePath("car.ini").toStdString();
        std::ofstream(path, std::ios::binary) << text;
        window.LoadAtStart(path);
    }
    QTabBar* Tabs() { return Find<QTabBar>(window, "pageTabBar"); }
    // A click on a Physics tab, as the user selects it.
    PageView* SelectTab(PageSlot slot) {
        QTest::mouseClick(Find<QPushButton>(window, "physicsButton"), Qt::LeftButton);
        const std::vector<PageSlot>& shownSlots = window.ShownSlots();
        const auto at = std::find(shownSlots.begin(), shownSlots.end(), slot);
        EXPECT_NE(at, shownSlots.end());
        const int index = static_cast<int>(at - shownSlots.begin());
        QTest::mouseClick(Tabs(), Qt::LeftButton, {}, Tabs()->tabRect(index).center());
        EXPECT_EQ(Tabs()->currentIndex(), index);
        return window.View(slot);
    }
    QString Figure(const char* name) {
        return Find<QLabel>(*window.View(PageSlot::Calculations), name)->text();
    }
    QStringList Figures() {
        return {Figure("frontWeightDistributionValue"), Figure("wheelbaseValue"),
                Figure("frontTrackValue"), Figure("rearTrackValue")};
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainDialog window;
};

const char* kZ[4] = {"1.2", "1.2", "-1.4", "-1.4"};
const char* kX[4] = {"-0.75", "0.75", "-0.7", "0.7"};

TEST_F(CalculationsPageTest, LabelsAndEmptyUntilFirstSelected) {
    PageView* page = window.View(PageSlot::Calculations);
    ASSERT_NE(page, nullptr);
    const std::pair<const char*, const char*> labels[] = {
        {"frontWeightDistributionLabel", "Front Weight Distribution:"},
        {"wheelbaseLabel", "Wheelbase:"},
        {"frontTrackLabel", "Track Width (Front):"},
        {"rearTrackLabel", "Track Width (Rear):"},
    };
    for (const auto& [name, text] : labels) {
        EXPECT_EQ(Find<QLabel>(*page, name)->text(), text) << name;
    }
    EXPECT_EQ(Find<QGroupBox>(*page, "calculatedInformationGroup")->title(),
              "Calculated Information");

    Load(Car(0.0f, kZ, kX));
    EXPECT_EQ(Figures(), (QStringList{"", "", "", ""}));
    PageView* selected = SelectTab(PageSlot::Calculations);
    EXPECT_EQ(window.ShownPage(), selected);
    EXPECT_EQ(Figures(), (QStringList{"53.85 %", "2.600 m", "1.500 m", "1.400 m"}));
}

TEST_F(CalculationsPageTest, EachSelectionRecalculatesFromTheFileJustLoaded) {
    Load(Car(0.0f, kZ, kX));
    SelectTab(PageSlot::Calculations);
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "53.85 %");
    // Between two selections the figures stay as they were.
    Load(Car(0.1f, kZ, kX));
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "53.85 %");
    SelectTab(PageSlot::Suspension);
    SelectTab(PageSlot::Calculations);
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "57.69 %");
}

TEST_F(CalculationsPageTest, TypedValuesOnBodyAndSuspensionCountWithoutASave) {
    Load(Car(0.0f, kZ, kX));
    PageView* body = SelectTab(PageSlot::Body);
    ASSERT_NE(body, nullptr);
    TypeOver(Find<QLineEdit>(*body, "cgZEdit"), "0.1");
    SelectTab(PageSlot::Calculations);
    EXPECT_EQ(Figure("frontWeightDistributionValue"), "57.69 %");

    // Both rear suspensions moved to z 0.2 count as behind the origin.
    PageView* suspension = SelectTab(PageSlot::Suspension);
    auto* selector = Find<WheelSelector>(*suspension, "wheelSelector");
    QTest::mouseClick(selector->Button(2), Qt::LeftButton);
    QTest::mouseClick(selector->Button(3), Qt::LeftButton);
    TypeOver(Find<QLineEdit>(*suspension, "zEdit"), "0.2");
    SelectTab(PageSlot::Calculations);
    EXPECT_EQ(Figure("wheelbaseValue"), "1.400 m");
    EXPECT_TRUE(dialogs.messages.empty());
}

}  // namespace
}  // namespace rw
