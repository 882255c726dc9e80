#include "tree/LargeBuffer.h"

#include <sys/mman.h>

#include <new>

namespace rw {

namespace {

constexpr std::size_t kHugePage = std::size_t{2} << 20;

}  // namespace

LargeBuffer::LargeBuffer(std::size_t size) {
    const bool huge = size >= kHugePage;
    const std::size_t alignment = huge ? kHugePage : alignof(std::max_align_t);
    length = (size + alignment - 1) / alignment * alignment;
    bytes.reset(static_cast<std::byte*>(std::aligned_alloc(alignment, length)));
    if (bytes == nullptr) {
        throw std::bad_alloc();
    }
#ifdef MADV_HUGEPAGE
    if (huge) {
        ::madvise(bytes.get(), length, MADV_HUGEPAGE);  // only advice; failing is harmless
    }
#endif
}

}  // namespace rw
