#include "forms/NumberedKeys.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "tree/Numbers.h"

namespace rw {

namespace {

// The number of a name that is the stem and a number written as the forms
// write it (no sign, no leading zero), if it is one.
std::optional<std::int32_t> NumberOf(std::string_view name, std::string_view stem) {
    if (name.size() <= stem.size() || name.substr(0, stem.size()) != stem) {
        return std::nullopt;
    }
    const std::string_view digits = name.substr(stem.size());
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const std::optional<std::int32_t> number = ParseIntStrict(digits);
    if (!number || FormatInt(*number) != digits) {
        return std::nullopt;
    }
    return number;
}

}  // namespace

std::vector<std::int32_t> NumberedIndices(const ConfigTree& tree, std::string_view blockPath,
                                          std::string_view stem) {
    std::vector<std::int32_t> numbers;
    std::unordered_set<const TreeNode*> seen;
    const TreeNode* node = tree.Find(blockPath);
    for (int hop = 0; node != nullptr && hop < kMaxInheritHops && seen.insert(node).second; ++hop) {
        for (const auto& child : node->children) {
            if (const std::optional<std::int32_t> number = NumberOf(child->name, stem)) {
                numbers.push_back(*number);
            }
        }
        if (node->kind != NodeKind::InheritBlock) {
            break;
        }
        node = tree.Find(std::string_view(node->value));
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    return numbers;
}

}  // namespace rw
