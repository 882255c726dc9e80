#include "tree/NodeArena.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <new>

#include "tree/TreeNode.h"

namespace rw {

namespace {

// Chunks double up to this size, so a small tree stays small and a big one
// needs few chunks.
constexpr std::size_t kLargestChunk = std::size_t{8} << 20;
// Large chunks sit on huge-page boundaries and ask for huge pages: a big file
// then costs a few hundred page faults instead of tens of thousands.
constexpr std::size_t kHugePage = std::size_t{2} << 20;

// Rounds `bytes` up to what it allocates.
std::byte* NewChunk(std::size_t& bytes) {
    const bool huge = bytes >= kHugePage;
    if (huge) {
        bytes = (bytes + kHugePage - 1) / kHugePage * kHugePage;
    }
    void* chunk = std::aligned_alloc(huge ? kHugePage : alignof(std::max_align_t), bytes);
    if (chunk == nullptr) {
        throw std::bad_alloc();
    }
#ifdef MADV_HUGEPAGE
    if (huge) {
        ::madvise(chunk, bytes, MADV_HUGEPAGE);  // only advice; failing is harmless
    }
#endif
    return static_cast<std::byte*>(chunk);
}

}  // namespace

void NodeArena::Free::operator()(std::byte* chunk) const {
    std::free(chunk);
}

void* NodeArena::Bytes(std::size_t size, std::size_t alignment) {
    std::size_t padding =
        (alignment - reinterpret_cast<std::uintptr_t>(next) % alignment) % alignment;
    if (next == nullptr || padding + size > left) {
        // A request larger than a chunk gets a chunk of its own.
        std::size_t bytes = std::max(chunkSize, size + alignof(std::max_align_t));
        bytes = (bytes + alignof(std::max_align_t) - 1) / alignof(std::max_align_t) *
                alignof(std::max_align_t);
        chunks.emplace_back(NewChunk(bytes));
        next = chunks.back().get();
        left = bytes;
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
