#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "tree/ConfigTree.h"

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

// Reads the whole file in one go; errno describes a failure.
bool ReadFile(const std::string& path, std::string& content) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        int error = errno;
        ::close(fd);
        errno = error;
        return false;
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return false;
    }
    // Read straight into the string; the size is only a first guess, since
    // the file may grow or be no regular file at all.
    std::size_t size = 0;
    content.resize(S_ISREG(info.st_mode) && info.st_size > 0
                       ? static_cast<std::size_t>(info.st_size) + 1
                       : std::size_t{1} << 16);
    for (;;) {
        if (size == content.size()) {
            content.resize(content.size() * 2);
        }
        ssize_t count = ::read(fd, content.data() + size, content.size() - size);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            int error = errno;
            ::close(fd);
            errno = error;
            return false;
        }
        if (count == 0) {
            break;
        }
        size += static_cast<std::size_t>(count);
    }
    content.resize(size);
    ::close(fd);
    return true;
}

// Turns the text of a car file into nodes below `root`. Names and values view
// the text, which must live as long as the tree. The children of each open
// block gather on one stack and move into an exact array of the arena when the
// block closes.
class LineReader {
public:
    LineReader(NodeArena& arena, TreeNode& root, bool showErrors, Reporter& reporter)
        : arena(arena), showErrors(showErrors), reporter(reporter) {
        open.push_back({&root, 0});
    }

    void Run(std::string_view text) {
        // The text after the last line break is a line only when it is not
        // empty, so a saved file reads back without growing a blank line.
        const char* line = text.data();
        const char* const end = line + text.size();
        while (line != end) {
            const void* found = std::memchr(line, '\n', static_cast<std::size_t>(end - line));
            const char* lineEnd = found != nullptr ? static_cast<const char*>(found) : end;
            ++lineNumber;
            Handle(TrimLine(std::string_view(line, static_cast<std::size_t>(lineEnd - line))));
            line = lineEnd == end ? end : lineEnd + 1;
        }
        FlushPending();
        const bool unclosed = open.size() > 1;
        while (!open.empty()) {
            Close();
        }
        ReportBalance(unclosed);
    }

private:
    enum class Previous { Other, ValueLine, InheritLine, PendingName };
    struct Frame {
        TreeNode* block;
        std::size_t firstChild;  // in `pending`
    };

    TreeNode* Add(NodeKind kind, std::string_view name, std::string_view value) {
        TreeNode* node = arena.MakeNode(kind, NodeText(name), NodeText(value));
        node->parent = open.back().block;
        pending.push_back(node);
        return node;
    }

    void Close() {
        const Frame frame = open.back();
        open.pop_back();
        frame.block->children.Assign(arena, pending.data() + frame.firstChild,
                                     pending.size() - frame.firstChild);
        pending.resize(frame.firstChild);
    }

    void Handle(std::string_view line) {
        if (line.empty()) {
            FlushPending();
            Add(NodeKind::BlankLine, {}, {});
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
                Add(NodeKind::Comment, {}, line);
                previous = Previous::Other;
                return;
            case '}':
                FlushPending();
                if (open.size() == 1) {
                    // A surplus brace: what follows stays in the root.
                    surplusClose = true;
                } else {
                    Close();
                }
                previous = Previous::Other;
                return;
            default:
                break;
        }
        std::size_t tilde = line.find('~');
        if (tilde != std::string_view::npos && tilde != 0) {
            FlushPending();
            previousNode =
                Add(NodeKind::InheritBlock, line.substr(0, tilde), line.substr(tilde + 1));
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
        previousNode = Add(NodeKind::Value, name, value);
        previous = Previous::ValueLine;
    }

    void Open() {
        TreeNode* block = nullptr;
        switch (previous) {
            case Previous::PendingName:
                block = Add(NodeKind::Block, pendingName, {});
                break;
            case Previous::ValueLine:
                previousNode->kind = NodeKind::Block;
                block = previousNode;
                break;
            case Previous::InheritLine:
                block = previousNode;
                break;
            case Previous::Other:
                return;
        }
        open.push_back({block, pending.size()});
    }

    void FlushPending() {
        if (previous != Previous::PendingName) {
            return;
        }
        Add(NodeKind::LoneName, pendingName, {});
        previous = Previous::Other;
        if (showErrors) {
            Report report;
            report.kind = ReportKind::UninterpretableLine;
            report.text = "Cannot interpret value \"" + std::string(pendingName) + "\" on line " +
                          std::to_string(pendingLine);
            report.caption = kAppCaption;
            report.icon = MessageIcon::Exclamation;
            reporter.Show(report);
        }
    }

    void ReportBalance(bool unclosed) {
        const char* text = nullptr;
        if (surplusClose) {
            text = "Detected more '}' than '{' , may not have read data correctly";
        } else if (unclosed) {
            text = "Detected more '{' than '}' , may not have read data correctly";
        }
        if (text != nullptr) {
            reporter.Show(
                Report{ReportKind::BraceBalance, text, "Error!", MessageIcon::Exclamation});
        }
    }

    NodeArena& arena;
    bool showErrors;
    Reporter& reporter;
    std::vector<Frame> open;
    std::vector<TreeNode*> pending;
    Previous previous = Previous::Other;
    TreeNode* previousNode = nullptr;
    std::string_view pendingName;
    long long pendingLine = 0;
    long long lineNumber = 0;
    bool surplusClose = false;
};

}  // namespace

ConfigTree::ConfigTree(std::string path) : path(std::move(path)) {}

// Drops every node of the tree at once.
void ConfigTree::NewRoot() {
    arena = NodeArena();
    root = arena.MakeNode(NodeKind::Block, NodeText(kRootName), NodeText());
}

ReadResult ConfigTree::Read(bool showErrors, Reporter& reporter) {
    NewRoot();
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
    source = std::make_unique<const std::string>(std::move(content));
    ReadSource(showErrors, reporter);
    return ReadResult::Success;
}

void ConfigTree::ReadText(std::string_view text, bool showErrors, Reporter& reporter) {
    source = std::make_unique<const std::string>(text);
    ReadSource(showErrors, reporter);
}

void ConfigTree::ReadSource(bool showErrors, Reporter& reporter) {
    NewRoot();
    LineReader(arena, *root, showErrors, reporter).Run(*source);
    isRead = true;
}

}  // namespace rw
