// The table that holds a file's records, in memory from the platform's
// large-block allocator: a full file's table is then mapped in a few page
// faults.
#pragma once

#include "data/report_record.h"
#include "platform/large_block.h"

#include <cstddef>
#include <vector>

namespace dorvik {

// A file holds at most this many records (the counts are 16-bit).
inline constexpr int kMaxRecords = 32767;

template <typename T>
struct RecordTableAllocator {
    using value_type = T;
    RecordTableAllocator() = default;
    template <typename U>
    RecordTableAllocator(const RecordTableAllocator<U>&) {}
    T* allocate(std::size_t n) { return static_cast<T*>(allocateLargeBlock(n * sizeof(T))); }
    void deallocate(T* p, std::size_t n) noexcept { freeLargeBlock(p, n * sizeof(T)); }
    friend bool operator==(const RecordTableAllocator&, const RecordTableAllocator&) { return true; }
};

using RecordTable = std::vector<ReportRecord, RecordTableAllocator<ReportRecord>>;

} // namespace dorvik
