#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "tree/ConfigTree.h"

namespace rw::test {

// What a read met, one line each: "unread 2" first, then "KIND LINE: TEXT".
struct Diagnostics {
    DiagnosticSink Sink() {
        return [this](const Diagnostic& d) {
            constexpr const char* kKinds[] = {
                "uninterpretable", "surplus close",    "unclosed",      "byte order mark",
                "carriage return", "text after brace", "tilde in value"};
            lines.push_back(std::string(kKinds[static_cast<int>(d.kind)]) + " " +
                            std::to_string(d.line) + ": " + std::string(d.text));
        };
    }
    std::vector<std::string> lines;
};

// Control bytes made visible so that failing comparisons can be read.
inline std::string Visible(std::string_view text) {
    std::string out;
    for (char c : text) {
        out += c == '\r' ? "\\r" : c == '\n' ? "\\n" : c == '\0' ? "\\0" : std::string(1, c);
    }
    return out;
}

// One entry per node below the root, each ended by "|" and indented by one
// "." per level: V name=value, _ (blank), C comment, B name[=value],
// I name~ref, L name; "!" marks a broken parent link. No recursion.
inline std::string Dump(const TreeNode& root) {
    std::string out;
    std::vector<std::pair<const TreeNode*, std::size_t>> stack;
    for (auto it = root.children.rbegin(); it != root.children.rend(); ++it) {
        stack.emplace_back(it->get(), 0);
    }
    static const char* const kLetters[] = {"V ", "_", "C ", "B ", "I ", "L "};
    while (!stack.empty()) {
        auto [node, depth] = stack.back();
        stack.pop_back();
        out.append(depth, '.');
        out += kLetters[static_cast<int>(node->kind)];
        out += Visible(node->kind == NodeKind::Comment ? node->value : node->name);
        if (node->kind == NodeKind::Value ||
            (node->kind == NodeKind::Block && !node->value.empty())) {
            out += "=" + Visible(node->value);
        } else if (node->kind == NodeKind::InheritBlock) {
            out += "~" + Visible(node->value);
        }
        out += "|";
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
            out += (*it)->parent == node ? "" : "!";
            stack.emplace_back(it->get(), depth + 1);
        }
    }
    return out;
}

inline std::unique_ptr<ConfigTree> TreeFromText(std::string_view text,
                                                const DiagnosticSink& sink = nullptr) {
    auto tree = std::make_unique<ConfigTree>("text");
    tree->ReadText(text, sink);
    return tree;
}

// Trees from text or from {path, value} pairs, and the value at a path or
// "<missing>", for the form and page tests.
inline ConfigTree TreeOf(std::string_view text) {
    return std::move(*TreeFromText(text));
}

using Keys = std::vector<std::pair<std::string, std::string>>;

inline ConfigTree TreeWith(const Keys& keys) {
    ConfigTree tree = TreeOf("");
    for (const auto& [path, value] : keys) {
        tree.SetString(path, value);
    }
    return tree;
}

inline std::string ValueAt(const ConfigTree& tree, std::string_view path) {
    std::string value;
    return tree.GetString(path, value) ? value : "<missing>";
}

// The names of the folder's entries, sorted; none for a missing folder.
inline std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

// A folder of its own, removed with all it holds when the test ends.
class TempDir {
public:
    TempDir() : path((std::filesystem::temp_directory_path() / "rwtree-XXXXXX").string()) {
        mkdtemp(path.data());
    }
    ~TempDir() {
        std::error_code error;
        // Read-only folders left by a test must not block the clean-up.
        for (auto it = std::filesystem::recursive_directory_iterator(path, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        }
        std::filesystem::remove_all(path, error);
    }
    std::string File(std::string_view name) const { return path + "/" + std::string(name); }
    std::vector<std::string> Entries(std::string_view sub = "") const {
        return test::Entries(File(sub));
    }
    std::string path;
};

inline bool WriteFile(const std::string& path, std::string_view bytes) {
    return static_cast<bool>(std::ofstream(path, std::ios::binary) << bytes);
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Runs the check in a child process, for process-wide state (limits, the
// user), and gives its exit status; 99 means the setup was impossible.
inline int InChild(const std::function<int()>& check) {
    pid_t child = fork();
    if (child == 0) {
        _exit(check());
    }
    int status = 0;
    return waitpid(child, &status, 0) == child && WIFEXITED(status) ? WEXITSTATUS(status) : 100;
}

// Permissions bind only ordinary users: a privileged run drops to "nobody".
inline bool Unprivileged() {
    const uid_t nobody = 65534;
    return geteuid() != 0 || (setgid(nobody) == 0 && setuid(nobody) == 0);
}

}  // namespace rw::test
