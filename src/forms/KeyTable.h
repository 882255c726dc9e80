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
// block, where there is one) and the member that shows it.
template <typename Values>
struct Key {
    const char* path;
    KeyMember<Values> member;

    constexpr KeyKind Kind() const { return static_cast<KeyKind>(member.index()); }
};

// A form's keys in the order in which they are stored. Filling reads them in
// the same order; reading has no effect on the file.
template <typename Values>
using KeyTable = std::span<const Key<Values>>;

// The prefix of the keys of a numbered block: ("wheel", 2) gives "wheel2.".
std::string NumberedPrefix(std::string_view block, std::int64_t index);

namespace detail {

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

// Reads every key that the tree has into its member; a missing key leaves
// its member as it was.
template <typename Values>
void FillKeys(const ConfigTree& tree, KeyTable<Values> keys, Values& values,
              std::string_view prefix = {}) {
    std::string path(prefix);
    for (const Key<Values>& key : keys) {
        path.resize(prefix.size());
        path += key.path;
        std::visit([&](auto member) { detail::Get(tree, path, values.*member); }, key.member);
    }
}

template <typename Values>
void StoreKeys(ConfigTree& tree, KeyTable<Values> keys, const Values& values,
               std::string_view prefix = {}) {
    std::string path(prefix);
    for (const Key<Values>& key : keys) {
        path.resize(prefix.size());
        path += key.path;
        std::visit([&](auto member) { detail::Set(tree, path, values.*member); }, key.member);
    }
}

}  // namespace rw
