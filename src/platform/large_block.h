// Memory for large tables (the record table of a full file, 4.8 MB). A large
// block starts on a 2 MiB boundary and is offered to the kernel for huge
// pages: it is then mapped in a few page faults instead of more than a
// thousand, which on a virtual machine costs more than reading the file.
// Small blocks come from the heap.
#pragma once

#include <cstddef>

namespace dorvik {

void* allocateLargeBlock(std::size_t bytes);
// bytes: the size the block was allocated with.
void freeLargeBlock(void* memory, std::size_t bytes) noexcept;

} // namespace dorvik
