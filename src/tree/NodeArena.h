#pragma once

#include <cstddef>
#include <memory>
#include <string_view>
#include <utility>
#include <vector>

#include "tree/LargeBuffer.h"
#include "tree/NodeKind.h"
#include "tree/NodeText.h"

namespace rw {

class TreeNode;

// Owns every node of one tree, the children arrays and the texts set after
// reading, in a few large chunks. Dropping the arena frees the whole tree at
// once, without visiting any node, so any nesting depth costs nothing to free.
class NodeArena {
public:
    NodeArena() = default;
    NodeArena(const NodeArena&) = delete;
    NodeArena& operator=(const NodeArena&) = delete;
    NodeArena(NodeArena&& other) noexcept { *this = std::move(other); }
    NodeArena& operator=(NodeArena&& other) noexcept {
        chunks = std::move(other.chunks);
        next = std::exchange(other.next, nullptr);
        left = std::exchange(other.left, 0);
        chunkSize = std::exchange(other.chunkSize, kFirstChunk);
        return *this;
    }

    // A node with no parent and no children. The texts are kept as views.
    TreeNode* MakeNode(NodeKind kind, NodeText name, NodeText value);
    // A copy of the bytes that lives as long as the arena.
    NodeText Copy(std::string_view text);
    // Room for `count` objects of a type that needs no destructor, not
    // initialised.
    template <typename T>
    T* Allocate(std::size_t count) {
        return static_cast<T*>(Bytes(count * sizeof(T), alignof(T)));
    }

private:
    void* Bytes(std::size_t size, std::size_t alignment);

    std::vector<LargeBuffer> chunks;
    std::byte* next = nullptr;
    std::size_t left = 0;
    static constexpr std::size_t kFirstChunk = std::size_t{16} << 10;
    std::size_t chunkSize = kFirstChunk;
};

}  // namespace rw
