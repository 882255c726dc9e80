#include "tree/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>

namespace rw {

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

namespace {

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

}  // namespace

bool SaveAtomically(const std::string& savePath,
                    const std::function<bool(const ByteSink&)>& write) {
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
    if (ok) {
        ok = write([fd](std::string_view data) { return WriteAll(fd, data); });
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

}  // namespace rw
