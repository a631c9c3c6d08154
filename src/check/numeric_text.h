// Reading field texts the way every check does: digits, numbers (blanks
// around the digits are allowed, nothing else is: no sign, point, comma or
// letter), runs of one character and the order of texts.
#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>

namespace dorvik {

inline bool isDigit(char c) { return static_cast<unsigned char>(c - '0') <= 9; }

// Whether all eight bytes of a word are digits: the high half of each byte
// is 3 and the low half at most 9 (adding 6 to it does not reach the high
// half). No carry crosses from one byte into the next.
inline bool allDigits8(std::uint64_t word)
{
    constexpr std::uint64_t kHigh = 0xF0F0F0F0F0F0F0F0ull;
    constexpr std::uint64_t kLow = 0x0F0F0F0F0F0F0F0Full;
    return (word & kHigh) == 0x3030303030303030ull
           && (((word & kLow) + 0x0606060606060606ull) & kHigh) == 0;
}

// Whether every character of the text is a digit 0 to 9 (true for the empty
// text). Texts of eight characters or more are tested a word at a time.
inline bool allDigits(std::string_view text)
{
    const char* p = text.data();
    std::size_t n = text.size();
    if (n < 8) {
        if (n < 4) {
            for (std::size_t i = 0; i < n; ++i)
                if (!isDigit(p[i]))
                    return false;
            return true;
        }
        // Two words of four, overlapping when fewer than eight, tested as one.
        std::uint32_t first, last;
        std::memcpy(&first, p, 4);
        std::memcpy(&last, p + n - 4, 4);
        return allDigits8(std::uint64_t{first} << 32 | last);
    }
    std::uint64_t word;
    while (n > 8) {
        std::memcpy(&word, p, 8);
        if (!allDigits8(word))
            return false;
        p += 8;
        n -= 8;
    }
    // The last eight characters, which may overlap those already tested.
    std::memcpy(&word, p + n - 8, 8);
    return allDigits8(word);
}

// The text without its leading and trailing blanks.
inline std::string_view trimBlanks(std::string_view text)
{
    std::size_t first = 0;
    std::size_t end = text.size();
    while (first < end && text[first] == ' ')
        ++first;
    while (end > first && text[end - 1] == ' ')
        --end;
    return text.substr(first, end - first);
}

// Whether the text is, without its leading and trailing blanks, a non-empty
// run of the digits 0 to 9 (the empty text is not).
inline bool isNumericText(std::string_view text)
{
    // Most texts are digits from end to end.
    if (!text.empty() && allDigits(text))
        return true;
    const std::string_view digits = trimBlanks(text);
    if (digits.empty())
        return false;
    for (const char c : digits)
        if (!isDigit(c))
            return false;
    return true;
}

// The value of a numeric text (as above); nothing for any other text. The
// rules convert texts of four characters at most, so the value cannot
// overflow; longer texts saturate rather than wrap.
inline std::optional<std::int64_t> toNumber(std::string_view text)
{
    const std::string_view digits = trimBlanks(text);
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (!isDigit(c))
            return std::nullopt;
        value = value < 100'000'000'000'000'000 ? value * 10 + (c - '0') : value;
    }
    return value;
}

// Whether the text is exactly count times the character c.
inline bool isRun(std::string_view text, char c, std::size_t count)
{
    if (text.size() != count)
        return false;
    for (const char t : text)
        if (t != c)
            return false;
    return true;
}

// Texts compare character by character in code order (bytes as unsigned),
// a text that is a beginning of another coming first. On texts of two
// digits this is the numeric order.
inline int compareText(std::string_view a, std::string_view b)
{
    const std::size_t n = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < n; ++i) {
        const auto x = static_cast<unsigned char>(a[i]);
        const auto y = static_cast<unsigned char>(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() < b.size() ? -1 : a.size() > b.size() ? 1 : 0;
}

} // namespace dorvik
