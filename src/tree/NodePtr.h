#pragma once

namespace rw {

class TreeNode;

// A plain pointer to a node, as a tree's root and children hand them out. It
// owns nothing: the tree's arena owns every node.
class NodePtr {
public:
    constexpr NodePtr(TreeNode* node = nullptr) : node(node) {}

    TreeNode* get() const { return node; }
    TreeNode* operator->() const { return node; }
    TreeNode& operator*() const { return *node; }
    operator TreeNode*() const { return node; }

private:
    TreeNode* node;
};

}  // namespace rw
