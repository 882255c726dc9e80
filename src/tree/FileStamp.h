#pragma once

#include <cstdint>
#include <string>
#include <string_view>

struct stat;

namespace rw {

// What a file was when it was last read or written, so that a change by
// another program can be told apart from the file as we left it. The content
// is compared too: a file system may keep times too coarse to show a quick
// second write, and a program may put the old time back.
struct FileStamp {
    bool exists = false;
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t modifiedNs = 0;
    std::uint64_t contentHash = 0;

    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};

// The file at `path` as it is now, links followed. A file that exists but
// cannot be read is stamped by its metadata alone.
FileStamp StampOf(const std::string& path);
// The metadata part of a stamp, from the file's status; no content hash.
FileStamp MetadataStamp(const struct stat& info);

// A 64-bit hash of bytes given in pieces of any size; the same bytes give the
// same value however they are cut.
class ContentHash {
public:
    void Add(std::string_view bytes);
    std::uint64_t Value() const;
    // How many bytes went in.
    std::uint64_t Length() const { return length; }

private:
    void Mix(std::uint64_t word);

    std::uint64_t state = 0x9e3779b97f4a7c15;
    std::uint64_t length = 0;
    unsigned char tail[8] = {};
    std::size_t tailSize = 0;
};

}  // namespace rw
