#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "tree/NodeKind.h"

namespace rw {

// One line of a car file. A node owns its children; the destructor takes
// them apart without recursion, so any nesting depth can be destroyed.
class TreeNode {
public:
    TreeNode() = default;
    TreeNode(NodeKind kind, std::string_view name, std::string_view value);
    ~TreeNode();
    TreeNode(const TreeNode&) = delete;
    TreeNode& operator=(const TreeNode&) = delete;

    // Links a new node at the end of the children and returns it.
    TreeNode* Append(std::unique_ptr<TreeNode> child);
    TreeNode* Insert(std::size_t index, std::unique_ptr<TreeNode> child);

    TreeNode* parent = nullptr;
    NodeKind kind = NodeKind::Value;
    std::string name;
    std::string value;
    std::vector<std::unique_ptr<TreeNode>> children;
};

}  // namespace rw
