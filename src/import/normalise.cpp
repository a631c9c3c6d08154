#include "import/normalise.h"

#include "check/numeric_text.h"
#include "check/service_length.h"
#include "import/amount_text.h"
#include "platform/utf8.h"
#include "platform/windows_1251.h"

#include <array>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>

namespace dorvik::import {

namespace {

constexpr const char* kDigitsOnlyReason = "smee da ima samo cifri";
constexpr const char* kNotWholeReason = "ne e cel broj";
constexpr const char* kNotPeriodReason = "ne e period (DDMM) nitu datum";
constexpr const char* kNoDateReason = "takov datum ne postoi";
// The first day of the spreadsheet programs' day count: serial 1 is
// 1900-01-01, and the count takes 1900 for a leap year, so from March 1900
// on (every date a report can hold) day 0 is 1899-12-30.
constexpr std::chrono::sys_days kSerialZero{std::chrono::year{1899} / 12 / 30};
constexpr long kLastSerial = 2958465; // 9999-12-31

bool isBlankChar(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Without blanks, line ends and no-break spaces (U+00A0) at either end.
std::string_view trimmed(std::string_view text)
{
    for (;;) {
        const std::size_t n = text.size();
        if (n > 0 && isBlankChar(text[0]))
            text.remove_prefix(1);
        else if (n > 1 && text[0] == '\xC2' && text[1] == '\xA0')
            text.remove_prefix(2);
        else if (n > 0 && isBlankChar(text[n - 1]))
            text.remove_suffix(1);
        else if (n > 1 && text[n - 2] == '\xC2' && text[n - 1] == '\xA0')
            text.remove_suffix(2);
        else
            return text;
    }
}

// The value as the user means it (see cellValue); scratch holds it when it
// is not a part of the text.
std::string_view valueOf(std::string_view text, std::string& scratch)
{
    // Most cells start and end in a letter or digit: they are their value.
    auto plain = [](char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); };
    if (!text.empty() && plain(text.front()) && plain(text.back()))
        return text;
    std::string_view t = trimmed(text);
    if (t.size() >= 3 && t[0] == '=' && t[1] == '"' && t.back() == '"') {
        const std::string_view inner = t.substr(2, t.size() - 3);
        scratch.clear();
        for (std::size_t i = 0; i < inner.size(); ++i) {
            scratch.push_back(inner[i]);
            if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"')
                ++i;
        }
        return trimmed(scratch);
    }
    if (!t.empty() && t.front() == '\'')
        t = trimmed(t.substr(1));
    return t;
}

FieldValue failed(std::string reason)
{
    FieldValue v;
    v.error = std::move(reason);
    return v;
}

FieldValue passed(std::string_view stored)
{
    FieldValue v;
    v.store(stored);
    return v;
}

// The digits with zeros in front up to the width.
FieldValue withLeftZeros(std::string_view digits, std::size_t width)
{
    constexpr std::string_view kZeros = "0000000000000";
    FieldValue v;
    v.appendBytes(kZeros.substr(0, width > digits.size() ? width - digits.size() : 0));
    v.appendBytes(digits);
    return v;
}

// "1.23457E+12", as a number shown in exponent form.
bool isExponentForm(std::string_view t)
{
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t start = i;
        while (i < t.size() && isDigit(t[i]))
            ++i;
        return i > start;
    };
    if (!digits())
        return false;
    if (i < t.size() && (t[i] == '.' || t[i] == ',')) {
        ++i;
        if (!digits())
            return false;
    }
    if (i >= t.size() || (t[i] != 'E' && t[i] != 'e'))
        return false;
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ++i;
    return digits() && i == t.size();
}

// "615.0" -> "615": a whole number a workbook or a sheet wrote with a
// fraction of zeros.
std::string_view withoutZeroFraction(std::string_view t)
{
    if (t.empty() || t.back() != '0')
        return t;
    std::size_t cut = t.size();
    while (cut > 0 && t[cut - 1] != '.' && t[cut - 1] != ',')
        --cut;
    if (cut <= 1 || cut == t.size())
        return t;
    --cut;
    if (t.find_first_not_of('0', cut + 1) == std::string_view::npos && allDigits(t.substr(0, cut)))
        return t.substr(0, cut);
    return t;
}

// The value of a few digits (checked to be digits before).
int numberOf(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

FieldValue identifier(Field field, const SheetCell& cell)
{
    const std::size_t width = static_cast<std::size_t>(fieldWidth(field));
    // Most are their field's digits already.
    if (cell.text.size() == width && allDigits(cell.text))
        return passed(cell.text);
    std::string scratch, compact;
    const std::string_view value = valueOf(cell.text, scratch);
    const std::string_view whole = compactView(value, compact);
    if (isExponentForm(whole))
        return failed(lostDigitsReason(value));
    const std::string_view digits = withoutZeroFraction(whole);
    if (digits.empty()) {
        // A missing personal number is stored as ten zeros, as the entry
        // screen takes it; the other two numbers are required.
        if (field != Field::LicenBroj)
            return failed(kEmptyReason);
        FieldValue v = withLeftZeros({}, width);
        v.note = "prazno -> " + std::string(v.stored());
        return v;
    }
    if (!allDigits(digits))
        return failed(kDigitsOnlyReason);
    if (digits.size() > width)
        return failed("poveke od " + std::to_string(width) + " cifri");
    FieldValue v = withLeftZeros(digits, width);
    if (digits.size() < width)
        v.note = std::string(digits) + " -> " + std::string(v.stored());
    return v;
}

FieldValue year(const SheetCell& cell)
{
    std::string scratch, compact;
    const std::string_view digits = withoutZeroFraction(compactView(valueOf(cell.text, scratch), compact));
    if (digits.empty())
        return failed(kEmptyReason);
    if (!allDigits(digits))
        return failed(kDigitsOnlyReason);
    if (digits.size() <= 2)
        return withLeftZeros(digits, 2);
    if (digits.size() == 4) {
        const int full = numberOf(digits);
        if (full >= 1970 && full <= 2069)
            return passed(digits.substr(2));
    }
    return failed("godinata treba da bide od 1970 do 2069 (ili so dve cifri)");
}

// The report's year in full: "70" to "99" are 1970 to 1999, "00" to "69"
// 2000 to 2069.
int fullYear(int twoDigits) { return twoDigits >= 70 ? 1900 + twoDigits : 2000 + twoDigits; }

FieldValue dayOfDate(std::chrono::year_month_day date, bool fourDigitYear, std::string_view reportYear)
{
    if (!date.ok())
        return failed(kNoDateReason);
    if (reportYear.size() == 2 && allDigits(reportYear)) {
        const int report = fullYear(numberOf(reportYear));
        const int y = static_cast<int>(date.year());
        if (fourDigitYear ? y != report : y % 100 != report % 100)
            return failed("datumot ne e vo godinata na prijavata (" + std::to_string(report) + ")");
    }
    const unsigned d = static_cast<unsigned>(date.day());
    const unsigned m = static_cast<unsigned>(date.month());
    const char text[4] = {static_cast<char>('0' + d / 10), static_cast<char>('0' + d % 10),
                          static_cast<char>('0' + m / 10), static_cast<char>('0' + m % 10)};
    return passed(std::string_view(text, 4));
}

FieldValue dayOfSerial(double serial, std::string_view reportYear)
{
    const long whole = static_cast<long>(std::floor(serial));
    if (whole < 61 || whole > kLastSerial)
        return failed(kNotPeriodReason);
    return dayOfDate(std::chrono::year_month_day{kSerialZero + std::chrono::days{whole}}, true, reportYear);
}

// "1.1.2003", "01/01/03", "2003-01-01" (day first unless the year leads).
FieldValue dayOfText(std::string_view t, std::string_view reportYear)
{
    if (!t.empty() && t.back() == '.')
        t.remove_suffix(1);
    std::array<std::string_view, 3> parts;
    std::size_t count = 0, from = 0;
    for (;;) {
        std::size_t cut = from;
        while (cut < t.size() && t[cut] != '.' && t[cut] != '/' && t[cut] != '-')
            ++cut;
        if (cut == t.size())
            cut = std::string_view::npos;
        if (count == parts.size())
            return failed(kNotPeriodReason);
        parts[count++] = t.substr(from, cut - from);
        if (cut == std::string_view::npos)
            break;
        from = cut + 1;
    }
    if (count != 3)
        return failed(kNotPeriodReason);
    for (const std::string_view p : parts)
        if (p.empty() || p.size() > 4 || !allDigits(p))
            return failed(kNotPeriodReason);
    std::string_view day = parts[0], month = parts[1], yearText = parts[2];
    if (parts[0].size() == 4) {
        yearText = parts[0];
        day = parts[2];
    }
    if (day.size() > 2 || month.size() > 2 || (yearText.size() != 2 && yearText.size() != 4))
        return failed(kNotPeriodReason);
    int y = numberOf(yearText);
    if (yearText.size() == 2)
        y = fullYear(y);
    const std::chrono::year_month_day date{std::chrono::year{y},
                                           std::chrono::month{static_cast<unsigned>(numberOf(month))},
                                           std::chrono::day{static_cast<unsigned>(numberOf(day))}};
    return dayOfDate(date, yearText.size() == 4, reportYear);
}

FieldValue period(const SheetCell& cell, std::string_view reportYear)
{
    std::string scratch, compact;
    const std::string_view value = valueOf(cell.text, scratch);
    if (value.empty())
        return failed(kEmptyReason);
    if (cell.number) {
        double v = 0;
        std::from_chars(cell.text.data(), cell.text.data() + cell.text.size(), v);
        if (v >= 10000)
            return dayOfSerial(v, reportYear);
    }
    // A time after the day ("2003-01-01T00:00:00", "1.1.2003 0:00") is not part of it.
    std::string_view day = value.substr(0, value.find('T'));
    if (const std::size_t colon = day.find(':'); colon != std::string_view::npos) {
        const std::size_t blank = day.rfind(' ', colon);
        day = day.substr(0, blank == std::string_view::npos ? 0 : blank);
    }
    const std::string_view t = withoutZeroFraction(compactView(day, compact));
    if (!t.empty() && allDigits(t)) {
        if (t.size() <= 4)
            return withLeftZeros(t, 4); // DDMM whose leading zero was lost
        if (t.size() <= 7)
            return dayOfSerial(numberOf(t), reportYear);
        return failed(kNotPeriodReason);
    }
    return dayOfText(t, reportYear);
}

// Hours, sick leave, benefit service and its code, the months and days:
// whole numbers of up to four digits.
FieldValue wholeNumber(const SheetCell& cell, std::size_t width, bool emptyIsZero)
{
    std::string scratch;
    const std::string_view value = valueOf(cell.text, scratch);
    if (value.empty())
        return emptyIsZero ? withLeftZeros({}, width) : failed(kEmptyReason);
    // Most are plain digits already.
    if (value.size() <= width && allDigits(value))
        return withLeftZeros(value, width);
    const Amount amount = cell.number ? amountOfNumber(cell.text) : parseAmount(value);
    if (amount.error == kDecimalsReason || (amount.error.empty() && amount.hundredths % 100 != 0))
        return failed(kNotWholeReason);
    if (!amount.error.empty())
        return failed(amount.error);
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, amount.hundredths / 100).ptr;
    const std::string_view text(digits, static_cast<std::size_t>(end - digits));
    if (text.size() > width)
        return failed("poveke od " + std::to_string(width) + " cifri");
    return withLeftZeros(text, width);
}

FieldValue denari(const SheetCell& cell, const NormaliseOptions& options)
{
    const std::size_t width = static_cast<std::size_t>(fieldWidth(Field::Denari));
    if (options.amounts == AmountUnit::FieldDigits)
        return wholeNumber(cell, width, false);
    std::string scratch;
    const std::string_view value = valueOf(cell.text, scratch);
    if (value.empty())
        return failed(kEmptyReason);
    const Amount amount = cell.number ? amountOfNumber(cell.text) : parseAmount(value);
    if (!amount.error.empty())
        return failed(amount.error);
    if (amount.hundredths > 999'999'999)
        return failed("pogolem od 9.999.999,99");
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, amount.hundredths).ptr;
    return withLeftZeros(std::string_view(digits, static_cast<std::size_t>(end - digits)), width);
}

