#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/WheelSelection.h"
#include "tree/ConfigTree.h"
#include "tree/Reporter.h"

// Small trees for the form tests, built through the public setters.
namespace rw::test {

class SilentReporter : public Reporter {
public:
    void Show(const Report&) override {}
};

using Keys = std::vector<std::pair<std::string, std::string>>;

inline std::unique_ptr<ConfigTree> EmptyTree() {
    auto tree = std::make_unique<ConfigTree>(std::string(kUnsavedPath));
    SilentReporter reporter;
    tree->Read(false, reporter);
    return tree;
}

inline std::unique_ptr<ConfigTree> TreeWith(const Keys& keys) {
    auto tree = EmptyTree();
    for (const auto& [path, value] : keys) {
        tree->SetString(path, value);
    }
    return tree;
}

inline std::unique_ptr<ConfigTree> TreeFromText(std::string_view text) {
    auto tree = std::make_unique<ConfigTree>("test.ini");
    SilentReporter reporter;
    tree->ReadText(text, false, reporter);
    return tree;
}

// A tree by value, for tests that keep it on the stack.
inline ConfigTree TreeOf(std::string_view text) {
    return std::move(*TreeFromText(text));
}

// The value at the path, or "<missing>".
inline std::string ValueAt(const ConfigTree& tree, std::string_view path) {
    std::string value;
    return tree.GetString(path, value) ? value : "<missing>";
}

// The dotted paths of all value nodes in file order.
inline std::vector<std::string> StoredPaths(const ConfigTree& tree) {
    std::vector<std::string> paths;
    std::vector<std::pair<const TreeNode*, std::string>> pending;
    for (auto it = tree.root->children.rbegin(); it != tree.root->children.rend(); ++it) {
        pending.emplace_back(it->get(), (*it)->name);
    }
    while (!pending.empty()) {
        auto [node, path] = pending.back();
        pending.pop_back();
        if (node->kind == NodeKind::Value) {
            paths.push_back(path);
        }
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
            pending.emplace_back(it->get(), path + "." + (*it)->name);
        }
    }
    return paths;
}

inline std::vector<std::string> PathsOf(const Keys& keys) {
    std::vector<std::string> paths;
    for (const auto& key : keys) {
        paths.push_back(key.first);
    }
    return paths;
}

// The row of a selection page's field, found by its control's name.
template <typename Values>
std::size_t FieldIndex(SelectionFields<Values> fields, std::string_view widget) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (widget == fields[i].widget) {
            return i;
        }
    }
    ADD_FAILURE() << widget;
    return 0;
}

}  // namespace rw::test
