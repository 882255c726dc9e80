#include "tree/TreeNode.h"

#include <utility>

namespace rw {

TreeNode::TreeNode(NodeKind kind, std::string_view name, std::string_view value)
    : kind(kind), name(name), value(value) {}

// Children are detached onto a work list first, so that a chain of a million
// nested blocks is freed in a loop instead of a million nested destructor calls.
TreeNode::~TreeNode() {
    std::vector<std::unique_ptr<TreeNode>> pending = std::move(children);
    while (!pending.empty()) {
        std::unique_ptr<TreeNode> node = std::move(pending.back());
        pending.pop_back();
        for (auto& child : node->children) {
            pending.push_back(std::move(child));
        }
        node->children.clear();
    }
}

TreeNode* TreeNode::Append(std::unique_ptr<TreeNode> child) {
    child->parent = this;
    children.push_back(std::move(child));
    return children.back().get();
}

TreeNode* TreeNode::Insert(std::size_t index, std::unique_ptr<TreeNode> child) {
    child->parent = this;
    auto it =
        children.insert(children.begin() + static_cast<std::ptrdiff_t>(index), std::move(child));
    return it->get();
}

}  // namespace rw