std::string codeOf(char32_t c)
{
    char hex[8];
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(c));
    return std::string("U+") + hex;
}

// Names, the firm and the degree of increase: the report's code page, at
// most the field's width, blank-padded.
FieldValue text(Field field, std::string_view value)
{
    const std::size_t width = static_cast<std::size_t>(fieldWidth(field));
    FieldValue v;
    std::size_t count = 0;
    std::size_t at = 0;
    while (at < value.size()) {
        // Printable ASCII is the same bytes in the code page: a run at once.
        std::size_t end = at;
        while (end < value.size() && static_cast<unsigned char>(value[end]) - 0x20u < 0x5Fu)
            ++end;
        if (end > at) {
            const std::size_t room = count < width ? width - count : 0;
            v.appendBytes(value.substr(at, std::min(room, end - at)));
            count += end - at;
            at = end;
            continue;
        }
        const std::size_t start = at;
        const char32_t c = nextCodePoint(value, at);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            return failed("kontrolen znak " + codeOf(c));
        const auto byte = unicodeToWindows1251(c);
        if (!byte)
            return failed("znakot '" + std::string(value.substr(start, at - start)) + "' (" + codeOf(c)
                          + ") go nema vo kodnata strana na datotekata");
        if (++count <= width)
            v.append(*byte);
    }
    if (count > width)
        return failed("podolgo od " + std::to_string(width) + " znaci (" + std::to_string(count) + ")");
    constexpr std::string_view kBlanks = "                                   ";
    v.appendBytes(kBlanks.substr(0, width - v.stored().size()));
    return v;
}

} // namespace

