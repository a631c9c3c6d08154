#include "import/normalise.h"

#include "check/numeric_text.h"
#include "check/service_length.h"
#include "import/amount_text.h"
#include "platform/utf8.h"
#include "platform/windows_1251.h"

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

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

std::string_view trimmed(std::string_view text)
{
    for (;;) {
        if (!text.empty() && isBlankChar(text.front()))
            text.remove_prefix(1);
        else if (text.substr(0, 2) == "\xC2\xA0")
            text.remove_prefix(2);
        else if (!text.empty() && isBlankChar(text.back()))
            text.remove_suffix(1);
        else if (text.size() >= 2 && text.substr(text.size() - 2) == "\xC2\xA0")
            text.remove_suffix(2);
        else
            return text;
    }
}

FieldValue failed(std::string reason)
{
    FieldValue v;
    v.error = std::move(reason);
    return v;
}

FieldValue passed(std::string stored, std::string note = {})
{
    FieldValue v;
    v.stored = std::move(stored);
    v.note = std::move(note);
    return v;
}

std::string leftZeros(std::string digits, int width)
{
    digits.insert(0, static_cast<std::size_t>(width) - std::min<std::size_t>(digits.size(), width), '0');
    return digits;
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
void dropZeroFraction(std::string& t)
{
    const std::size_t cut = t.find_last_of(".,");
    if (cut == std::string::npos || cut == 0 || cut + 1 == t.size())
        return;
    if (t.find_first_not_of('0', cut + 1) == std::string::npos
        && allDigits(std::string_view(t).substr(0, cut)))
        t.resize(cut);
}

FieldValue identifier(Field field, const SheetCell& cell)
{
    const std::string value = cellValue(cell.text);
    std::string digits = withoutBlanks(value);
    if (isExponentForm(digits))
        return failed(lostDigitsReason(value));
    dropZeroFraction(digits);
    const int width = fieldWidth(field);
    if (digits.empty()) {
        // A missing personal number is stored as ten zeros, as the entry
        // screen takes it; the other two numbers are required.
        if (field == Field::LicenBroj)
            return passed(std::string(static_cast<std::size_t>(width), '0'), "prazno -> 0000000000");
        return failed(kEmptyReason);
    }
    if (!allDigits(digits))
        return failed(kDigitsOnlyReason);
    if (digits.size() > static_cast<std::size_t>(width))
        return failed("poveke od " + std::to_string(width) + " cifri");
    if (digits.size() == static_cast<std::size_t>(width))
        return passed(digits);
    const std::string stored = leftZeros(digits, width);
    return passed(stored, digits + " -> " + stored);
}

FieldValue year(const SheetCell& cell)
{
    std::string digits = withoutBlanks(cellValue(cell.text));
    dropZeroFraction(digits);
    if (digits.empty())
        return failed(kEmptyReason);
    if (!allDigits(digits))
        return failed(kDigitsOnlyReason);
    if (digits.size() <= 2)
        return passed(leftZeros(digits, 2));
    if (digits.size() == 4) {
        const int full = std::stoi(digits);
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
        const int report = fullYear(std::stoi(std::string(reportYear)));
        const int y = static_cast<int>(date.year());
        if (fourDigitYear ? y != report : y % 100 != report % 100)
            return failed("datumot ne e vo godinata na prijavata (" + std::to_string(report) + ")");
    }
    char text[5];
    const unsigned d = static_cast<unsigned>(date.day());
    const unsigned m = static_cast<unsigned>(date.month());
    text[0] = static_cast<char>('0' + d / 10);
    text[1] = static_cast<char>('0' + d % 10);
    text[2] = static_cast<char>('0' + m / 10);
    text[3] = static_cast<char>('0' + m % 10);
    return passed(std::string(text, 4));
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
    std::vector<std::string_view> parts;
    std::size_t from = 0;
    for (;;) {
        const std::size_t cut = t.find_first_of("./-", from);
        parts.push_back(t.substr(from, cut - from));
        if (cut == std::string_view::npos)
            break;
        from = cut + 1;
    }
    if (parts.size() != 3)
        return failed(kNotPeriodReason);
    for (const std::string_view p : parts)
        if (p.empty() || p.size() > 4 || !allDigits(p))
            return failed(kNotPeriodReason);
    auto number = [](std::string_view p) { return static_cast<unsigned>(std::stoi(std::string(p))); };
    std::string_view day = parts[0], month = parts[1], yearText = parts[2];
    if (parts[0].size() == 4) {
        yearText = parts[0];
        day = parts[2];
    }
    if (day.size() > 2 || month.size() > 2 || (yearText.size() != 2 && yearText.size() != 4))
        return failed(kNotPeriodReason);
    int y = static_cast<int>(number(yearText));
    if (yearText.size() == 2)
        y = fullYear(y);
    const std::chrono::year_month_day date{std::chrono::year{y}, std::chrono::month{number(month)},
                                           std::chrono::day{number(day)}};
    return dayOfDate(date, yearText.size() == 4, reportYear);
}

FieldValue period(const SheetCell& cell, std::string_view reportYear)
{
    const std::string value = cellValue(cell.text);
    if (value.empty())
        return failed(kEmptyReason);
    if (cell.number) {
        double v = 0;
        std::from_chars(cell.text.data(), cell.text.data() + cell.text.size(), v);
        if (v >= 10000)
            return dayOfSerial(v, reportYear);
    }
    // A time after the day ("2003-01-01T00:00:00", "1.1.2003 0:00") is not part of it.
    std::string_view day = value;
    day = day.substr(0, day.find('T'));
    if (const std::size_t colon = day.find(':'); colon != std::string_view::npos) {
        const std::size_t blank = day.rfind(' ', colon);
        day = day.substr(0, blank == std::string_view::npos ? 0 : blank);
    }
    std::string t = withoutBlanks(day);
    dropZeroFraction(t);
    if (allDigits(t) && !t.empty()) {
        if (t.size() <= 4)
            return passed(leftZeros(t, 4)); // DDMM whose leading zero was lost
        if (t.size() <= 7)
            return dayOfSerial(std::stod(t), reportYear);
        return failed(kNotPeriodReason);
    }
    return dayOfText(t, reportYear);
}

// Hours, sick leave, benefit service and its code, the months and days:
// whole numbers of up to four digits.
FieldValue wholeNumber(const SheetCell& cell, std::size_t width, bool emptyIsZero)
{
    const std::string value = cellValue(cell.text);
    if (value.empty())
        return emptyIsZero ? passed(std::string(width, '0')) : failed(kEmptyReason);
    const Amount amount = cell.number ? amountOfNumber(cell.text) : parseAmount(value);
    if (amount.error == kDecimalsReason || (amount.error.empty() && amount.hundredths % 100 != 0))
        return failed(kNotWholeReason);
    if (!amount.error.empty())
        return failed(amount.error);
    const std::string digits = std::to_string(amount.hundredths / 100);
    if (digits.size() > width)
        return failed("poveke od " + std::to_string(width) + " cifri");
    return passed(leftZeros(digits, static_cast<int>(width)));
}

FieldValue denari(const SheetCell& cell, const NormaliseOptions& options)
{
    const std::size_t width = static_cast<std::size_t>(fieldWidth(Field::Denari));
    if (options.amounts == AmountUnit::FieldDigits)
        return wholeNumber(cell, width, false);
    const std::string value = cellValue(cell.text);
    if (value.empty())
        return failed(kEmptyReason);
    const Amount amount = cell.number ? amountOfNumber(cell.text) : parseAmount(value);
    if (!amount.error.empty())
        return failed(amount.error);
    if (amount.hundredths > 999'999'999)
        return failed("pogolem od 9.999.999,99");
    return passed(leftZeros(std::to_string(amount.hundredths), static_cast<int>(width)));
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
    std::string bytes;
    std::size_t at = 0;
    while (at < value.size()) {
        const std::size_t start = at;
        const char32_t c = nextCodePoint(value, at);
        if (c < 0x20 || (c >= 0x7F && c < 0xA0))
            return failed("kontrolen znak " + codeOf(c));
        const auto byte = unicodeToWindows1251(c);
        if (!byte)
            return failed("znakot '" + std::string(value.substr(start, at - start)) + "' (" + codeOf(c)
                          + ") go nema vo kodnata strana na datotekata");
        bytes.push_back(*byte);
    }
    if (bytes.size() > width)
        return failed("podolgo od " + std::to_string(width) + " znaci (" + std::to_string(bytes.size())
                      + ")");
    bytes.resize(width, ' ');
    return passed(std::move(bytes));
}

} // namespace

std::string lostDigitsReason(std::string_view shown)
{
    return "Excel gi izgubil cifrite (" + std::string(shown)
           + "); formatirajte ja kolonata kako tekst";
}

std::string cellValue(std::string_view text)
{
    std::string_view t = trimmed(text);
    std::string value;
    if (t.size() >= 3 && t.substr(0, 2) == "=\"" && t.back() == '"') {
        const std::string_view inner = t.substr(2, t.size() - 3);
        for (std::size_t i = 0; i < inner.size(); ++i) {
            value.push_back(inner[i]);
            if (inner[i] == '"' && i + 1 < inner.size() && inner[i + 1] == '"')
                ++i;
        }
        return std::string(trimmed(value));
    }
    if (!t.empty() && t.front() == '\'')
        t = trimmed(t.substr(1));
    return std::string(t);
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
    case Field::StepenZgolem:
        return text(field, cellValue(cell.text));
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
    return passed(months, "presmetano od periodot");
}

} // namespace dorvik::import
