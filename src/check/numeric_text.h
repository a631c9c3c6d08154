// Turning field texts into numbers the way every check does: blanks around
// the digits are allowed, nothing else is (no sign, point, comma or letter).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace dorvik {

inline std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The value of a text that is, without its leading and trailing blanks, a
// non-empty run of the digits 0 to 9; nothing otherwise (the empty text too).
inline std::optional<std::int64_t> toNumber(std::string_view text)
{
    const std::string_view digits = trimBlanks(text);
    if (digits.empty())
        return std::nullopt;
    std::int64_t value = 0;
    for (const char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        // Only the numeric test reads long texts (13 digits at most); it
        // needs no value, so a saturated one is enough.
        value = value < 100'000'000'000'000'000 ? value * 10 + (c - '0') : value;
    }
    return value;
}

inline bool isNumericText(std::string_view text) { return toNumber(text).has_value(); }

} // namespace dorvik
