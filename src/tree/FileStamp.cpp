#include "tree/FileStamp.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

#include "tree/FileAccess.h"

namespace rw {

namespace {

std::uint64_t Rotate(std::uint64_t value, int bits) {
    return (value << bits) | (value >> (64 - bits));
}

}  // namespace

void ContentHash::Mix(std::uint64_t word) {
    state = Rotate(state ^ (word * 0x87c37b91114253d5), 31) * 0x4cf5ad432745937f;
}

void ContentHash::Add(std::string_view bytes) {
    length += bytes.size();
    if (tailSize > 0) {
        const std::size_t take = std::min(sizeof tail - tailSize, bytes.size());
        std::memcpy(tail + tailSize, bytes.data(), take);
        tailSize += take;
        bytes.remove_prefix(take);
        if (tailSize < sizeof tail) {
            return;
        }
        std::uint64_t word = 0;
        std::memcpy(&word, tail, sizeof word);
        Mix(word);
        tailSize = 0;
    }
    while (bytes.size() >= sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes.data(), sizeof word);
        Mix(word);
        bytes.remove_prefix(sizeof word);
    }
    std::memcpy(tail, bytes.data(), bytes.size());
    tailSize = bytes.size();
}

std::uint64_t ContentHash::Value() const {
    std::uint64_t last = 0;
    std::memcpy(&last, tail, tailSize);
    std::uint64_t h = Rotate(state ^ (last * 0x87c37b91114253d5), 31) ^ length;
    // The finaliser of MurmurHash3: every input bit reaches every output bit.
    h ^= h >> 33;
    h *= 0xff51afd7ed558ccd;
    h ^= h >> 33;
    h *= 0xc4ceb9fe1a85ec53;
    h ^= h >> 33;
    return h;
}

FileStamp StampOf(const std::string& path) {
    SourceText content;
    FileStamp stamp;
    if (!ReadFile(path, content, &stamp)) {
        return stamp;
    }
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? MetadataStamp(info) : FileStamp{};
}

FileStamp MetadataStamp(const struct stat& info) {
    FileStamp stamp;
    stamp.exists = true;
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.modifiedNs = std::int64_t{info.st_mtim.tv_sec} * 1000000000 + info.st_mtim.tv_nsec;
    return stamp;
}

}  // namespace rw
