#include <cerrno>
#include <cstdio>

#include "tree/ConfigTree.h"
#include "tree/FileAccess.h"

namespace rw {

namespace {

std::string_view TrimLine(std::string_view line) {
    std::size_t begin = 0;
    while (begin < line.size() && (line[begin] == ' ' || line[begin] == '\t')) {
        ++begin;
    }
    std::size_t end = line.size();
    while (end > begin && (line[end - 1] == ' ' || line[end - 1] == '\t' || line[end - 1] == '\r' ||
                           line[end - 1] == '\n')) {
        --end;
    }
    return line.substr(begin, end - begin);
}

// Turns the text of a car file into nodes below `root`.
class LineReader {
public:
    LineReader(TreeNode& root, bool showErrors, Reporter& reporter)
        : root(root), current(&root), showErrors(showErrors), reporter(reporter) {}

    void Run(std::string_view text) {
        std::size_t position = 0;
        // The text after the last line break is a line only when it is not
        // empty, so a saved file reads back without growing a blank line.
        while (position < text.size()) {
            std::size_t end = text.find('\n', position);
            if (end == std::string_view::npos) {
                end = text.size();
            }
            ++lineNumber;
            Handle(TrimLine(text.substr(position, end - position)));
            position = end + 1;
        }
        FlushPending();
        ReportBalance();
    }

private:
    enum class Previous { Other, ValueLine, InheritLine, PendingName };

    void Handle(std::string_view line) {
        if (line.empty()) {
            FlushPending();
            current->Append(std::make_unique<TreeNode>(NodeKind::BlankLine, "", ""));
            previous = Previous::Other;
            return;
        }
        switch (line.front()) {
            case '{':
                Open();
                previous = Previous::Other;
                return;
            case ';':
                FlushPending();
                current->Append(
                    std::make_unique<TreeNode>(NodeKind::Comment, std::string_view(), line));
                previous = Previous::Other;
                return;
            case '}':
                FlushPending();
                if (current == &root) {
                    // A surplus brace: what follows stays in the root.
                    surplusClose = true;
                } else {
                    current = current->parent;
                }
                previous = Previous::Other;
                return;
            default:
                break;
        }
        std::size_t tilde = line.find('~');
        if (tilde != std::string_view::npos && tilde != 0) {
            FlushPending();
            previousNode = current->Append(std::make_unique<TreeNode>(
                NodeKind::InheritBlock, line.substr(0, tilde), line.substr(tilde + 1)));
            previous = Previous::InheritLine;
            return;
        }
        std::size_t equals = line.find('=');
        std::string_view name = line.substr(0, equals == std::string_view::npos ? 0 : equals);
        while (!name.empty() && (name.back() == ' ' || name.back() == '\t' || name.back() == '\r' ||
                                 name.back() == '\n')) {
            name.remove_suffix(1);
        }
        // A name of nothing but carriage returns would be written as a line
        // that begins with "=", which reads back as a name line: read it as
        // one now, so that a saved file reads back into the same tree.
        if (name.empty()) {
            FlushPending();
            pendingName = line;
            pendingLine = lineNumber;
            previous = Previous::PendingName;
            return;
        }
        FlushPending();
        std::string_view value = line.substr(equals + 1);
        while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) {
            value.remove_prefix(1);
        }
        previousNode = current->Append(std::make_unique<TreeNode>(NodeKind::Value, name, value));
        previous = Previous::ValueLine;
    }

    void Open() {
        switch (previous) {
            case Previous::PendingName:
                current = current->Append(
                    std::make_unique<TreeNode>(NodeKind::Block, pendingName, std::string_view()));
                break;
            case Previous::ValueLine:
                previousNode->kind = NodeKind::Block;
                current = previousNode;
                break;
            case Previous::InheritLine:
                current = previousNode;
                break;
            case Previous::Other:
                break;
        }
    }

    void FlushPending() {
        if (previous != Previous::PendingName) {
            return;
        }
        current->Append(
            std::make_unique<TreeNode>(NodeKind::LoneName, pendingName, std::string_view()));
        previous = Previous::Other;
        if (showErrors) {
            Report report;
            report.kind = ReportKind::UninterpretableLine;
            report.text = "Cannot interpret value \"" + Excerpt(pendingName) + "\" on line " +
                          std::to_string(pendingLine);
            report.caption = kAppCaption;
            report.icon = MessageIcon::Exclamation;
            reporter.Show(report);
        }
    }

    void ReportBalance() {
        const char* text = nullptr;
        if (surplusClose) {
            text = "Detected more '}' than '{' , may not have read data correctly";
        } else if (current != &root) {
            text = "Detected more '{' than '}' , may not have read data correctly";
        }
        if (text != nullptr) {
            reporter.Show(
                Report{ReportKind::BraceBalance, text, "Error!", MessageIcon::Exclamation});
        }
    }

    TreeNode& root;
    TreeNode* current;
    bool showErrors;
    Reporter& reporter;
    Previous previous = Previous::Other;
    TreeNode* previousNode = nullptr;
    std::string_view pendingName;
    long long pendingLine = 0;
    long long lineNumber = 0;
    bool surplusClose = false;
};

}  // namespace

ConfigTree::ConfigTree(std::string path) : path(std::move(path)) {}

std::unique_ptr<TreeNode> ConfigTree::NewRoot() {
    return std::make_unique<TreeNode>(NodeKind::Block, kRootName, std::string_view());
}

ReadResult ConfigTree::Read(bool showErrors, Reporter& reporter) {
    root = NewRoot();
    if (path == kUnsavedPath) {
        isRead = true;
        return ReadResult::Success;
    }
    if (path == kNullPath) {
        return ReadResult::Failed;
    }
    std::string content;
    if (!ReadFile(path, content)) {
        reporter.Show(FileReadError(path, errno));
        return ReadResult::FileError;
    }
    ReadText(content, showErrors, reporter);
    return ReadResult::Success;
}

void ConfigTree::ReadText(std::string_view text, bool showErrors, Reporter& reporter) {
    root = NewRoot();
    LineReader(*root, showErrors, reporter).Run(text);
    isRead = true;
}

}  // namespace rw
