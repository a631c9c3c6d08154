#include "import/amount_text.h"

#include <charconv>
#include <cmath>
#include <vector>

namespace dorvik::import {

namespace {

constexpr std::size_t kMostWholeDigits = 13;

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Whether the whole part is grouped by thousands with this separator: one
// to three digits, not starting with a 0 unless alone, then groups of three.
bool groupedBy(std::string_view whole, char separator)
{
    std::vector<std::string_view> groups;
    std::size_t from = 0;
    for (;;) {
        const std::size_t cut = whole.find(separator, from);
        groups.push_back(whole.substr(from, cut - from));
        if (cut == std::string_view::npos)
            break;
        from = cut + 1;
    }
    if (groups.front().empty() || groups.front().size() > 3 || groups.front()[0] == '0')
        return false;
    for (std::size_t i = 1; i < groups.size(); ++i)
        if (groups[i].size() != 3)
            return false;
    return true;
}

Amount fromParts(std::string_view whole, char separator, std::string_view fraction)
{
    Amount amount;
    std::string digits;
    for (const char c : whole)
        if (c != separator)
            digits.push_back(c);
    if (fraction.size() > 2) {
        amount.error = kDecimalsReason;
        return amount;
    }
    if (digits.empty() && fraction.empty()) {
        amount.error = kNotNumberReason;
        return amount;
    }
    const std::size_t firstDigit = digits.find_first_not_of('0');
    if (firstDigit != std::string::npos && digits.size() - firstDigit > kMostWholeDigits) {
        amount.error = "prevelik broj";
        return amount;
    }
    std::int64_t value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    std::int64_t cents = 0;
    for (std::size_t i = 0; i < 2; ++i)
        cents = cents * 10 + (i < fraction.size() ? fraction[i] - '0' : 0);
    amount.hundredths = value * 100 + cents;
    return amount;
}

} // namespace

std::string withoutBlanks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == ' ' || c == '\t')
            continue;
        if (text.compare(i, 2, "\xC2\xA0") == 0) { // no-break space
            ++i;
            continue;
        }
        // Thin, figure and narrow no-break spaces: U+2009, U+2007, U+202F.
        if (text.compare(i, 3, "\xE2\x80\x89") == 0 || text.compare(i, 3, "\xE2\x80\x87") == 0
            || text.compare(i, 3, "\xE2\x80\xAF") == 0) {
            i += 2;
            continue;
        }
        out.push_back(c);
    }
    return out;
}

Amount parseAmount(std::string_view text)
{
    std::string compact = withoutBlanks(text);
    std::string_view t = compact;
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
