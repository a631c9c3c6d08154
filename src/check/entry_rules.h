// The rules the entry screen applies as a report is typed and saved: the year
// and period rules of the immediate checks, and the test a report must pass
// before it is appended to the file. Bytes in, verdicts out.
#pragma once

#include "check/check_digits.h"
#include "data/report_record.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace dorvik {

// Message texts of the entry screen, exact.
inline constexpr const char* kYearMessage =
    "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i tekovnata godina";
inline constexpr const char* kPeriodMessage = "Periodot treba da bide vo interval 01-31";
inline constexpr const char* kIncompleteReportMessage =
    "Prijavata ne e popolneta celosno , nemoze da se snimi";
// Title of the year and period messages.
inline constexpr const char* kCheckTitle = "KONTROLA";

// The order in which the user types a report (the screen's tab order).
inline constexpr std::array<Field, kFieldCount> kTypingOrder = {
    Field::LicenBroj, Field::MaticenBroj, Field::RegistarskiBroj, Field::Godina,
    Field::ImePrezime, Field::Firma, Field::PeriodOd, Field::PeriodDo,
    Field::Mesec, Field::VkRabCasovi, Field::Denari, Field::Boleduvanje,
    Field::EfektStaz, Field::StepenZgolem, Field::SifraStaz};

// The twelve fields whose boxes take digits only.
constexpr bool isDigitField(Field f)
{
    return f != Field::ImePrezime && f != Field::Firma && f != Field::StepenZgolem;
}

// Name and firm may be shorter than their width, even empty; every other
// field must be typed at its full width.
constexpr bool isFixedWidthField(Field f)
{
    return f != Field::ImePrezime && f != Field::Firma;
}

// The year passes from 70 to 99 and from 00 up to the current two-digit year.
// A year that is not two digits fails.
bool yearPasses(std::string_view year, std::string_view currentYear);

// Day (first two characters) within "01".."31" and month (last two) within
// "01".."12", compared as texts.
bool periodPasses(std::string_view period);

// What the immediate check of a full identifier box found.
enum class IdentifierVerdict {
    Passes,
    Fails,     // the box is wiped
    NotDigits, // a routine met a character that is not a digit; no fault code
};

// The immediate check of a full personal, master or registration number, as
// the entry screen runs it when the box is full: ten zeros pass as a personal
// number, which otherwise must pass modulus 10 and then modulus 11; a master
// number modulus 11 and not thirteen zeros; a registration number modulus 10.
// The routines report a failure through the context (message, box painted)
// and set faultCode. Any other field passes.
IdentifierVerdict checkIdentifier(Field field, std::string_view number,
                                  const CheckDigitContext& context, std::int16_t& faultCode);

// The boxes' texts as bytes, in field order; nothing where a box holds a
// character outside the code page.
using ReportTexts = std::array<std::optional<std::string>, kFieldCount>;

// The same texts as views, for those that hold them elsewhere.
using ReportTextViews = std::array<std::optional<std::string_view>, kFieldCount>;

// The first field, in typing order, that keeps the report from being saved:
// a fixed-width field not at its width, a digit field with anything but
// digits, a text too long for its field, or a text outside the code page.
// Nothing when the report can be saved.
std::optional<Field> firstIncompleteField(const ReportTextViews& texts);
std::optional<Field> firstIncompleteField(const ReportTexts& texts);

} // namespace dorvik
