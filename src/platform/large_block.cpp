#include "platform/large_block.h"

#include <cstdint>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace dorvik {

namespace {
constexpr std::size_t kHugePage = std::size_t{2} << 20;
// Below this a block comes from the heap: a huge page would hold mostly
// nothing.
constexpr std::size_t kLargeBlockBytes = std::size_t{1} << 20;

constexpr std::size_t roundUp(std::size_t bytes, std::size_t unit)
{
    return (bytes + unit - 1) / unit * unit;
}
} // namespace

void* allocateLargeBlock(std::size_t bytes)
{
#ifdef __linux__
    if (bytes >= kLargeBlockBytes) {
        const std::size_t size = roundUp(bytes, kHugePage);
        // Mapped with a huge page's worth to spare, then cut to the boundary.
        const std::size_t mapped = size + kHugePage;
        void* const area = ::mmap(nullptr, mapped, PROT_READ | PROT_WRITE,
                                  MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (area == MAP_FAILED)
            throw std::bad_alloc();
        const auto start = reinterpret_cast<std::uintptr_t>(area);
        const std::uintptr_t aligned = roundUp(start, kHugePage);
        if (aligned > start)
            ::munmap(area, aligned - start);
        const std::size_t after = mapped - (aligned - start) - size;
        if (after > 0)
            ::munmap(reinterpret_cast<void*>(aligned + size), after);
        // Only advice: without huge pages the block works the same.
        ::madvise(reinterpret_cast<void*>(aligned), size, MADV_HUGEPAGE);
        return reinterpret_cast<void*>(aligned);
    }
#endif
    return ::operator new(bytes);
}

void freeLargeBlock(void* memory, std::size_t bytes) noexcept
{
#ifdef __linux__
    if (bytes >= kLargeBlockBytes) {
        ::munmap(memory, roundUp(bytes, kHugePage));
        return;
    }
#endif
    ::operator delete(memory);
}

} // namespace dorvik
