// Cutting a report file into its lines as its bytes arrive.
#pragma once

#include "data/report_record.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace dorvik {

// Cuts report file bytes that arrive in blocks into lines: a line ends at
// CR LF or a lone CR; a lone LF is an ordinary byte. The lines are the same
// wherever the blocks end, also when a line, or the CR LF ending it, is
// split between blocks. Only lines of up to kKept bytes are handed
// over with their bytes; of a longer line that spans blocks only the length
// is known.
class LineCutter {
public:
    static constexpr std::size_t kKept = kRecordLength;

    // Calls line(text, length) for each line the block completes: text is
    // the line when length <= kKept. Returns false as soon as line does.
    template <typename OnLine>
    bool feed(std::string_view block, OnLine&& line)
    {
        const char* at = block.data();
        const char* const end = at + block.size();
        if (skipLf_ && at != end) {
            skipLf_ = false;
            if (*at == '\n')
                ++at;
        }
        while (at != end) {
            const auto* cr = static_cast<const char*>(std::memchr(at, '\r', end - at));
            if (!cr) {
                keep(at, end);
                return true;
            }
            bool more;
            if (pendingLength_ == 0) {
                more = line(std::string_view(at, cr - at), static_cast<std::uint64_t>(cr - at));
            } else {
                keep(at, cr);
                more = line(std::string_view(pending_.data(), std::min<std::uint64_t>(pendingLength_, kKept)),
                            pendingLength_);
                pendingLength_ = 0;
            }
            at = cr + 1;
            if (at == end)
                skipLf_ = true;
            else if (*at == '\n')
                ++at;
            if (!more)
                return false;
        }
        return true;
    }

    // The last line, when the bytes did not end with a line end.
    template <typename OnLine>
    void finish(OnLine&& line)
    {
        if (pendingLength_ > 0)
            line(std::string_view(pending_.data(), std::min<std::uint64_t>(pendingLength_, kKept)),
                 pendingLength_);
        pendingLength_ = 0;
        skipLf_ = false;
    }

private:
    void keep(const char* from, const char* to)
    {
        const auto length = static_cast<std::uint64_t>(to - from);
        if (pendingLength_ < kKept) {
            const auto room = static_cast<std::size_t>(kKept - pendingLength_);
            std::memcpy(pending_.data() + pendingLength_, from, std::min<std::size_t>(room, length));
        }
        pendingLength_ += length;
    }

    std::array<char, kKept> pending_;
    std::uint64_t pendingLength_ = 0;
    bool skipLf_ = false;
};

} // namespace dorvik
