// A workbook's zip container, opened from its bytes in memory through
// libzip. Its entries are read in blocks, and never more than a fixed total
// of unpacked bytes, so that a small file that unpacks to gigabytes (a zip
// bomb) is refused instead of filling the memory.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

struct zip;

namespace dorvik::import {

inline constexpr std::uint64_t kMaxUnpackedBytes = 256ull << 20;

class ZipArchive {
public:
    // bytes must outlive the archive.
    explicit ZipArchive(std::string_view bytes, std::uint64_t maxUnpacked = kMaxUnpackedBytes);
    ~ZipArchive();
    ZipArchive(const ZipArchive&) = delete;
    ZipArchive& operator=(const ZipArchive&) = delete;

    bool isOpen() const { return zip_ != nullptr; }
    bool has(const std::string& name) const;

    // Hands the entry's unpacked bytes to block in order; block returns false
    // to stop. Returns the reason when the entry is missing, cannot be
    // unpacked, or would take the unpacked total past the limit; else the
    // empty text.
    std::string read(const std::string& name, const std::function<bool(std::string_view)>& block);

private:
    struct zip* zip_ = nullptr;
    std::string openFailure_; // why the bytes would not open as a zip
    std::uint64_t maxUnpacked_;
    std::uint64_t unpacked_ = 0;
};

// Why a workbook is refused: "Tabelata e pregolema koga ke se raspakuva
// (povekje od 256 MiB)."
std::string unpackedTooLargeMessage();

} // namespace dorvik::import
