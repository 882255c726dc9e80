#pragma once

#include <type_traits>

#include "tree/ChildList.h"
#include "tree/NodeKind.h"
#include "tree/NodeText.h"

namespace rw {

// One line of a car file. The tree's arena owns every node, so freeing a tree
// visits no node and any nesting depth costs nothing to free; a node is made
// by the tree only (NodeArena::MakeNode), never copied.
class TreeNode {
public:
    TreeNode() = default;
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;

    TreeNode* parent = nullptr;
    NodeKind kind = NodeKind::Value;
    // An inheritance line read without a "{" line after it is written back
    // as the lone line it was, until it gets children.
    bool unbraced = false;
    NodeText name;
    NodeText value;
    ChildList children;
};

static_assert(sizeof(TreeNode) <= 64, "a node per line; the flag fits beside the kind");
static_assert(std::is_trivially_destructible_v<TreeNode>, "the arena frees nodes unvisited");

}  // namespace rw
