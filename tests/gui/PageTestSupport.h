#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <string>

#include "ScriptedDialogs.h"
#include "shell/MainDialog.h"
#include "tree/TreeTestSupport.h"
#include "widgets/PageView.h"

// Typing, clicking and dropping as a user does, and the editor window to do
// it in.
namespace rw::test {

// A car the save-time checks let through.
inline std::string CleanCar(const std::string& name = "Test", const std::string& maxRpm = "7000") {
    return "car\r\n{\r\n   name=" + name +
           "\r\n   id=test\r\n   version=050b10\r\n   wheels=4\r\n}\r\nengine\r\n{\r\n   max_rpm=" +
           maxRpm +
           "\r\n   idle_rpm=800\r\n   curve_torque=t.crv\r\n}\r\n"
           "differential\r\n{\r\n   ratio=3.5\r\n}\r\n";
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

// Drags the data over the window and drops it there if the window takes it.
inline bool Drop(QWidget& window, QMimeData& data) {
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &enter);
    if (enter.isAccepted()) {
        QDropEvent dropped(QPointF(5, 5), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &dropped);
    }
    return enter.isAccepted();
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
        WriteFile(PathOf("car.ini"), "car\n{\n   wheels=4\n}\n" + text);
        window.LoadAtStart(PathOf("car.ini"));
        ASSERT_TRUE(dialogs.messages.empty());
    }

    // Shows a page: its category, then a click on its tab.
    PageView& Show(PageId slot) {
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
    static ConfigTree Stored(PageView& page) {
        ConfigTree tree = TreeOf("");
        page.StoreToTree(tree);
        return tree;
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    MainDialog window{dialogs};
};

}  // namespace rw::test
