#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <functional>

#include "tree/ConfigTree.h"

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
    std::string out;
    out.reserve(kFlushSize + 4096);
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
                    AppendClean(out, node.value);
                    out += "\r\n";
                    break;
                case NodeKind::LoneName:
                    out += indent;
                    AppendClean(out, node.name);
                    out += "\r\n";
                    break;
                case NodeKind::Value:
                    out += indent;
                    AppendClean(out, node.name);
                    out += '=';
                    AppendClean(out, node.value);
                    out += "\r\n";
                    break;
                case NodeKind::Block:
                case NodeKind::InheritBlock:
                    out += indent;
                    AppendClean(out, node.name);
                    if (node.kind == NodeKind::InheritBlock) {
                        out += '~';
                        AppendClean(out, node.value);
                    } else if (!node.value.empty()) {
                        out += '=';
                        AppendClean(out, node.value);
                    }
                    out += "\r\n";
                    out += indent;
                    out += "{\r\n";
                    indent.append(kIndentStep, ' ');
                    stack.push_back({&node, 0});
                    break;
            }
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

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links, so that saving through a link replaces the file it
// points to instead of the link.
std::string ResolveLinks(std::string path) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            break;
        }
        std::string target(PATH_MAX, '\0');
        ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            break;
        }
        target.resize(static_cast<std::size_t>(length));
        if (!target.empty() && target.front() != '/') {
            target = DirectoryOf(path) + "/" + target;
        }
        path = std::move(target);
    }
    return path;
}

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t count = ::write(fd, data.data(), data.size());
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Writes a temporary file beside the target and renames it over the target,
// so a failure at any point leaves the old file as it was. errno tells why.
bool SaveAtomically(const std::string& savePath, const TreeNode* root) {
    std::string target = ResolveLinks(savePath);
    struct stat info {};
    bool exists = ::stat(target.c_str(), &info) == 0;
    if (exists) {
        if (S_ISDIR(info.st_mode)) {
            errno = EISDIR;
            return false;
        }
        // Checked by hand as well, because renaming would replace a
        // read-only file, and access() says yes to everything for root.
        if (::access(target.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0) {
            errno = EACCES;
            return false;
        }
    }
    std::string base =
        target.substr(target.rfind('/') == std::string::npos ? 0 : target.rfind('/') + 1);
    std::string temp = DirectoryOf(target) + "/." + base + ".XXXXXX";
    int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    mode_t mode = 0;
    if (exists) {
        mode = info.st_mode & 07777;
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    bool ok = ::fchmod(fd, mode) == 0;
    if (ok && exists) {
        // Keeps the owner when we may (as root); failing that is harmless.
        [[maybe_unused]] int ignored = ::fchown(fd, info.st_uid, info.st_gid);
    }
    if (ok && root != nullptr) {
        ok = WriteTree(*root, [fd](std::string_view data) { return WriteAll(fd, data); });
    }
    ok = ok && ::fsync(fd) == 0;
    int error = errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        errno = error;
    }
    return ok;
}

}  // namespace

bool ConfigTree::Save(Reporter& reporter) const {
    if (!SaveAtomically(savePath, root.get())) {
        reporter.Show(FileWriteError(savePath, errno));
        return false;
    }
    return true;
}

std::string ConfigTree::ToText() const {
    std::string text;
    if (root != nullptr) {
        WriteTree(*root, [&text](std::string_view data) {
            text.append(data);
            return true;
        });
    }
    return text;
}

}  // namespace rw
