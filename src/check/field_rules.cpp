#include "check/field_rules.h"

#include "check/check_digits.h"
#include "check/numeric_text.h"
#include "check/quiet_record.h"
#include "check/service_length.h"
#include "platform/user_boxes.h"

#include <cstring>

namespace dorvik {

namespace {
constexpr std::int16_t kKeepFaultCode = -1;
} // namespace

// One row of the findings table.
struct FieldFinding {
    std::string_view column;  // appended after the shown text; may be empty
    const char* message;
    std::array<Field, 2> boxes;
    int boxCount;
    BoxColour colour;
    std::int16_t faultCode;   // kKeepFaultCode: left as it is
    bool failsFile;
};

namespace {

// The master number is missing, blank, zeros or holds a blank (rule 2).
constexpr FieldFinding kMasterNumberMissing{
    "Gresen Mat.Br ,", "MATICNEN BROJ MORA DA BIDE VNESEN (13 num)",
    {Field::MaticenBroj}, 1, BoxColour::Red, 4, true};
// The registration number likewise (rule 3).
constexpr FieldFinding kRegistrationNumberMissing{
    "Gresen Reg.Br ,", "REGISTARSKIOT BROJ E GRESEN PO NODUL 10",
    {Field::RegistarskiBroj}, 1, BoxColour::Red, 2, true};
// The year is not two characters, holds a blank, or lies in the future (rule 4).
constexpr FieldFinding kBadYear{
    "       Gr. godina ,",
    "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i tekovnata godina",
    {Field::Godina}, 1, BoxColour::Red, 1, true};
// A period that is not four digits other than "0000" (rules 5 and 6).
constexpr FieldFinding kPeriodOdNotFourDigits{
    "        Prazno pole  ,,", "Periodot  treba da bide so 4 mesta",
    {Field::PeriodOd}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kPeriodDoNotFourDigits{
    "        Prazno pole  ,", "Periodot  treba da bide so 4 mesta",
    {Field::PeriodDo}, 1, BoxColour::Red, 1, true};
// A period's day above 31.
constexpr FieldFinding kPeriodOdDayAbove31{
    "       Per. 01-31 ,", "Periodot treba da bide vo interval 01-31",
    {Field::PeriodOd}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kPeriodDoDayAbove31{
    "       Per. 01-31 ,", "Periodot treba da bide vo interval 01-31",
    {Field::PeriodDo}, 1, BoxColour::Red, 1, true};
// A period's month above 12.
constexpr FieldFinding kPeriodOdMonthAbove12{
    "       Per. 01-12 ,", "Periodot treba da bide vo interval 01-12",
    {Field::PeriodOd}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kPeriodDoMonthAbove12{
    "       Per. 01-12 ,", "Periodot treba da bide vo interval 01-12",
    {Field::PeriodDo}, 1, BoxColour::Red, 1, true};
// The months and days of service do not match the period (rule 7).
constexpr FieldFinding kPeriodDisagreesWithMonths{
    "       Gr. period ,", "Periodot ne e vo red", {Field::Mesec}, 1, BoxColour::Red, 1, true};
// The effective duration exceeds the months and days of service (rule 8).
constexpr FieldFinding kEffectiveDurationTooLong{
    "Golem efektiven staz,", "Efektivnoto traenje mora da bide pomalo od Vk. broj na casovi",
    {Field::EfektStaz}, 1, BoxColour::Red, kKeepFaultCode, false};
// The hours lie a little outside the yearly norm: doubtful (rule 9) ...
constexpr FieldFinding kHoursDoubtful{
    "  Da se proveri br,", "Mozna greska vo casovite",
    {Field::VkRabCasovi, Field::Boleduvanje}, 2, BoxColour::Yellow, 1, false};
// ... or far outside it, or above the ceiling of the years 1997 to 2001.
constexpr FieldFinding kHoursAboveNorm{
    "  Pogolem broj na casovi,", "Greska vo vkupniot br. na  casovi",
    {Field::VkRabCasovi, Field::Boleduvanje}, 2, BoxColour::Red, 1, true};
// No hours at all (rule 10).
constexpr FieldFinding kHoursZero{
    "3 i 4 se nuli ,", "Vk br na casovite i Denarite ne smeat da se nuli",
    {Field::VkRabCasovi, Field::Denari}, 2, BoxColour::Red, kKeepFaultCode, false};
// Sick leave of more than 2198 hours, or not four characters (rule 11).
constexpr FieldFinding kSickLeaveTooLong{
    "", "BO!Boleduvanjeto mora da bide pomalo od 2198", {Field::Boleduvanje}, 1, BoxColour::Red,
    1, true};

// The columns of the personal number's check digits, after the number as shown.
constexpr std::string_view kPersonalNumberMod10Column = " Gr. mod 10 ,";
constexpr std::string_view kPersonalNumberMod11Column = " Gr. mod.11 ,";

} // namespace

struct RequiredNumber {
    Field field;
    const FieldFinding& missing;
    bool (*routine)(const CheckDigitContext&, std::string_view, std::string_view, std::int16_t&);
    std::string_view kind;
    std::int16_t faultCode; // of a failed check digit
    std::string_view column;
};

namespace {

constexpr RequiredNumber kMasterNumber{Field::MaticenBroj, kMasterNumberMissing, KontrolaMod11,
                                       "MB", kFaultMbMod11, " Gr. mod.11 ,"};
constexpr RequiredNumber kRegistrationNumber{Field::RegistarskiBroj, kRegistrationNumberMissing,
                                             KontrolaMod10, "RB", kFaultRbMod10, " Gr. mod.10 ,"};

bool hasBlank(std::string_view text)
{
    for (const char t : text)
        if (t == ' ')
            return true;
    return false;
}

bool greater(std::string_view a, std::string_view b) { return compareText(a, b) > 0; }
bool same(std::string_view a, std::string_view b) { return compareText(a, b) == 0; }

// A text of four blanks stands for "0000" in the rules' working copies.
std::string_view zerosIfBlank(std::string_view text)
{
    return isRun(text, ' ', 4) ? std::string_view("0000") : text;
}

// What there is of a part of a text that may be shorter than asked.
std::string_view part(std::string_view text, std::size_t start, std::size_t length)
{
    return start >= text.size() ? std::string_view{} : text.substr(start, length);
}

} // namespace

inline std::string_view FieldRules::read(Field field)
{
    const int i = static_cast<int>(field);
    if (!line_.empty())
        return std::string_view(line_.data() + FieldOffsets[i], FieldWidths[i]);
    return context_.screen.fieldView(field, scratch_[i]);
}

// The text of the box as the screen shows it now.
inline std::string_view FieldRules::shown(Field field)
{
    if (!line_.empty())
        return read(field);
    return context_.screen.fieldView(field, shown_);
}

FieldRules::FieldRules(const FieldRulesContext& context)
    : context_(context), digits_{context.screen, context.boxes, NonDigit::LeaveToCaller},
      number_(32, '0')
{
}

bool FieldRules::apply(RecordCheckState& state)
{
    state_ = &state;
    line_ = context_.screen.recordLine();
    if (!line_.empty() && isQuietRecord(line_, context_.currentYear))
        return true;
    return personalNumber() && requiredNumber(kMasterNumber) && requiredNumber(kRegistrationNumber)
           && year()
           && period(Field::PeriodOd, periodOd_, kPeriodOdNotFourDigits, kPeriodOdDayAbove31, kPeriodOdMonthAbove12)
           && period(Field::PeriodDo, periodDo_, kPeriodDoNotFourDigits, kPeriodDoDayAbove31, kPeriodDoMonthAbove12) && periodAgainstMonths()
           && effectiveDuration() && hours() && zeroHours() && sickLeave();
}

void FieldRules::report(const FieldFinding& finding, std::string_view shownText)
{
    if (finding.failsFile)
        state_->failed = true;
    if (finding.faultCode != kKeepFaultCode)
        state_->faultCode = finding.faultCode;
    for (int i = 0; i < finding.boxCount; ++i)
        context_.screen.setColour(finding.boxes[i], finding.colour);
    state_->errorLine += shownText;
    state_->errorLine += finding.column;
    tellFinding(context_.boxes, finding.message, Icon::Information, "KONTROLA");
    for (int i = 0; i < finding.boxCount; ++i)
        context_.screen.setColour(finding.boxes[i], BoxColour::Silver);
}

void FieldRules::report(const FieldFinding& finding, Field field)
{
    report(finding, shown(field));
}

void FieldRules::appendShown(Field field, std::string_view column)
{
    state_->errorLine += shown(field);
    state_->errorLine += column;
}

// The numeric test. The text is the value under test; only a failure makes
// it visible, so it is kept only then.
bool FieldRules::numeric(std::string_view text)
{
    if (isNumericText(text))
        return true;
    state_->valueUnderTest.assign(text);
    return false;
}

// A check digit routine met a character that is not a digit in a text that
// passed the numeric test: that text is the value under test.
bool FieldRules::notDigits(std::string_view tested)
{
    state_->valueUnderTest.assign(tested);
    return false;
}

// The conversion of a part of a field; a failure names the whole field.
bool FieldRules::number(std::string_view partText, std::string_view wholeField,
                        std::int64_t& value)
{
    const auto converted = toNumber(partText);
    if (!converted) {
        state_->valueUnderTest.assign(wholeField);
        return false;
    }
    value = *converted;
    return true;
}

namespace {
bool personalNumberPresent(std::string_view lb)
{
    return !isRun(lb, '0', 10) && !isRun(lb, ' ', 10) && lb.size() >= 10;
}
} // namespace

// The zeros followed by the text, in the buffer kept for numbers.
std::string_view FieldRules::prefixed(std::string_view zeros, std::string_view text)
{
    const std::size_t length = zeros.size() + text.size();
    if (number_.size() < length)
        number_.resize(length);
    std::memcpy(number_.data(), zeros.data(), zeros.size());
    if (!text.empty())
        std::memcpy(number_.data() + zeros.size(), text.data(), text.size());
    return std::string_view(number_.data(), length);
}

// Rule 1. A missing personal number is no fault.
bool FieldRules::personalNumber()
{
    const std::string_view lb = read(Field::LicenBroj);
    if (!personalNumberPresent(lb))
        return true;
    if (!numeric(lb))
        return false;
    if (!KontrolaMod10(digits_, prefixed(kLbMod10Zeros, lb.substr(0, kLbMod10Digits)), "LB", state_->faultCode))
        return notDigits(lb);
    if (state_->faultCode == kFaultLbMod10)
        appendShown(Field::LicenBroj, kPersonalNumberMod10Column);

    // Read again as the box is; nothing can change it in between, so it is
    // also the text the numeric test saw.
    const std::string_view again = read(Field::LicenBroj);
    if (personalNumberPresent(again)) {
        if (!KontrolaMod11(digits_, prefixed(kLbMod11Zeros, again), "LB", state_->faultCode))
            return notDigits(again);
        if (state_->faultCode == kFaultLbMod11)
            appendShown(Field::LicenBroj, kPersonalNumberMod11Column);
    }
    return true;
}

// Rules 2 and 3: the master and the registration number must be there,
// digits from end to end, and pass their check digit.
bool FieldRules::requiredNumber(const RequiredNumber& number)
{
    const std::string_view text = read(number.field);
    const std::size_t width = static_cast<std::size_t>(fieldWidth(number.field));
    if (isRun(text, '0', width) || isRun(text, ' ', width) || text.size() < width
        || hasBlank(text)) {
        report(number.missing, text);
        return true;
    }
    if (!numeric(text))
        return false;
    if (!number.routine(digits_, text, number.kind, state_->faultCode))
        return notDigits(text);
    if (state_->faultCode == number.faultCode)
        appendShown(number.field, number.column);
    return true;
}

// Rule 4: "70" to "99" stand for 1970 to 1999, "00" up to the current year
// for 2000 onwards.
bool FieldRules::year()
{
    year_ = read(Field::Godina);
    if (year_.size() != 2 || hasBlank(year_)) {
        report(kBadYear, year_);
        return true;
    }
    if (!numeric(year_))
        return false;
    if (*toNumber(year_) < 70 && greater(year_, context_.currentYear))
        report(kBadYear, year_);
    return true;
}

// Rules 5 and 6. The lower bounds are not tested: "00" passes.
bool FieldRules::period(Field field, std::string_view& copy, const FieldFinding& malformed,
                        const FieldFinding& badDay, const FieldFinding& badMonth)
{
    copy = read(field);
    if (copy.size() < 4 || isRun(copy, ' ', 4) || isRun(copy, '0', 4) || hasBlank(copy)
        || copy.find('-') != std::string_view::npos) {
        report(malformed, copy);
        return true;
    }
    if (!numeric(copy))
        return false;
    if (greater(copy.substr(0, 2), "31")) {
        report(badDay, copy);
        return true;
    }
    if (greater(copy.substr(copy.size() - 2), "12"))
        report(badMonth, copy);
    return true;
}

// Rule 7: the period's length, counting every month as 30 days, against the
// months and days of service, with a tolerance of two days.
bool FieldRules::periodAgainstMonths()
{
    mesec_ = read(Field::Mesec);
    const std::string_view od = periodOd_;
    const std::string_view to = periodDo_;
    const bool gate = (!hasBlank(mesec_) || od.size() >= 4) && !isRun(od, ' ', 4)
                      && !isRun(od, '0', 4) && (!hasBlank(od) || to.size() >= 4)
                      && !isRun(to, ' ', 4) && !isRun(to, '0', 4) && !hasBlank(to);
    if (!gate)
        return true;

    const std::string_view sifra = zerosIfBlank(read(Field::SifraStaz));
    const std::string_view efekt = zerosIfBlank(read(Field::EfektStaz));
    if (!numeric(mesec_) || !numeric(sifra) || !numeric(efekt))
        return false;

    std::int64_t startDay, startMonth, endDay, endMonth;
    if (!number(part(od, 0, 2), od, startDay) || !number(part(od, 2, 2), od, startMonth)
        || !number(part(to, 0, 2), to, endDay) || !number(part(to, 2, 2), to, endMonth))
        return false;

    const ServiceLength length = serviceLength(startDay, startMonth, endDay, endMonth);
    const std::int64_t days = length.days;
    const std::string computedMonths = length.monthsText();

    if (same(part(mesec_, 0, 2), std::string_view(computedMonths).substr(0, 2))) {
        std::int64_t mesecDays;
        if (!number(part(mesec_, 2, 2), mesec_, mesecDays))
            return false;
        if (mesecDays > days + 2)
            report(kPeriodDisagreesWithMonths, Field::Mesec);
    } else if (!same(sifra, "0065") && !same(sifra, "0066")) {
        report(kPeriodDisagreesWithMonths, Field::Mesec);
    }
    return true;
}

// Rule 8: texts of four digits compare like their numbers.
bool FieldRules::effectiveDuration()
{
    mesec_ = zerosIfBlank(mesec_);
    const std::string_view efekt = zerosIfBlank(read(Field::EfektStaz));
    if (greater(efekt, mesec_))
        report(kEffectiveDurationTooLong, efekt);
    return true;
}

// Rule 9: worked plus sick-leave hours against the yearly norms.
bool FieldRules::hours()
{
    casovi_ = zerosIfBlank(read(Field::VkRabCasovi));
    if (!numeric(casovi_))
        return false;
    std::int64_t h = *toNumber(casovi_);

    std::string_view denari = read(Field::Denari);
    if (isRun(denari, ' ', 9) || isRun(denari, '0', 9))
        denari = "0000";
    if (!numeric(denari))
        return false;

    const std::string_view sick = zerosIfBlank(read(Field::Boleduvanje));
    if (!numeric(sick))
        return false;
    h += *toNumber(sick);

    std::int64_t m;
    if (!number(part(mesec_, 0, 2), mesec_, m))
        return false;

    const std::string_view y = year_;
    std::int64_t r;
    if (same(y, "97") || same(y, "98") || same(y, "99") || same(y, "00") || same(y, "01")) {
        if (h > 2088) {
            report(kHoursAboveNorm, Field::VkRabCasovi);
            return true;
        }
        r = 2088 / 12;
    } else if (!greater("81", y) && !greater(y, "94")) {
        r = 2184 / 12;
    } else {
        return true;
    }
    if (r * m - 80 <= h && h <= r * (m + 1))
        return true;
    report(h < r * m - 160 || h > r * (m + 2) ? kHoursAboveNorm : kHoursDoubtful, Field::VkRabCasovi);
    return true;
}

// Rule 10: Denari does not enter it.
bool FieldRules::zeroHours()
{
    if (same(casovi_, "0000"))
        report(kHoursZero, Field::Mesec);
    return true;
}

// Rule 11.
bool FieldRules::sickLeave()
{
    const std::string_view sick = zerosIfBlank(read(Field::Boleduvanje));
    if (!numeric(sick))
        return false;
    if (sick.size() != 4 || greater(sick, "2198"))
        report(kSickLeaveTooLong, std::string_view{});
    return true;
}

} // namespace dorvik
