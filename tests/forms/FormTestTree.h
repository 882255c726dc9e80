#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "forms/WheelSelection.h"
#include "tree/TreeTestSupport.h"

// Trees for the form tests, from text or from {path, value} pairs.
namespace rw::test {

using Keys = std::vector<std::pair<std::string, std::string>>;

inline ConfigTree TreeOf(std::string_view text) {
    return std::move(*TreeFromText(text));
}

inline ConfigTree TreeWith(const Keys& keys) {
    ConfigTree tree = TreeOf("");
    for (const auto& [path, value] : keys) {
        tree.SetString(path, value);
    }
    return tree;
}

// The value at the path, or "<missing>".
inline std::string ValueAt(const ConfigTree& tree, std::string_view path) {
    std::string value;
    return tree.GetString(path, value) ? value : "<missing>";
}

// The row of a selection page's field, found by its key below the entry.
template <typename Values>
std::size_t FieldIndex(SelectionFields<Values> fields, std::string_view key) {
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (key == fields[i].key.path) {
            return i;
        }
    }
    ADD_FAILURE() << key;
    return 0;
}

}  // namespace rw::test
