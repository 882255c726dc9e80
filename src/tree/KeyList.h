#pragma once

#include <functional>
#include <string_view>

#include "tree/ConfigTree.h"

namespace rw {

// One key as a listing shows it: its dotted path from the root, its value,
// the comment lines just above it (joined by line breaks, without ";") and,
// for a key an inheriting block takes from another, that block's path.
struct ListedKey {
    std::string_view path;
    std::string_view value;
    std::string_view comment;
    std::string_view inheritedFrom;
};

// Every key of the tree that holds a value, in file order. With `inherit`,
// the keys of an inheriting block are followed by those it takes from its
// reference (and the reference's reference), as lookups read them, each
// marked with where it comes from; the same bounds as a lookup's apply. No
// recursion, so any nesting depth lists.
void ListKeys(const ConfigTree& tree, bool inherit,
              const std::function<void(const ListedKey&)>& visit);

}  // namespace rw
