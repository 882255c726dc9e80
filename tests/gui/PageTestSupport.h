#pragma once

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QWidget>
#include <string>
#include <string_view>

#include "ScriptedDialogs.h"
#include "pages/WheelSelector.h"
#include "tree/ConfigTree.h"
#include "tree/Reporter.h"

// Small helpers for the page tests: trees from text, stored values by path,
// and typing the way a user does.
namespace page_test {

class SilentReporter : public rw::Reporter {
public:
    void Show(const rw::Report& /*report*/) override {}
};

inline rw::ConfigTree TreeOf(std::string_view text) {
    rw::ConfigTree tree("test.ini");
    SilentReporter reporter;
    tree.ReadText(text, false, reporter);
    return tree;
}

// The stored text of a key, or "<missing>".
inline std::string ValueAt(const rw::ConfigTree& tree, std::string_view path) {
    std::string value;
    return tree.Find(path) && tree.GetString(path, value) ? value : "<missing>";
}

// Selects the field's text and types over it, one key at a time.
inline void TypeOver(QLineEdit* edit, const char* text) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

template <typename T>
T* Find(const QWidget& root, const char* name) {
    T* child = root.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

// Clicks one button of the page's wheel selector, as a user does.
inline void ClickWheel(const QWidget& page, int wheel) {
    QTest::mouseClick(Find<rw::WheelSelector>(page, "wheelSelector")->Button(wheel),
                      Qt::LeftButton);
}

// A page over a form of its own, shown, with scripted dialogs.
template <typename Page, typename Form>
class PageFixture : public ::testing::Test {
protected:
    void SetUp() override { page.show(); }

    QLineEdit* Edit(const char* name) { return Find<QLineEdit>(page, name); }
    QCheckBox* Check(const char* name) { return Find<QCheckBox>(page, name); }
    QRadioButton* Radio(const char* name) { return Find<QRadioButton>(page, name); }

    // What the page stores into an empty tree.
    rw::ConfigTree Stored() {
        rw::ConfigTree tree = TreeOf("");
        page.StoreToTree(tree);
        return tree;
    }

    ScriptedDialogs dialogs;
    Form form;
    Page page{form, dialogs};
};

}  // namespace page_test
