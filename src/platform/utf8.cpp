#include "platform/utf8.h"

#include <cstdint>
#include <cstring>

namespace dorvik {

std::size_t asciiRun(std::string_view text, std::size_t at)
{
    const std::size_t start = at;
    std::uint64_t word;
    while (at + 8 <= text.size()) {
        std::memcpy(&word, text.data() + at, 8);
        if (word & 0x8080808080808080ull)
            break;
        at += 8;
    }
    while (at < text.size() && static_cast<unsigned char>(text[at]) < 0x80)
        ++at;
    return at - start;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

char32_t nextCodePoint(std::string_view text, std::size_t& at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    ++at;
    if (lead < 0x80)
        return lead;
    int more;
    char32_t c;
    char32_t least;
    if (lead >= 0xC2 && lead < 0xE0) {
        more = 1, c = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        more = 2, c = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF5) {
        more = 3, c = lead & 0x07, least = 0x10000;
    } else {
        return kReplacementCharacter;
    }
    std::size_t next = at;
    for (int i = 0; i < more; ++i, ++next) {
        if (next >= text.size())
            return kReplacementCharacter;
        const auto b = static_cast<unsigned char>(text[next]);
        if ((b & 0xC0) != 0x80)
            return kReplacementCharacter;
        c = c << 6 | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past the last plane are not UTF-8.
    if (c < least || (c >= 0xD800 && c < 0xE000) || c > 0x10FFFF)
        return kReplacementCharacter;
    at = next;
    return c;
}

} // namespace dorvik
