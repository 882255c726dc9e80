#include "tree/FileAccess.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <utility>

namespace rw {

namespace {

// As many links as the kernel itself follows before it calls it a loop.
constexpr int kMaxLinkHops = 40;

// Reads until the end of the file into `buffer`, which holds a first guess
// of the size and room for the read-ahead; a file that grows past the limit
// while it is read is refused.
std::error_code ReadAll(int fd, LargeBuffer& buffer, std::size_t& size) {
    size = 0;
    for (;;) {
        if (size + SourceText::kReadAhead >= buffer.size()) {
            if (size > kMaxCarFileSize) {
                return CarFileError::TooLarge;
            }
            LargeBuffer larger(std::min<std::size_t>(buffer.size() * 2, kMaxCarFileSize + 1) +
                               SourceText::kReadAhead);
            std::copy_n(buffer.data(), size, larger.data());
            buffer = std::move(larger);
        }
        ssize_t count =
            ::read(fd, buffer.data() + size, buffer.size() - SourceText::kReadAhead - size);
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            return LastSystemError();
        }
        if (count == 0) {
            return {};
        }
        size += static_cast<std::size_t>(count);
    }
}

// Whether the text has more than `limit` lines, counted at memchr's pace.
bool LineCountAbove(std::string_view text, std::size_t limit) {
    std::size_t breaks = 0;
    const char* const end = text.data() + text.size();
    for (const char* at = text.data(); at < end && breaks <= limit; ++breaks) {
        const void* found = std::memchr(at, '\n', static_cast<std::size_t>(end - at));
        if (found == nullptr) {
            // The last line, without a line break.
            return breaks + 1 > limit;
        }
        at = static_cast<const char*>(found) + 1;
    }
    return breaks > limit;
}

std::string DirectoryOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) {
        return ".";
    }
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Follows symbolic links, so that saving through a link replaces the file it
// points to instead of the link. False for a loop (or a chain as long).
bool ResolveLinks(std::string& path) {
    for (int hops = 0; hops <= kMaxLinkHops; ++hops) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return true;
        }
        std::string target(PATH_MAX, '\0');
        ssize_t length = ::readlink(path.c_str(), target.data(), target.size());
        if (length < 0) {
            return true;
        }
        target.resize(static_cast<std::size_t>(length));
        if (!target.empty() && target.front() != '/') {
            target = DirectoryOf(path) + "/" + target;
        }
        path = std::move(target);
    }
    return false;
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

// While it lives, passing the process's file-size limit fails a write with
// EFBIG instead of killing the program halfway through a save.
class FileSizeSignalIgnored {
public:
    FileSizeSignalIgnored() {
        struct sigaction ignore {};
        ignore.sa_handler = SIG_IGN;
        sigemptyset(&ignore.sa_mask);
        ::sigaction(SIGXFSZ, &ignore, &previous);
    }
    ~FileSizeSignalIgnored() {
        int error = errno;
        ::sigaction(SIGXFSZ, &previous, nullptr);
        errno = error;
    }
    FileSizeSignalIgnored(const FileSizeSignalIgnored&) = delete;
    FileSizeSignalIgnored& operator=(const FileSizeSignalIgnored&) = delete;

private:
    struct sigaction previous {};
};

// The temporary file of a save: unnamed where the file system allows, so a
// save killed halfway leaves nothing behind; else named at once.
class TempFile {
public:
    TempFile(const std::string& folder, const std::string& base)
        // The name is short, whatever the target's: a file name of 250 bytes
        // is legal, and one made of it and more would not be. The first
        // bytes of the target's name tell whose it is.
        : prefix(folder + "/." + base.substr(0, 32) + ".rw-") {
        // Read and write: a write in place copies from it.
        fd = ::open(folder.c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, 0600);
        if (fd < 0 && (errno == EOPNOTSUPP || errno == EISDIR || errno == EINVAL)) {
            name = prefix + "XXXXXX";
            fd = ::mkstemp(name.data());
            if (fd < 0) {
                name.clear();
            }
        }
    }
    ~TempFile() {
        int error = errno;
        if (fd >= 0) {
            ::close(fd);
        }
        if (!name.empty()) {
            ::unlink(name.c_str());
        }
        errno = error;
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    int Fd() const { return fd; }

    // Gives the file a name, closes it and renames it over the target.
    bool Replace(const std::string& target) {
        if (!Name()) {
            return false;
        }
        int closing = std::exchange(fd, -1);
        if (::close(closing) != 0 || ::rename(name.c_str(), target.c_str()) != 0) {
            return false;
        }
        name.clear();
        return true;
    }

    // Gives the file a name beside the target, where it stays until this
    // object goes: the copy that a write in place can be redone from.
    bool Name() {
        for (int attempt = 0; name.empty() && attempt < 100; ++attempt) {
            std::string candidate =
                prefix + std::to_string(::getpid()) + "-" + std::to_string(attempt);
            std::string self = "/proc/self/fd/" + std::to_string(fd);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, candidate.c_str(), AT_SYMLINK_FOLLOW) ==
                0) {
                name = std::move(candidate);
            } else if (errno != EEXIST) {
                return false;
            }
        }
        if (name.empty()) {
            errno = EEXIST;
            return false;
        }
        return true;
    }

