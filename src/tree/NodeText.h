#pragma once

#include <string>
#include <string_view>

namespace rw {

// A node's name or value. It views bytes that the tree owns (the file it was
// read from, or the tree's arena for texts made or changed later), so nothing
// is copied that nobody changes. It reads like a std::string_view; only the
// tree points it at new bytes.
class NodeText : public std::string_view {
public:
    constexpr NodeText() = default;
    // The bytes must live as long as the tree that holds the node.
    constexpr explicit NodeText(std::string_view bytes) : std::string_view(bytes) {}

    operator std::string() const { return std::string(data(), size()); }
};

inline std::string operator+(std::string left, NodeText right) {
    left.append(right);
    return left;
}

inline std::string operator+(NodeText left, std::string_view right) {
    std::string out(left);
    out.append(right);
    return out;
}

inline std::string operator+(NodeText left, const char* right) {
    return left + std::string_view(right);
}

inline std::string operator+(const char* left, NodeText right) {
    return std::string(left) + right;
}

}  // namespace rw
