#include "tree/ConfigTree.h"

#include "tree/Numbers.h"

namespace rw {

namespace {

// A new last child whose name is copied into the arena.
TreeNode* AppendChild(NodeArena& arena, TreeNode* parent, NodeKind kind, std::string_view name) {
    TreeNode* node = arena.MakeNode(kind, arena.Copy(name), NodeText());
    node->parent = parent;
    parent->children.Append(arena, node);
    return node;
}

}  // namespace

TreeNode* ConfigTree::Lookup(std::string_view fullPath, bool inherit) const {
    if (!isRead || root == nullptr) {
        return nullptr;
    }
    std::string redirected;
    std::string_view path = fullPath;
    int hops = 0;
    std::size_t bytesWalked = fullPath.size();
    const TreeNode* current = root;
    std::size_t position = 0;
    for (;;) {
        std::size_t dot = path.find('.', position);
        bool last = dot == std::string_view::npos;
        std::string_view head =
            path.substr(position, last ? std::string_view::npos : dot - position);
        if (const TreeNode* child = current->children.Find(arena, head)) {
            if (last) {
                return const_cast<TreeNode*>(child);
            }
            current = child;
            position = dot + 1;
            continue;
        }
        if (current->kind != NodeKind::InheritBlock || !inherit) {
            return nullptr;
        }
        if (++hops > kMaxInheritHops) {
            return nullptr;
        }
        // The reference names its target from the root; the missing part of
        // the path is looked up below it.
        std::string_view rest = last ? std::string_view() : path.substr(dot + 1);
        std::size_t nextSize =
            current->value.size() + 1 + head.size() + (rest.empty() ? 0 : rest.size() + 1);
        bytesWalked += nextSize;
        if (bytesWalked > kMaxInheritBytes) {
            return nullptr;
        }
        std::string next;
        next.reserve(nextSize);
        next += current->value;
        next += '.';
        next += head;
        if (!rest.empty()) {
            next += '.';
            next += rest;
        }
        redirected = std::move(next);
        path = redirected;
        current = root;
        position = 0;
    }
}

const TreeNode* ConfigTree::Find(std::string_view path) const {
    return Lookup(path, followInherit);
}

TreeNode* ConfigTree::Find(std::string_view path) {
    return Lookup(path, followInherit);
}

TreeNode* ConfigTree::Create(std::string_view path) {
    if (root == nullptr) {
        NewRoot();
    }
    TreeNode* parent = root;
    std::size_t position = 0;
    for (;;) {
        std::size_t dot = path.find('.', position);
        std::string_view component = path.substr(
            position, dot == std::string_view::npos ? std::string_view::npos : dot - position);
        if (dot == std::string_view::npos) {
            if (component.empty()) {
                parent->kind = NodeKind::Block;
                return parent;
            }
            return AppendChild(arena, parent, NodeKind::Value, component);
        }
        TreeNode* next = parent->children.Find(arena, component);
        if (next == nullptr) {
            if (component.empty()) {
                parent->kind = NodeKind::Block;
                return parent;
            }
            next = AppendChild(arena, parent, NodeKind::Block, component);
        } else if (next->kind == NodeKind::Value || next->kind == NodeKind::LoneName) {
            // The writer puts out children of blocks only; as a block (name
            // and value kept) the node keeps the key that is added below it.
            next->kind = NodeKind::Block;
        }
        parent = next;
        position = dot + 1;
    }
}

bool ConfigTree::GetString(std::string_view path, std::string& out) const {
    const TreeNode* node = Find(path);
    out = node != nullptr ? node->value : std::string();
    return node != nullptr;
}

bool ConfigTree::GetInt(std::string_view path, std::int32_t& out) const {
    const TreeNode* node = Find(path);
    out = node != nullptr ? ParseInt(node->value) : 0;
    return node != nullptr;
}

bool ConfigTree::GetFloat(std::string_view path, float& out) const {
    const TreeNode* node = Find(path);
    out = node != nullptr ? ParseFloat(node->value) : 0.0f;
    return node != nullptr;
}

bool ConfigTree::GetBool(std::string_view path, bool& out) const {
    const TreeNode* node = Find(path);
    out = node != nullptr && node->value == "1";
    return node != nullptr;
}

// Setters never follow inheritance: setting a key that only a referenced
// block holds makes an override in the inheriting block.
TreeNode* ConfigTree::SetterNode(std::string_view path) {
    followInherit = false;
    TreeNode* node = Find(path);
    if (node == nullptr) {
        node = Create(path);
    }
    followInherit = true;
    return node;
}

// The editor stores every field on each save; a text that did not change is
// not copied again, so the arena grows with the edits only.
//
// A bare name line reads as `bare` (empty, or zero for a number) and is
// written as the name alone: set to anything else it becomes a value line, or
// the value would be lost in the save; an unedited one stays as the file has
// it.
void ConfigTree::SetValue(std::string_view path, std::string_view text, std::string_view bare) {
    if (recordSets != nullptr) {
        // The lengths keep ("ab", "c") apart from ("a", "bc").
        const std::uint64_t sizes[] = {path.size(), text.size()};
        recordSets->Add(std::string_view(reinterpret_cast<const char*>(sizes), sizeof sizes));
        recordSets->Add(path);
        recordSets->Add(text);
        return;
    }
    TreeNode* node = SetterNode(path);
    if (node->kind == NodeKind::LoneName && text != bare) {
        node->kind = NodeKind::Value;
    }
    if (node->value != text) {
        node->value = arena.Copy(text);
    }
}

void ConfigTree::SetString(std::string_view path, std::string_view text) {
    SetValue(path, text, {});
}

void ConfigTree::SetInt(std::string_view path, std::int32_t number) {
    SetValue(path, FormatInt(number), "0");
}

void ConfigTree::SetFloat(std::string_view path, float number) {
    SetValue(path, FormatFloat(number), "0");
}

void ConfigTree::SetBool(std::string_view path, bool flag) {
    SetValue(path, flag ? "1" : "0", "0");
}

void ConfigTree::AddCommentBefore(std::string_view path, std::string_view text) {
    TreeNode* node = Find(path);
    if (node == nullptr || node->parent == nullptr) {
        return;
    }
    TreeNode* parent = node->parent;
    std::string value = ";";
    value += text;
    TreeNode* comment = arena.MakeNode(NodeKind::Comment, NodeText(), arena.Copy(value));
    comment->parent = parent;
    parent->children.Insert(arena, parent->children.IndexOf(node), comment);
}

}  // namespace rw
