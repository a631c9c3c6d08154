#include "import/amount_text.h"

#include <charconv>
#include <cmath>
#include <algorithm>
#include <array>

namespace dorvik::import {

namespace {

constexpr std::size_t kMostWholeDigits = 13;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the whole part is grouped by thousands with this separator: one
// to three digits, not starting with a 0 unless alone, then groups of three.
bool groupedBy(std::string_view whole, char separator)
{
    const std::size_t first = std::min(whole.find(separator), whole.size());
    if (first == 0 || first > 3 || whole[0] == '0')
        return false;
    for (std::size_t at = first; at < whole.size(); at += 4) {
        // A separator and three digits after it.
        if (whole[at] != separator || at + 3 >= whole.size())
            return false;
        for (std::size_t k = 1; k <= 3; ++k)
            if (whole[at + k] == separator)
                return false;
    }
    return true;
}

Amount fromParts(std::string_view whole, char separator, std::string_view fraction)
{
    Amount amount;
    if (fraction.size() > 2) {
        amount.error = kDecimalsReason;
        return amount;
    }
    // The digits of the whole part, the separators left out; leading zeros
    // count for nothing.
    std::int64_t value = 0;
    std::size_t digits = 0, significant = 0;
    for (const char c : whole) {
        if (c == separator)
            continue;
        ++digits;
        if (significant > 0 || c != '0')
            ++significant;
        if (significant <= kMostWholeDigits)
            value = value * 10 + (c - '0');
    }
    if (digits == 0 && fraction.empty()) {
        amount.error = kNotNumberReason;
        return amount;
    }
    if (significant > kMostWholeDigits) {
        amount.error = "prevelik broj";
        return amount;
    }
    std::int64_t cents = 0;
    for (std::size_t i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    amount.hundredths = value * 100 + cents;
    return amount;
}

} // namespace

std::string_view compactView(std::string_view text, std::string& out)
{
    // Most cells have no blank at all: none of the bytes a blank starts with.
    static constexpr auto kStartsBlank = [] {
        std::array<bool, 256> starts{};
        starts[' '] = starts['\t'] = starts[0xC2] = starts[0xE2] = true;
        return starts;
    }();
    std::size_t i = 0;
    while (i < text.size() && !kStartsBlank[static_cast<unsigned char>(text[i])])
        ++i;
    if (i == text.size())
        return text;
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t')
            continue;
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c == '\xC2' && next == '\xA0') { // no-break space
            ++i;
            continue;
        }
        // Thin, figure and narrow no-break spaces: U+2009, U+2007, U+202F.
        if (c == '\xE2' && next == '\x80' && i + 2 < text.size()
            && (text[i + 2] == '\x89' || text[i + 2] == '\x87' || text[i + 2] == '\xAF')) {
            i += 2;
            continue;
        }
        out.push_back(c);
    }
    return out;
}

Amount parseAmount(std::string_view text)
{
    std::string compact;
    std::string_view t = compactView(text, compact);
    Amount amount;
    if (!t.empty() && (t[0] == '-' || t[0] == '(' || t.back() == '-')) {
        amount.error = kNegativeReason;
        return amount;
    }
    if (!t.empty() && t[0] == '+')
        t.remove_prefix(1);
    std::size_t points = 0, commas = 0;
    for (const char c : t) {
        if (c == '.')
            ++points;
        else if (c == ',')
            ++commas;
        else if (!isDigit(c)) {
            amount.error = kNotNumberReason;
            return amount;
        }
    }
    if (points + commas == 0)
        return fromParts(t, '.', {});
    const std::size_t last = t.find_last_of(".,");
    const char lastSeparator = t[last];
    const std::string_view whole = t.substr(0, last);
    const std::string_view after = t.substr(last + 1);
    if (points > 0 && commas > 0) {
        // Both kinds: the last one is the decimal point, once, and the other
        // groups the thousands.
        const char grouping = lastSeparator == '.' ? ',' : '.';
        if ((lastSeparator == '.' ? points : commas) != 1 || !groupedBy(whole, grouping)) {
            amount.error = kNotNumberReason;
            return amount;
        }
        return fromParts(whole, grouping, after);
    }
    if (points + commas > 1) {
        // One kind, several times: it groups the thousands.
        if (!groupedBy(t, lastSeparator)) {
            amount.error = kNotNumberReason;
            return amount;
        }
        return fromParts(t, lastSeparator, {});
    }
    if (after.size() == 3 && groupedBy(t, lastSeparator))
        return fromParts(t, lastSeparator, {});
    return fromParts(whole, '\0', after);
}

Amount amountOfNumber(std::string_view plain)
{
    Amount amount;
    double value = 0;
    const char* end = plain.data() + plain.size();
    const auto parsed = std::from_chars(plain.data(), end, value);
    if (parsed.ec != std::errc() || parsed.ptr != end || !std::isfinite(value)) {
        amount.error = kNotNumberReason;
        return amount;
    }
    if (value < 0) {
        amount.error = kNegativeReason;
        return amount;
    }
    if (value >= 1e13) {
        amount.error = "prevelik broj";
        return amount;
    }
    const double scaled = value * 100;
    const double rounded = std::round(scaled);
    // A number of two decimals comes as the nearest double; anything
    // further off has more decimals.
    if (std::fabs(scaled - rounded) > 1e-6 * std::max(1.0, scaled / 1e9)) {
        amount.error = kDecimalsReason;
        return amount;
    }
    amount.hundredths = static_cast<std::int64_t>(rounded);
    return amount;
}

} // namespace dorvik::import
