#include <functional>

#include "tree/ConfigTree.h"
#include "tree/FileAccess.h"

namespace rw {

namespace {

constexpr std::size_t kIndentStep = 3;
constexpr std::size_t kFlushSize = std::size_t{1} << 20;

// A line break inside a name, value or comment would split it into lines of
// another meaning, so each LF (with a CR right before it) becomes one blank.
void AppendClean(std::string& out, std::string_view text) {
    if (text.find('\n') == std::string_view::npos) {
        out.append(text);
        return;
    }
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out.push_back(' ');
            ++i;
        } else if (c == '\n') {
            out.push_back(' ');
        } else {
            out.push_back(c);
        }
    }
}

// Writes the children of `root` depth first without recursion, handing the
// text to `sink` in pieces of about a megabyte. Stops when the sink fails.
bool WriteTree(const TreeNode& root, const std::function<bool(std::string_view)>& sink) {
    struct Frame {
        const TreeNode* node;
        std::size_t next;
    };
    std::vector<Frame> stack{{&root, 0}};
    std::string indent;
    // Grown as needed, never reserved: most trees are small, and a
    // megabyte taken for each of them costs more than the growing.
    std::string out;
    bool sunk = true;
    // A long clean name or value goes to the sink as it stands: copied into
    // the buffer it would make the buffer grow to twice its size.
    const auto appendClean = [&](std::string_view text) {
        if (text.size() < kFlushSize || text.find('\n') != std::string_view::npos) {
            AppendClean(out, text);
            return;
        }
        sunk = sunk && (out.empty() || sink(out)) && sink(text);
        out.clear();
    };
    while (!stack.empty()) {
        Frame& frame = stack.back();
        if (frame.next == frame.node->children.size()) {
            stack.pop_back();
            if (!stack.empty()) {
                indent.resize(indent.size() - kIndentStep);
                out += indent;
                out += "}\r\n";
            }
        } else {
            const TreeNode& node = *frame.node->children[frame.next++];
            switch (node.kind) {
                case NodeKind::BlankLine:
                    out += "\r\n";
                    break;
                case NodeKind::Comment:
                    out += indent;
                    if (node.value.empty() || node.value.front() != ';') {
                        out += ';';
                    }
                    appendClean(node.value);
                    out += "\r\n";
                    break;
                case NodeKind::LoneName:
                    out += indent;
                    appendClean(node.name);
                    out += "\r\n";
                    break;
                case NodeKind::Value:
                    out += indent;
                    appendClean(node.name);
                    out += '=';
                    appendClean(node.value);
                    out += "\r\n";
                    break;
                case NodeKind::Block:
                case NodeKind::InheritBlock:
                    out += indent;
                    appendClean(node.name);
                    if (node.kind == NodeKind::InheritBlock) {
                        out += '~';
                        appendClean(node.value);
                    } else if (!node.value.empty()) {
                        out += '=';
                        appendClean(node.value);
                    }
                    out += "\r\n";
                    if (node.unbraced && node.children.empty()) {
                        break;
                    }
                    out += indent;
                    out += "{\r\n";
                    indent.append(kIndentStep, ' ');
                    stack.push_back({&node, 0});
                    break;
            }
        }
        if (!sunk) {
            return false;
        }
        if (out.size() >= kFlushSize) {
            if (!sink(out)) {
                return false;
            }
            out.clear();
        }
    }
    return out.empty() || sink(out);
}

}  // namespace

std::error_code ConfigTree::Save(FileStamp* written) const {
    std::error_code textError;
    const std::error_code error = SaveAtomically(
        savePath,
        [this, &textError](const ByteSink& sink) {
            textError = WriteText(sink);
            return !textError;
        },
        written);
    // A text too large is refused before anything is written; say so rather
    // than that the writing stopped.
    return textError == CarFileError::TooLarge ? textError : error;
}

std::error_code ConfigTree::WriteText(const ByteSink& sink) const {
    return WriteBounded(
        [this](const ByteSink& piece) {
            return (!WritesByteOrderMark() || piece(kByteOrderMark)) &&
                   (root == nullptr || WriteTree(*root, piece));
        },
        sink);
}

bool ConfigTree::WritesByteOrderMark() const {
    if (byteOrderMark) {
        return true;
    }
    // A first name that begins with the mark's bytes would lose them to the
    // next read, which takes them for a mark: one more keeps them.
    if (root == nullptr || root->children.empty()) {
        return false;
    }
    const TreeNode& first = *root->children[0];
    return first.kind != NodeKind::Comment && first.kind != NodeKind::BlankLine &&
           std::string_view(first.name).starts_with(kByteOrderMark);
}

std::string ConfigTree::ToText() const {
    std::string text(WritesByteOrderMark() ? kByteOrderMark : std::string_view());
    if (root != nullptr) {
        WriteTree(*root, [&text](std::string_view data) {
            text.append(data);
            return true;
        });
    }
    return text;
}

}  // namespace rw
