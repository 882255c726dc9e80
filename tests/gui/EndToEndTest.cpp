#include <gtest/gtest.h>

#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <string>
#include <vector>

#include "PageTestSupport.h"
#include "ScriptedDialogs.h"
#include "shell/PageRegistry.h"
#include "widgets/PageView.h"
#include "shell/MainDialog.h"
#include "tree/ConfigTree.h"

namespace rw {
namespace {

// Every value of a tree by its dotted path, walked without recursion.
std::map<std::string, std::string> ValuesByPath(const ConfigTree& tree) {
    std::map<std::string, std::string> values;
    struct Frame {
        const TreeNode* node;
        std::string prefix;
    };
    std::vector<Frame> stack{{tree.root.get(), ""}};
    while (!stack.empty()) {
        Frame frame = std::move(stack.back());
        stack.pop_back();
        for (const auto& child : frame.node->children) {
            std::string path = frame.prefix + child->name;
            if (child->kind == NodeKind::Value) {
                values.emplace(path, child->value);
            } else if (child->kind == NodeKind::Block || child->kind == NodeKind::InheritBlock) {
                stack.push_back({child.get(), path + "."});
            }
        }
    }
    return values;
}

ConfigTree ReadTree(const std::string& path) {
    ConfigTree tree(path);
    page_test::SilentReporter reporter;
    EXPECT_EQ(tree.Read(false, reporter), ReadResult::Success);
    return tree;
}

class EndToEndTest : public ::testing::Test {
protected:
    // Shows a page the way a user gets there: its category, then its tab.
    PageView& Show(PageSlot slot) {
        const char* category = CategoryOf(slot) == PageCategory::Info      ? "infoButton"
                               : CategoryOf(slot) == PageCategory::Physics ? "physicsButton"
                                                                           : "presentationButton";
        QTest::mouseClick(window.findChild<QPushButton*>(category), Qt::LeftButton);
        auto* tabs = window.findChild<QTabBar*>("pageTabBar");
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == QString::fromLatin1(PageTabLabel(slot))) {
                tabs->setCurrentIndex(i);
            }
        }
        PageView* view = window.View(slot);
        EXPECT_TRUE(view->isVisible()) << PageTabLabel(slot);
        return *view;
    }

    void TypeInto(PageSlot slot, const char* field, const char* text) {
        page_test::TypeOver(page_test::Find<QLineEdit>(Show(slot), field), text);
    }

    void Click(PageView& page, const char* button) {
        QTest::mouseClick(page_test::Find<QAbstractButton>(page, button), Qt::LeftButton);
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainDialog window{dialogs};
};

// One value changed on every page through its widgets reaches exactly its key;
// every other value of the file is written back as it was.
TEST_F(EndToEndTest, OneEditPerPageReachesItsKeyAndNothingElseChanges) {
    const std::string sample = std::string(RIGWRIGHT_SOURCE_DIR) + "/examples/sample-car.ini";
    window.show();
    window.LoadAtStart(sample);
    ASSERT_TRUE(dialogs.messages.empty());

    TypeInto(PageSlot::General, "nameEdit", "Kestrel GTS");
    TypeInto(PageSlot::Body, "massEdit", "1010.5");
    TypeInto(PageSlot::Engine, "maxRpmEdit", "7600");
    TypeInto(PageSlot::Gearbox, "ratio1Edit", "3.4");
    TypeInto(PageSlot::Driveline, "ratioEdit", "4.1");
    TypeInto(PageSlot::Misc, "lockEdit", "480");

    PageView& wheels = Show(PageSlot::Wheels);
    Click(wheels, "leftFrontButton");
    page_test::TypeOver(page_test::Find<QLineEdit>(wheels, "camberEdit"), "-2.25");

    PageView& suspension = Show(PageSlot::Suspension);
    Click(suspension, "rightRearButton");
    page_test::TypeOver(page_test::Find<QLineEdit>(suspension, "kEdit"), "47000");

    PageView& aero = Show(PageSlot::Aero);
    auto* wingList = page_test::Find<QListWidget>(aero, "wingList");
    wingList->item(1)->setSelected(true);
    page_test::TypeOver(page_test::Find<QLineEdit>(aero, "angleEdit"), "14");

    TypeInto(PageSlot::CarModels, "textureEdit", "kestrel_shadow_2.tga");
    TypeInto(PageSlot::WheelModels, "rearRightWheelEdit", "kestrel_wheel_rr.dof");
    TypeInto(PageSlot::OtherModels, "angleEdit", "20");
    TypeInto(PageSlot::Sounds, "sampleRpmEdit", "3200");

    const std::string copy = dir.filePath("edited.ini").toStdString();
    dialogs.files.push_back(copy);
    QTest::mouseClick(window.findChild<QPushButton*>("saveAsButton"), Qt::LeftButton);
    ASSERT_EQ(dialogs.MessageTexts(), std::vector<std::string>{"Saved."});

    const std::map<std::string, std::string> changes = {
        {"car.name", "Kestrel GTS"},
        {"body.mass", "1010.5"},
        {"engine.max_rpm", "7600"},
        {"gearbox.gear1.ratio", "3.4"},
        {"differential.ratio", "4.1"},
        {"steer.lock", "480"},
        {"wheel0.camber", "-2.25"},
        {"susp3.k", "47000"},
        {"aero.wing1.angle", "14"},
        {"car.shadow.texture", "kestrel_shadow_2.tga"},
        {"wheel3.model.file", "kestrel_wheel_rr.dof"},
        {"steer.xa", "20"},
        {"engine.sample_rpm", "3200"},
    };
    std::map<std::string, std::string> expected = ValuesByPath(ReadTree(sample));
    for (const auto& [path, value] : changes) {
        ASSERT_TRUE(expected.count(path)) << path;
        expected[path] = value;
    }
    const std::map<std::string, std::string> written = ValuesByPath(ReadTree(copy));
    for (const auto& [path, value] : expected) {
        auto found = written.find(path);
        ASSERT_NE(found, written.end()) << path;
        EXPECT_EQ(found->second, value) << path;
    }
    EXPECT_EQ(written.size(), expected.size());
}

}  // namespace
}  // namespace rw