private:
    std::string prefix;
    std::string name;
    int fd = -1;
};

// The permission bits of a replaced file. Set-user-ID and set-group-ID stay
// only where the new file has the same owner or group as the old one.
mode_t KeptMode(int fd, const struct stat& old) {
    struct stat now {};
    mode_t mode = old.st_mode & 07777;
    bool known = ::fstat(fd, &now) == 0;
    if (!known || now.st_uid != old.st_uid) {
        mode &= ~S_ISUID;
    }
    if (!known || now.st_gid != old.st_gid) {
        mode &= ~S_ISGID;
    }
    return mode;
}

// Copies the target's extended attributes (user attributes, access control
// lists, security labels) onto the new file; false when one could not be.
bool CopyAttributes(const std::string& target, int fd) {
    ssize_t size = ::listxattr(target.c_str(), nullptr, 0);
    if (size <= 0) {
        return size == 0 || errno == ENOTSUP;
    }
    std::string names(static_cast<std::size_t>(size), '\0');
    size = ::listxattr(target.c_str(), names.data(), names.size());
    if (size < 0) {
        return false;
    }
    names.resize(static_cast<std::size_t>(size));
    std::string value;
    for (std::size_t at = 0; at < names.size(); at = names.find('\0', at) + 1) {
        const char* attribute = names.c_str() + at;
        const ssize_t length = ::getxattr(target.c_str(), attribute, nullptr, 0);
        if (length < 0) {
            return false;
        }
        value.resize(static_cast<std::size_t>(length));
        if (::getxattr(target.c_str(), attribute, value.data(), value.size()) != length ||
            ::fsetxattr(fd, attribute, value.data(), value.size(), 0) != 0) {
            return false;
        }
    }
    return true;
}

// Writes the new text over the target's own bytes, for a file whose owner,
// links or attributes a new file could not keep. The space is taken first,
// so that a full disk fails the save before the old text is touched.
bool WriteInPlace(const std::string& target, int from, off_t size, struct stat& done) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        return false;
    }
    bool ok = true;
    if (size > 0) {
        const int error = ::posix_fallocate(fd, 0, size);
        // A file system that cannot reserve space still takes the write.
        ok = error == 0 || error == EOPNOTSUPP || error == EINVAL;
        errno = error;
    }
    std::string chunk(std::size_t{1} << 20, '\0');
    for (off_t offset = 0; ok && offset < size;) {
        const ssize_t count = ::pread(from, chunk.data(), chunk.size(), offset);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        ok = count > 0 &&
             WriteAll(fd, std::string_view(chunk.data(), static_cast<std::size_t>(count)));
        errno = count == 0 ? EIO : errno;
        offset += count > 0 ? count : 0;
    }
    ok = ok && ::ftruncate(fd, size) == 0 && ::fsync(fd) == 0 && ::fstat(fd, &done) == 0;
    const int error = ok ? 0 : errno;
    if (::close(fd) != 0) {
        return false;
    }
    errno = error;
    return ok;
}

}  // namespace

SourceText::SourceText(std::string_view text)
    : buffer(text.size() + kReadAhead), size(text.size()) {
    std::copy(text.begin(), text.end(), reinterpret_cast<char*>(buffer.data()));
    std::fill_n(buffer.data() + size, kReadAhead, std::byte{0});
}

