// Turning field texts into numbers the way every check does: blanks around
// the digits are allowed, nothing else is (no sign, point, comma or letter).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dorvik {

inline bool isDigit(char c) { return static_cast<unsigned char>(c - '0') <= 9; }

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

} // namespace dorvik
