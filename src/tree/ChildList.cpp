#include "tree/ChildList.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <new>

#include "tree/NodeArena.h"
#include "tree/TreeNode.h"

namespace rw {

// Open addressing with linear probing; at most half of the slots are used.
// Until the table is built (`slots` null) it counts the list's plain searches.
struct NameIndex {
    TreeNode** slots;
    std::size_t mask;
    std::size_t used;
    std::size_t searches;
};

namespace {

// Below this many children a plain search is as fast as hashing.
constexpr std::size_t kIndexedFrom = 32;
// A large list is searched plainly this often before it builds its table:
// hashing every name costs several plain searches, and a program that looks
// up one key (the command line's `get`) never needs the table.
constexpr std::size_t kPlainSearches = 4;

// The slot that holds the node of that name, or the empty slot where it goes.
TreeNode** Slot(const NameIndex& index, std::string_view name) {
    for (std::size_t i = std::hash<std::string_view>{}(name)&index.mask;;
         i = (i + 1) & index.mask) {
        TreeNode* node = index.slots[i];
        if (node == nullptr || node->name == name) {
            return &index.slots[i];
        }
    }
}

bool IsFull(const NameIndex& index) {
    return (index.used + 1) * 2 > index.mask + 1;
}

}  // namespace

// Each array has one slot before its first item for the list's index, so that
// nodes carry no index pointer of their own.
void ChildList::NewArray(NodeArena& arena, std::size_t size) {
    static_assert(sizeof(NodePtr) == sizeof(NameIndex*) && alignof(NodePtr) == alignof(NameIndex*));
    NameIndex** slots = arena.Allocate<NameIndex*>(size + 1);
    slots[0] = nullptr;
    items = reinterpret_cast<NodePtr*>(slots + 1);
    capacity = static_cast<std::uint32_t>(size);
}

void ChildList::Index(NodeArena& arena) const {
    std::size_t size = 2 * kIndexedFrom;
    while (size < std::size_t{count} * 2 + 2) {
        size *= 2;
    }
    NameIndex& index = Counter(arena);
    index.slots = arena.Allocate<TreeNode*>(size);
    index.mask = size - 1;
    index.used = 0;
    std::fill_n(index.slots, size, nullptr);
    for (const NodePtr& child : *this) {
        TreeNode** slot = Slot(index, child->name);
        if (*slot == nullptr) {
            *slot = child;
            ++index.used;
        }
    }
}

NameIndex& ChildList::Counter(NodeArena& arena) const {
    NameIndex*& index = IndexSlot();
    if (index == nullptr) {
        index = new (arena.Allocate<NameIndex>(1)) NameIndex{nullptr, 0, 0, 0};
    }
    return *index;
}

TreeNode* ChildList::Find(NodeArena& arena, std::string_view name) const {
    if (count >= kIndexedFrom) {
        NameIndex& index = Counter(arena);
        if (index.slots == nullptr && ++index.searches > kPlainSearches) {
            Index(arena);
        }
        if (index.slots != nullptr) {
            return *Slot(index, name);
        }
    }
    for (const NodePtr& child : *this) {
        if (child->name == name) {
            return child;
        }
    }
    return nullptr;
}

std::size_t ChildList::IndexOf(const TreeNode* child) const {
    return static_cast<std::size_t>(std::find(begin(), end(), child) - begin());
}

void ChildList::Reserve(NodeArena& arena, std::size_t wanted) {
    if (wanted <= capacity) {
        return;
    }
    // The old array stays in the arena; doubling keeps that waste below the
    // size of the list.
    NameIndex* index = items != nullptr ? IndexSlot() : nullptr;
    const NodePtr* old = items;
    NewArray(arena, std::max({wanted, std::size_t{capacity} * 2, std::size_t{4}}));
    std::copy(old, old + count, items);
    IndexSlot() = index;
}

void ChildList::Append(NodeArena& arena, TreeNode* child) {
    Insert(arena, count, child);
}

void ChildList::Insert(NodeArena& arena, std::size_t position, TreeNode* child) {
    Reserve(arena, count + 1);
    std::copy_backward(items + position, items + count, items + count + 1);
    items[position] = child;
    ++count;
    NameIndex* index = IndexSlot();
    if (index == nullptr || index->slots == nullptr) {
        return;
    }
    if (IsFull(*index)) {
        Index(arena);
        return;
    }
    // The new child becomes the first of its name unless one stands before
    // it, as one always does when it is appended last.
    TreeNode** slot = Slot(*index, child->name);
    if (*slot == nullptr) {
        *slot = child;
        ++index->used;
    } else if (position + 1 < count &&
               std::find(items, items + position, *slot) == items + position) {
        *slot = child;
    }
}

void ChildList::Assign(NodeArena& arena, TreeNode* const* children, std::size_t size) {
    if (size == 0) {
        return;
    }
    NewArray(arena, size);
    std::copy(children, children + size, items);
    count = static_cast<std::uint32_t>(size);
}

}  // namespace rw
