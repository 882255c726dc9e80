#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "tree/NodePtr.h"

namespace rw {

class NodeArena;
struct NameIndex;

// The children of one node, in file order, in an array of the tree's arena.
// A block with many children that is searched more than a few times keeps an
// index by name, so finding a child costs the same in a block of ten keys and
// in one of a million.
class ChildList {
public:
    using const_iterator = const NodePtr*;
    using const_reverse_iterator = std::reverse_iterator<const_iterator>;

    const_iterator begin() const { return items; }
    const_iterator end() const { return items + count; }
    const_reverse_iterator rbegin() const { return const_reverse_iterator(end()); }
    const_reverse_iterator rend() const { return const_reverse_iterator(begin()); }
    std::size_t size() const { return count; }
    bool empty() const { return count == 0; }
    const NodePtr& operator[](std::size_t index) const { return items[index]; }
    const NodePtr& front() const { return items[0]; }
    const NodePtr& back() const { return items[count - 1]; }

    // The first child of that name, or null. A large list builds its index
    // in the arena after a few searches.
    TreeNode* Find(NodeArena& arena, std::string_view name) const;
    // The position of a child, which must be one of these.
    std::size_t IndexOf(const TreeNode* child) const;

    // The tree's own changes; the child's parent is set by the caller.
    void Append(NodeArena& arena, TreeNode* child);
    void Insert(NodeArena& arena, std::size_t index, TreeNode* child);
    // Replaces the (empty) list by these children, in one exact array.
    void Assign(NodeArena& arena, TreeNode* const* children, std::size_t size);

private:
    void Reserve(NodeArena& arena, std::size_t wanted);
    // The list's index, made without a table on the first search.
    NameIndex& Counter(NodeArena& arena) const;
    // Builds or rebuilds the table.
    void Index(NodeArena& arena) const;
    void NewArray(NodeArena& arena, std::size_t size);

    // The slot before the first item holds the list's index, if it has one.
    NameIndex*& IndexSlot() const { return reinterpret_cast<NameIndex**>(items)[-1]; }

    // 32 bits each keep nodes small; a block of four billion lines would
    // need hundreds of gigabytes of nodes before it got here.
    NodePtr* items = nullptr;
    std::uint32_t count = 0;
    std::uint32_t capacity = 0;
};

}  // namespace rw
