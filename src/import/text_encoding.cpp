#include "import/text_encoding.h"

#include "platform/utf8.h"
#include "platform/windows_1251.h"

#include <array>

namespace dorvik::import {

namespace {

struct Named {
    TextEncoding encoding;
    std::string_view name;
};
constexpr std::array<Named, 5> kNames = {{{TextEncoding::Auto, "auto"},
                                          {TextEncoding::Utf8, "utf-8"},
                                          {TextEncoding::Utf16Le, "utf-16le"},
                                          {TextEncoding::Utf16Be, "utf-16be"},
                                          {TextEncoding::Windows1251, "windows-1251"}}};

bool startsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeMark = "\xFF\xFE";
constexpr std::string_view kUtf16BeMark = "\xFE\xFF";

// Whether the bytes are valid UTF-8 holding a multi-byte sequence.
bool looksLikeUtf8(std::string_view bytes)
{
    bool multiByte = false;
    std::size_t at = 0;
    while (at < bytes.size()) {
        at += asciiRun(bytes, at);
        if (at == bytes.size())
            break;
        // An invalid byte gives U+FFFD and moves one byte; U+FFFD itself is three.
        const std::size_t start = at;
        if (nextCodePoint(bytes, at) == kReplacementCharacter && at == start + 1)
            return false;
        multiByte = true;
    }
    return multiByte;
}

std::string fromUtf16(std::string_view bytes, bool littleEndian)
{
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t at) {
        const auto lo = static_cast<unsigned char>(bytes[at + (littleEndian ? 0 : 1)]);
        const auto hi = static_cast<unsigned char>(bytes[at + (littleEndian ? 1 : 0)]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    std::size_t at = 0;
    for (; at + 1 < bytes.size(); at += 2) {
        const char32_t u = unit(at);
        if (u >= 0xD800 && u < 0xDC00 && at + 3 < bytes.size()) {
            const char32_t low = unit(at + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (low - 0xDC00));
                at += 2;
                continue;
            }
        }
        appendUtf8(out, u >= 0xD800 && u < 0xE000 ? kReplacementCharacter : u);
    }
    if (at < bytes.size()) // an odd byte at the end
        appendUtf8(out, kReplacementCharacter);
    return out;
}

// Valid UTF-8 kept, every invalid byte one U+FFFD.
std::string cleanUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        // Runs of ASCII are copied whole.
        const std::size_t end = at + asciiRun(bytes, at);
        out.append(bytes.substr(at, end - at));
        at = end;
        if (at == bytes.size())
            break;
        const std::size_t start = at;
        const char32_t c = nextCodePoint(bytes, at);
        if (c == kReplacementCharacter && at == start + 1)
            appendUtf8(out, kReplacementCharacter);
        else
            out.append(bytes.substr(start, at - start));
    }
    return out;
}

} // namespace

std::string_view encodingName(TextEncoding encoding)
{
    for (const Named& n : kNames)
        if (n.encoding == encoding)
            return n.name;
    return {};
}

std::optional<TextEncoding> encodingFromName(std::string_view name)
{
    std::string lower;
    for (const char c : name)
        lower.push_back(c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c);
    if (lower == "utf8")
        return TextEncoding::Utf8;
    if (lower == "cp1251")
        return TextEncoding::Windows1251;
    for (const Named& n : kNames)
        if (n.name == lower)
            return n.encoding;
    return std::nullopt;
}

DecodedText decodeText(std::string_view bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Auto) {
        if (startsWith(bytes, kUtf8Mark))
            encoding = TextEncoding::Utf8;
        else if (startsWith(bytes, kUtf16LeMark))
            encoding = TextEncoding::Utf16Le;
        else if (startsWith(bytes, kUtf16BeMark))
            encoding = TextEncoding::Utf16Be;
        else
            encoding = looksLikeUtf8(bytes) ? TextEncoding::Utf8 : TextEncoding::Windows1251;
    }
    switch (encoding) {
    case TextEncoding::Utf8:
        if (startsWith(bytes, kUtf8Mark))
            bytes.remove_prefix(kUtf8Mark.size());
        return {cleanUtf8(bytes), encoding};
    case TextEncoding::Utf16Le:
    case TextEncoding::Utf16Be: {
        const bool little = encoding == TextEncoding::Utf16Le;
        if (startsWith(bytes, little ? kUtf16LeMark : kUtf16BeMark))
            bytes.remove_prefix(2);
        return {fromUtf16(bytes, little), encoding};
    }
    case TextEncoding::Windows1251:
    case TextEncoding::Auto:
        break;
    }
    return {windows1251ToUtf8(bytes), TextEncoding::Windows1251};
}

} // namespace dorvik::import
