#pragma once

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "tree/ConfigTree.h"
#include "tree/NodeKind.h"
#include "tree/Reporter.h"
#include "tree/TreeNode.h"

namespace rw::test {

class RecordingReporter : public Reporter {
public:
    void Show(const Report& report) override { reports.push_back(report); }

    std::vector<Report> OfKind(ReportKind kind) const {
        std::vector<Report> found;
        for (const Report& report : reports) {
            if (report.kind == kind) {
                found.push_back(report);
            }
        }
        return found;
    }

    std::vector<Report> reports;
};

// Control bytes made visible so that failing comparisons can be read.
inline std::string Visible(std::string_view text) {
    std::string out;
    for (char c : text) {
        switch (c) {
            case '\r':
                out += "\\r";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\0':
                out += "\\0";
                break;
            default:
                out += c;
        }
    }
    return out;
}

// One line per node below the root, two spaces of indentation per depth:
//   V name=value   _ (blank)   C comment   B name[=value]   I name~ref   L name
// Walks with an explicit stack, so any depth can be dumped.
inline std::string Dump(const TreeNode& root) {
    std::string out;
    std::vector<std::pair<const TreeNode*, std::size_t>> stack;
    for (auto it = root.children.rbegin(); it != root.children.rend(); ++it) {
        stack.emplace_back(it->get(), 0);
    }
    while (!stack.empty()) {
        auto [node, depth] = stack.back();
        stack.pop_back();
        out.append(depth * 2, ' ');
        switch (node->kind) {
            case NodeKind::Value:
                out += "V " + Visible(node->name) + "=" + Visible(node->value);
                break;
            case NodeKind::BlankLine:
                out += "_";
                break;
            case NodeKind::Comment:
                out += "C " + Visible(node->value);
                break;
            case NodeKind::Block:
                out += "B " + Visible(node->name);
                if (!node->value.empty()) {
                    out += "=" + Visible(node->value);
                }
                break;
            case NodeKind::InheritBlock:
                out += "I " + Visible(node->name) + "~" + Visible(node->value);
                break;
            case NodeKind::LoneName:
                out += "L " + Visible(node->name);
                break;
        }
        out += "\n";
        for (auto it = node->children.rbegin(); it != node->children.rend(); ++it) {
            stack.emplace_back(it->get(), depth + 1);
        }
    }
    return out;
}

inline std::string Dump(const ConfigTree& tree) {
    return tree.root ? Dump(*tree.root) : std::string("<no root>\n");
}

// Joins expected dump lines, each ended by a line break.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
    std::string out;
    for (std::string_view line : lines) {
        out.append(line);
        out += "\n";
    }
    return out;
}

// Checks the parent links of the whole tree, without recursion.
inline bool ParentLinksHold(const TreeNode& root) {
    if (root.parent != nullptr) {
        return false;
    }
    std::vector<const TreeNode*> stack{&root};
    while (!stack.empty()) {
        const TreeNode* node = stack.back();
        stack.pop_back();
        for (const auto& child : node->children) {
            if (child == nullptr || child->parent != node) {
                return false;
            }
            stack.push_back(child.get());
        }
    }
    return true;
}

inline std::unique_ptr<ConfigTree> TreeFromText(std::string_view text, Reporter& reporter,
                                                bool showErrors = true) {
    auto tree = std::make_unique<ConfigTree>("text");
    tree->ReadText(text, showErrors, reporter);
    return tree;
}

// A folder of its own below the system's temporary folder, removed with all it
// holds when the test ends.
class TempDir {
public:
    TempDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "rwtree-XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr) {
            path_ = pattern;
        }
    }
    ~TempDir() {
        if (path_.empty()) {
            return;
        }
        std::error_code error;
        // Read-only folders left by a test must not block the clean-up.
        for (auto it = std::filesystem::recursive_directory_iterator(path_, error);
             !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
            if (it->is_directory(error) && !it->is_symlink(error)) {
                chmod(it->path().c_str(), 0700);
            }
        }
        chmod(path_.c_str(), 0700);
        std::filesystem::remove_all(path_, error);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    bool Ok() const { return !path_.empty(); }
    const std::string& Path() const { return path_; }
    std::string File(std::string_view name) const { return path_ + "/" + std::string(name); }

    // The names of the folder's entries, sorted.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(path_, error)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::string path_;
};

inline bool WriteFile(const std::string& path, std::string_view bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace rw::test