std::error_code ReadFile(const std::string& path, SourceText& content, FileStamp* stamp) {
    // Without O_NONBLOCK opening a FIFO would wait for a writer forever.
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
    if (fd < 0) {
        return LastSystemError();
    }
    struct stat info {};
    std::error_code error;
    if (::fstat(fd, &info) != 0) {
        error = LastSystemError();
    } else if (S_ISDIR(info.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
    } else if (!S_ISREG(info.st_mode)) {
        error = CarFileError::NotRegularFile;
    } else if (static_cast<std::uint64_t>(info.st_size) > kMaxCarFileSize) {
        error = CarFileError::TooLarge;
    } else {
        // The size is only a first guess, since the file may change meanwhile.
        LargeBuffer buffer(static_cast<std::size_t>(info.st_size) + 1 + SourceText::kReadAhead);
        std::size_t size = 0;
        error = ReadAll(fd, buffer, size);
        if (!error &&
            LineCountAbove(std::string_view(reinterpret_cast<const char*>(buffer.data()), size),
                           kMaxCarFileLines)) {
            error = CarFileError::TooManyLines;
        }
        if (!error) {
            std::fill_n(buffer.data() + size, SourceText::kReadAhead, std::byte{0});
            content.buffer = std::move(buffer);
            content.size = size;
            if (stamp != nullptr) {
                // The status from before the read: a write while it reads
                // shows as a change afterwards.
                *stamp = MetadataStamp(info);
                ContentHash hash;
                hash.Add(content.Text());
                stamp->contentHash = hash.Value();
            }
        }
    }
    ::close(fd);
    return error;
}

FileLock::~FileLock() {
    Release();
}

void FileLock::Release() {
    if (fd >= 0) {
        ::close(fd);
        fd = -1;
    }
}

std::error_code FileLock::Acquire(const std::string& path) {
    // A save renames a new file over the old one; a lock taken on the old one
    // after that guards nothing, so the path must still name the file locked.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const int candidate = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
        if (candidate < 0) {
            // Nothing to lock, or no right to: the read or save says why.
            return {};
        }
        struct stat locked {};
        if (::fstat(candidate, &locked) != 0 || !S_ISREG(locked.st_mode)) {
            ::close(candidate);
            return {};
        }
        int result = 0;
        while ((result = ::flock(candidate, LOCK_EX)) != 0 && errno == EINTR) {
        }
        struct stat named {};
        if (result == 0 && ::fstat(candidate, &locked) == 0 && ::stat(path.c_str(), &named) == 0 &&
            named.st_dev == locked.st_dev && named.st_ino == locked.st_ino) {
            if (fd >= 0) {
                ::close(fd);
            }
            fd = candidate;
            return {};
        }
        const std::error_code error = result != 0 ? LastSystemError() : std::error_code();
        ::close(candidate);
        if (error) {
            return error;
        }
    }
    return std::make_error_code(std::errc::resource_unavailable_try_again);
}

std::error_code WriteBounded(const TextSource& source, const ByteSink& sink) {
    std::uint64_t total = 0;
    bool fits = source([&total](std::string_view data) {
        total += data.size();
        return total <= kMaxCarFileSize;
    });
    if (!fits) {
        return CarFileError::TooLarge;
    }
    return source(sink) ? std::error_code() : std::make_error_code(std::errc::io_error);
}

std::error_code SaveAtomically(const std::string& savePath, const TextSource& source,
                               FileStamp* written) {
    std::string target = savePath;
    if (!ResolveLinks(target)) {
        return std::make_error_code(std::errc::too_many_symbolic_link_levels);
    }
    struct stat info {};
    bool exists = ::stat(target.c_str(), &info) == 0;
    if (!exists && errno != ENOENT) {
        return LastSystemError();
    }
    if (exists) {
        if (!S_ISREG(info.st_mode)) {
            return S_ISDIR(info.st_mode) ? std::make_error_code(std::errc::is_a_directory)
                                         : std::error_code(CarFileError::NotRegularFile);
        }
        // Checked by hand as well, because renaming would replace a
        // read-only file, and access() says yes to everything for root.
        if (::access(target.c_str(), W_OK) != 0 || (info.st_mode & 0222) == 0) {
            return std::make_error_code(std::errc::permission_denied);
        }
    }
    std::size_t slash = target.rfind('/');
    TempFile temp(DirectoryOf(target), target.substr(slash == std::string::npos ? 0 : slash + 1));
    const int fd = temp.Fd();
    if (fd < 0) {
        return LastSystemError();
    }
    mode_t mode = 0;
    if (exists) {
        // The owner first: changing it clears the set-ID bits.
        [[maybe_unused]] int ignored = ::fchown(fd, info.st_uid, info.st_gid);
        mode = KeptMode(fd, info);
    } else {
        mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    FileSizeSignalIgnored sizeSignal;
    if (::fchmod(fd, mode) != 0) {
        return LastSystemError();
    }
    ContentHash hash;
    int writeError = 0;
    if (!source([fd, &hash, &writeError](std::string_view data) {
            hash.Add(data);
            if (!WriteAll(fd, data)) {
                writeError = errno;
                return false;
            }
            return true;
        })) {
        return writeError != 0 ? std::error_code(writeError, std::generic_category())
                               : std::make_error_code(std::errc::io_error);
    }
    struct stat done {};
    if (::fsync(fd) != 0 || ::fstat(fd, &done) != 0) {
        return LastSystemError();
    }
    // A new file in the old one's place has to keep what the old one had;
    // where it cannot (another user's file, hard links, attributes this user
    // may not set), the old file takes the new text itself, with the new
    // file named beside it until then.
    const bool kept = !exists || (done.st_uid == info.st_uid && done.st_gid == info.st_gid &&
                                  info.st_nlink == 1 && CopyAttributes(target, fd));
    if (kept ? !temp.Replace(target)
             : !temp.Name() || !WriteInPlace(target, fd, done.st_size, done)) {
        return LastSystemError();
    }
    if (written != nullptr) {
        // Of the file now under the name: renaming keeps the inode and the
        // modification time, a write in place is the old inode.
        *written = MetadataStamp(done);
        written->contentHash = hash.Value();
    }
    return {};
}

}  // namespace rw
