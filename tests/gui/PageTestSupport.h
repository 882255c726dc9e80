#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <fstream>
#include <string>
#include <string_view>
#include <utility>

#include "ScriptedDialogs.h"
#include "shell/MainDialog.h"
#include "tree/ConfigTree.h"
#include "tree/TreeTestSupport.h"
#include "widgets/PageView.h"

// Trees from text, values by path, typing and clicking as a user does, and
// the editor window to do it in.
namespace page_test {

inline rw::ConfigTree TreeOf(std::string_view text) {
    return std::move(*rw::test::TreeFromText(text));
}

// The stored text of a key, or "<missing>".
inline std::string ValueAt(const rw::ConfigTree& tree, std::string_view path) {
    std::string value;
    return tree.Find(path) && tree.GetString(path, value) ? value : "<missing>";
}

template <typename T>
T* Find(const QWidget& root, const char* name) {
    T* child = root.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Selects the field's text and types over it, one key at a time.
inline void TypeOver(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

// A push button with the mouse; a check box or radio button with the space
// bar, since its box may sit anywhere in a stretched row.
inline void Click(const QWidget& root, const char* name) {
    QAbstractButton* button = Find<QAbstractButton>(root, name);
    if (qobject_cast<QPushButton*>(button)) {
        QTest::mouseClick(button, Qt::LeftButton);
        return;
    }
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Space);
}

// The editor window, shown and active, with scripted dialogs and a folder.
class EditorTest : public ::testing::Test {
protected:
    EditorTest() {
        window.show();
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    std::string PathOf(const char* name) const { return dir.filePath(name).toStdString(); }

    // Loads a four-wheeled car with these lines besides.
    void Load(const std::string& text) {
        std::ofstream(PathOf("car.ini"), std::ios::binary) << "car\n{\n   wheels=4\n}\n" << text;
        window.LoadAtStart(PathOf("car.ini"));
        ASSERT_TRUE(dialogs.messages.empty());
    }

    // Shows a page: its category, then a click on its tab.
    rw::PageView& Show(rw::PageId slot) {
        window.SelectCategory(CategoryOf(slot));
        auto* tabs = Find<QTabBar>(window, "pageTabBar");
        for (int i = 0; i < tabs->count(); ++i) {
            if (tabs->tabText(i) == QString::fromLatin1(PageTabLabel(slot))) {
                QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(i).center());
            }
        }
        EXPECT_TRUE(window.View(slot)->isVisible()) << PageTabLabel(slot);
        return *window.View(slot);
    }

    // What a page stores into an empty tree.
    static rw::ConfigTree Stored(rw::PageView& page) {
        rw::ConfigTree tree = TreeOf("");
        page.StoreToTree(tree);
        return tree;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    rw::MainDialog window{dialogs};
};

}  // namespace page_test
