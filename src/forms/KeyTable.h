#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>

#include "tree/ConfigTree.h"

namespace rw {

enum class KeyKind { Integer, Real, Text, Flag };

// The member a key's value lives in; its type is the key's kind, in the
// order of KeyKind.
template <typename Values>
using KeyMember =
    std::variant<std::int32_t Values::*, float Values::*, std::string Values::*, bool Values::*>;

// One tree key of a form: its dotted path (below the prefix of a numbered
// block, where there is one), the member that shows it and its unit.
template <typename Values>
struct Key {
    constexpr Key(const char* path, KeyMember<Values> member, const char* unit = nullptr)
        : path(path), member(member), unit(unit) {}

    const char* path;
    KeyMember<Values> member;
    // The unit the value is in, where the car format states one ("kg"); the
    // field's tip names it, the field itself does not.
    const char* unit;

    constexpr KeyKind Kind() const { return static_cast<KeyKind>(member.index()); }
};

// A form's keys in the order in which they are stored. Filling reads them in
// the same order; reading has no effect on the file.
template <typename Values>
using KeyTable = std::span<const Key<Values>>;

// The prefix of the keys of a numbered block: ("wheel", 2) gives "wheel2.".
std::string NumberedPrefix(std::string_view block, std::int64_t index);

namespace detail {

// A member is never larger than its class. Leaving out the kinds a small
// class cannot hold spares the compiler paths that no row takes (and its
// false warnings about them).
template <typename Values, typename Member>
inline constexpr bool CanBeMemberOf = false;
template <typename Values, typename Item>
inline constexpr bool CanBeMemberOf<Values, Item Values::*> = sizeof(Item) <= sizeof(Values);

inline void Get(const ConfigTree& tree, std::string_view path, std::int32_t& out) {
    tree.GetInt(path, out);
}
inline void Get(const ConfigTree& tree, std::string_view path, float& out) {
    tree.GetFloat(path, out);
}
inline void Get(const ConfigTree& tree, std::string_view path, std::string& out) {
    tree.GetString(path, out);
}
inline void Get(const ConfigTree& tree, std::string_view path, bool& out) {
    tree.GetBool(path, out);
}
inline void Set(ConfigTree& tree, std::string_view path, std::int32_t value) {
    tree.SetInt(path, value);
}
inline void Set(ConfigTree& tree, std::string_view path, float value) {
    tree.SetFloat(path, value);
}
inline void Set(ConfigTree& tree, std::string_view path, const std::string& value) {
    tree.SetString(path, value);
}
inline void Set(ConfigTree& tree, std::string_view path, bool value) {
    tree.SetBool(path, value);
}

}  // namespace detail

// Reads a key, if the tree has it, into its member; a missing key leaves the
// member as it was.
// Not inlined: GCC's flow analysis would otherwise follow the kinds a row
// does not have into the caller's locals and warn about them.
template <typename Values>
[[gnu::noinline]] void FillKey(const ConfigTree& tree, const Key<Values>& key, Values& values,
                               std::string_view prefix = {}) {
    const std::string path = std::string(prefix) + key.path;
    std::visit(
        [&](auto member) {
            if constexpr (detail::CanBeMemberOf<Values, decltype(member)>) {
                detail::Get(tree, path, values.*member);
            }
        },
        key.member);
}

template <typename Values>
[[gnu::noinline]] void StoreKey(ConfigTree& tree, const Key<Values>& key, const Values& values,
                                std::string_view prefix = {}) {
    const std::string path = std::string(prefix) + key.path;
    std::visit(
        [&](auto member) {
            if constexpr (detail::CanBeMemberOf<Values, decltype(member)>) {
                detail::Set(tree, path, values.*member);
            }
        },
        key.member);
}

template <typename Values>
void FillKeys(const ConfigTree& tree, KeyTable<Values> keys, Values& values,
              std::string_view prefix = {}) {
    for (const Key<Values>& key : keys) {
        FillKey(tree, key, values, prefix);
    }
}

template <typename Values>
void StoreKeys(ConfigTree& tree, KeyTable<Values> keys, const Values& values,
               std::string_view prefix = {}) {
    for (const Key<Values>& key : keys) {
        StoreKey(tree, key, values, prefix);
    }
}

}  // namespace rw
