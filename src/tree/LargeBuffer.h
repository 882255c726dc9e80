#pragma once

#include <cstddef>
#include <cstdlib>
#include <memory>

namespace rw {

// Bytes that are not initialised, for the text a tree is read from and for
// the chunks of its arena. A large buffer sits on huge-page boundaries and
// asks for huge pages: a big file then costs a few hundred page faults
// instead of tens of thousands.
class LargeBuffer {
public:
    LargeBuffer() = default;
    // At least `size` bytes; throws std::bad_alloc when there is no room.
    explicit LargeBuffer(std::size_t size);

    std::byte* data() const { return bytes.get(); }
    std::size_t size() const { return length; }

private:
    struct Free {
        void operator()(std::byte* block) const { std::free(block); }
    };
    std::unique_ptr<std::byte[], Free> bytes;
    std::size_t length = 0;
};

}  // namespace rw
