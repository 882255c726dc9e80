#include "tree/NodeArena.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>

#include "tree/TreeNode.h"

namespace rw {

namespace {

// Chunks double up to this size, so a small tree stays small and a big one
// needs few chunks.
constexpr std::size_t kLargestChunk = std::size_t{8} << 20;

}  // namespace

void* NodeArena::Bytes(std::size_t size, std::size_t alignment) {
    std::size_t padding =
        (alignment - reinterpret_cast<std::uintptr_t>(next) % alignment) % alignment;
    if (next == nullptr || padding + size > left) {
        // A request larger than a chunk gets a chunk of its own.
        chunks.emplace_back(std::max(chunkSize, size + alignof(std::max_align_t)));
        next = chunks.back().data();
        left = chunks.back().size();
        chunkSize = std::min(chunkSize * 2, kLargestChunk);
        padding = (alignment - reinterpret_cast<std::uintptr_t>(next) % alignment) % alignment;
    }
    void* result = next + padding;
    next += padding + size;
    left -= padding + size;
    return result;
}

TreeNode* NodeArena::MakeNode(NodeKind kind, NodeText name, NodeText value) {
    TreeNode* node = new (Allocate<TreeNode>(1)) TreeNode();
    node->kind = kind;
    node->name = name;
    node->value = value;
    return node;
}

NodeText NodeArena::Copy(std::string_view text) {
    if (text.empty()) {
        return NodeText();
    }
    char* bytes = Allocate<char>(text.size());
    std::memcpy(bytes, text.data(), text.size());
    return NodeText(std::string_view(bytes, text.size()));
}

}  // namespace rw
