#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "tree/CarFileError.h"
#include "tree/FileStamp.h"
#include "tree/LargeBuffer.h"

namespace rw {

// The largest car file read or written: far above any real car, small enough
// that a file picked by mistake cannot exhaust the memory.
inline constexpr std::uint64_t kMaxCarFileSize = std::uint64_t{256} << 20;
// The most lines a car file read may have. Real cars have hundreds; each line
// costs a node and more, so a file of empty lines would need many times its
// size in memory.
inline constexpr std::size_t kMaxCarFileLines = 2'000'000;

// The text a tree is read from, followed by kReadAhead zero bytes, so that
// the reader may look at a whole block of bytes at any place of the text
// without asking where the text ends.
class SourceText {
public:
    static constexpr std::size_t kReadAhead = 64;

    SourceText() = default;
    explicit SourceText(std::string_view text);

    std::string_view Text() const { return {reinterpret_cast<const char*>(buffer.data()), size}; }

private:
    friend std::error_code ReadFile(const std::string& path, SourceText& content, FileStamp* stamp);

    LargeBuffer buffer;
    std::size_t size = 0;
};

// Reads the whole regular file of at most kMaxCarFileSize bytes in one go.
// With a stamp, it is set to what was read.
std::error_code ReadFile(const std::string& path, SourceText& content, FileStamp* stamp = nullptr);

// Takes the file's text in pieces; false stops the writing.
using ByteSink = std::function<bool(std::string_view)>;
// Hands the whole text of a file to the sink it is given.
using TextSource = std::function<bool(const ByteSink&)>;

// Runs `source` once to measure it and once more into `sink`, so that a text
// larger than kMaxCarFileSize is refused (CarFileError::TooLarge) before any
// of it reaches the sink. A sink that stops the writing is an I/O error.
std::error_code WriteBounded(const TextSource& source, const ByteSink& sink);

// An advisory lock (flock) on a car file, held from reading it to the rename
// of its save, so that of two writers that both lock neither loses the
// other's update. Released when it goes.
class FileLock {
public:
    FileLock() = default;
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // Waits for the file at `path` and locks it; a file that another holder
    // replaced meanwhile is locked anew. A file that does not exist, cannot
    // be opened or is no regular file is left unlocked, for the read or save
    // to report.
    std::error_code Acquire(const std::string& path);
    void Release();

private:
    int fd = -1;
};

// Writes an unnamed file beside the target, names it just before it is
// renamed over the target, so a failure or a kill at any point leaves the old
// file as it was and nothing beside it. A source that stops on its own is an
// I/O error. With a stamp, it is set to the file written.
std::error_code SaveAtomically(const std::string& savePath, const TextSource& source,
                               FileStamp* written = nullptr);

}  // namespace rw
