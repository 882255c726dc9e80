#include "tree/KeyList.h"

#include <string>
#include <unordered_set>
#include <vector>

namespace rw {

namespace {

// A block being listed: its items are its own children, then, once those
// are done, the children it takes by inheritance.
struct Frame {
    const TreeNode* block;
    std::string prefix;  // the block's path and a dot; empty for the root
    std::string_view from;
    std::vector<const TreeNode*> items;
    std::vector<std::string_view> itemFrom;
    std::size_t next = 0;
    bool expanded = false;
    std::string comment;
};

Frame Open(const TreeNode* block, std::string prefix, std::string_view from) {
    Frame frame{block, std::move(prefix), from, {}, {}, 0, false, {}};
    for (const NodePtr& child : block->children) {
        frame.items.push_back(child.get());
        frame.itemFrom.push_back(from);
    }
    return frame;
}

// Adds the children of the blocks `frame.block` inherits from that it does
// not have itself, nearest reference first.
void Expand(const ConfigTree& tree, Frame& frame) {
    frame.expanded = true;
    std::unordered_set<std::string_view> named;
    for (const TreeNode* item : frame.items) {
        named.insert(item->name);
    }
    std::unordered_set<const TreeNode*> seen{frame.block};
    std::size_t bytes = 0;
    const TreeNode* at = frame.block;
    for (int hop = 0; hop < kMaxInheritHops && at->kind == NodeKind::InheritBlock; ++hop) {
        bytes += at->value.size();
        const TreeNode* target = bytes <= kMaxInheritBytes ? tree.Find(at->value) : nullptr;
        if (target == nullptr || !seen.insert(target).second) {
            return;
        }
        for (const NodePtr& child : target->children) {
            if (child->kind == NodeKind::Comment || named.insert(child->name).second) {
                frame.items.push_back(child.get());
                frame.itemFrom.push_back(at->value);
            }
        }
        at = target;
    }
}

}  // namespace

void ListKeys(const ConfigTree& tree, bool inherit,
              const std::function<void(const ListedKey&)>& visit) {
    if (!tree.isRead || tree.root == nullptr) {
        return;
    }
    std::vector<Frame> stack;
    stack.push_back(Open(tree.root.get(), std::string(), {}));
    std::string path;
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.items.size()) {
            if (inherit && !frame.expanded && frame.block->kind == NodeKind::InheritBlock) {
                Expand(tree, frame);
                continue;
            }
            stack.pop_back();
            continue;
        }
        const TreeNode* node = frame.items[frame.next];
        const std::string_view from = frame.itemFrom[frame.next];
        ++frame.next;
        if (node->kind == NodeKind::Comment) {
            std::string_view text = node->value;
            text.remove_prefix(!text.empty() && text.front() == ';' ? 1 : 0);
            frame.comment += (frame.comment.empty() ? "" : "\n") + std::string(text);
            continue;
        }
        std::string comment = std::move(frame.comment);
        frame.comment.clear();
        if (node->kind == NodeKind::BlankLine || node->kind == NodeKind::LoneName) {
            continue;
        }
        path = frame.prefix;
        path += node->name;
        if (node->kind == NodeKind::Value ||
            (node->kind == NodeKind::Block && !node->value.empty())) {
            visit(ListedKey{path, node->value, comment, from});
        }
        if (node->kind != NodeKind::Value) {
            // `frame` is not used after this: the push may move it.
            stack.push_back(Open(node, path + ".", from));
        }
    }
}

}  // namespace rw
