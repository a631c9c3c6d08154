// Cutting a report file into its lines as its bytes arrive.
#pragma once

#include "data/report_record.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace dorvik {

// How a line ended: the file's own line end is CR LF; a lone CR or a lone LF
// (line ends changed on the way) ends a line as well; the last line of a
// file may have no end.
enum class LineEnd { CrLf, Cr, Lf, None };

// Cuts report file bytes that arrive in blocks into lines, at CR LF, a lone
// CR or a lone LF. The lines are the same wherever the blocks end, also when
// a line, or the CR LF ending it, is split between blocks. Only lines of up
// to kKept bytes are handed over with their bytes; of a longer line that
// spans blocks only the length is known.
class LineCutter {
public:
    static constexpr std::size_t kKept = kRecordLength;

    // Calls line(text, length, end) for each line the block completes: text
    // is the line when length <= kKept. Returns false as soon as line does.
    template <typename OnLine>
    bool feed(std::string_view block, OnLine&& line)
    {
        const char* at = block.data();
        const char* const end = at + block.size();
        if (crPending_ && at != end) {
            // The CR that ended the last block ended a line; an LF right
            // after it belongs to that end.
            crPending_ = false;
            const bool lf = *at == '\n';
            if (lf)
                ++at;
            if (!hand(line, lf ? LineEnd::CrLf : LineEnd::Cr))
                return false;
        }
        // The next CR and the next LF, each searched for again only once
        // passed.
        const char* cr = find(at, end, '\r');
        const char* lf = find(at, end, '\n');
        while (at != end) {
            if (cr < at)
                cr = find(at, end, '\r');
            if (lf < at)
                lf = find(at, end, '\n');
            const char* stop = std::min(cr, lf);
            if (stop == end) {
                keep(at, end);
                return true;
            }
            const char* const lineStart = at;
            at = stop + 1;
            LineEnd ending = LineEnd::Lf;
            if (*stop == '\r') {
                if (at == end) {
                    // CR LF may be split between this block and the next.
                    keep(lineStart, stop);
                    crPending_ = true;
                    return true;
                }
                ending = *at == '\n' ? LineEnd::CrLf : LineEnd::Cr;
                if (ending == LineEnd::CrLf)
                    ++at;
            }
            bool more;
            if (pendingLength_ == 0) {
                // The whole line is in this block: handed over without a copy.
                const auto length = static_cast<std::uint64_t>(stop - lineStart);
                more = line(std::string_view(lineStart, stop - lineStart), length, ending);
            } else {
                keep(lineStart, stop);
                more = hand(line, ending);
            }
            if (!more)
                return false;
        }
        return true;
    }

    // The last line: one that did not end before the bytes did, or the
    // line a CR ended as the very last byte.
    template <typename OnLine>
    void finish(OnLine&& line)
    {
        if (crPending_)
            hand(line, LineEnd::Cr);
        else if (pendingLength_ > 0)
            hand(line, LineEnd::None);
        pendingLength_ = 0;
        crPending_ = false;
    }

private:
    static const char* find(const char* from, const char* to, char c)
    {
        const auto* found = static_cast<const char*>(std::memchr(from, c, to - from));
        return found ? found : to;
    }

    template <typename OnLine>
    bool hand(OnLine& line, LineEnd end)
    {
        const std::uint64_t length = pendingLength_;
        pendingLength_ = 0;
        return line(std::string_view(pending_.data(), std::min<std::uint64_t>(length, kKept)),
                    length, end);
    }

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
    bool crPending_ = false;
};

} // namespace dorvik