std::string lostDigitsReason(std::string_view shown)
{
    return "Excel gi izgubil cifrite (" + std::string(shown)
           + "); formatirajte ja kolonata kako tekst";
}

std::string cellValue(std::string_view text)
{
    std::string scratch;
    return std::string(valueOf(text, scratch));
}

FieldValue normaliseField(Field field, const SheetCell& cell, std::string_view reportYear,
                          const NormaliseOptions& options)
{
    switch (field) {
    case Field::Godina:
        return year(cell);
    case Field::LicenBroj:
    case Field::MaticenBroj:
    case Field::RegistarskiBroj:
        return identifier(field, cell);
    case Field::ImePrezime:
    case Field::Firma:
    case Field::StepenZgolem: {
        std::string scratch;
        return text(field, valueOf(cell.text, scratch));
    }
    case Field::PeriodOd:
    case Field::PeriodDo:
        return period(cell, reportYear);
    case Field::Denari:
        return denari(cell, options);
    case Field::Mesec:
    case Field::VkRabCasovi:
        return wholeNumber(cell, 4, false);
    case Field::Boleduvanje:
    case Field::EfektStaz:
    case Field::SifraStaz:
        return wholeNumber(cell, 4, true);
    }
    return failed(kEmptyReason);
}

FieldValue serviceMonths(std::string_view periodOd, std::string_view periodDo)
{
    auto two = [](std::string_view t, std::size_t at) { return (t[at] - '0') * 10 + (t[at + 1] - '0'); };
    if (periodOd.size() != 4 || periodDo.size() != 4 || !allDigits(periodOd) || !allDigits(periodDo))
        return failed("periodot ne e vo red");
    const int startDay = two(periodOd, 0), startMonth = two(periodOd, 2);
    const int endDay = two(periodDo, 0), endMonth = two(periodDo, 2);
    if (endMonth * 100 + endDay < startMonth * 100 + startDay)
        return failed("krajot na periodot e pred negoviot pocetok");
    const std::string months = serviceLength(startDay, startMonth, endDay, endMonth).text();
    if (months.size() != 4)
        return failed("periodot ne e vo red");
    return passed(months);
}

} // namespace dorvik::import
