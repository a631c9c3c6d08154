#include "check/field_rules.h"

#include "check/check_digits.h"
#include "check/numeric_text.h"
#include "platform/user_boxes.h"

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

constexpr FieldFinding kB1{"Gresen Mat.Br ,", "MATICNEN BROJ MORA DA BIDE VNESEN (13 num)",
                      {Field::MaticenBroj}, 1, BoxColour::Red, 4, true};
constexpr FieldFinding kC1{"Gresen Reg.Br ,", "REGISTARSKIOT BROJ E GRESEN PO NODUL 10",
                      {Field::RegistarskiBroj}, 1, BoxColour::Red, 2, true};
constexpr FieldFinding kD{"       Gr. godina ,",
                     "Gresna  godina. Prijavata moze da bide samo vo interval pomegu 1970 i "
                     "tekovnata godina",
                     {Field::Godina}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kE1{"        Prazno pole  ,,", "Periodot  treba da bide so 4 mesta",
                      {Field::PeriodOd}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kE2{"       Per. 01-31 ,", "Periodot treba da bide vo interval 01-31",
                      {Field::PeriodOd}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kE3{"       Per. 01-12 ,", "Periodot treba da bide vo interval 01-12",
                      {Field::PeriodOd}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kF1{"        Prazno pole  ,", "Periodot  treba da bide so 4 mesta",
                      {Field::PeriodDo}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kF2{"       Per. 01-31 ,", "Periodot treba da bide vo interval 01-31",
                      {Field::PeriodDo}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kF3{"       Per. 01-12 ,", "Periodot treba da bide vo interval 01-12",
                      {Field::PeriodDo}, 1, BoxColour::Red, 1, true};
constexpr FieldFinding kG{"       Gr. period ,", "Periodot ne e vo red", {Field::Mesec}, 1,
                     BoxColour::Red, 1, true};
constexpr FieldFinding kH{"Golem efektiven staz,",
                     "Efektivnoto traenje mora da bide pomalo od Vk. broj na casovi",
                     {Field::EfektStaz}, 1, BoxColour::Red, kKeepFaultCode, false};
constexpr FieldFinding kJ1{"  Da se proveri br,", "Mozna greska vo casovite",
                      {Field::VkRabCasovi, Field::Boleduvanje}, 2, BoxColour::Yellow, 1, false};
constexpr FieldFinding kJ2{"  Pogolem broj na casovi,", "Greska vo vkupniot br. na  casovi",
                      {Field::VkRabCasovi, Field::Boleduvanje}, 2, BoxColour::Red, 1, true};
constexpr FieldFinding kK{"3 i 4 se nuli ,", "Vk br na casovite i Denarite ne smeat da se nuli",
                     {Field::VkRabCasovi, Field::Denari}, 2, BoxColour::Red, kKeepFaultCode,
                     false};
constexpr FieldFinding kL{"", "BO!Boleduvanjeto mora da bide pomalo od 2198", {Field::Boleduvanje},
                     1, BoxColour::Red, 1, true};

constexpr std::string_view kColumnA1 = " Gr. mod 10 ,";
constexpr std::string_view kColumnA2 = " Gr. mod.11 ,";
constexpr std::string_view kColumnB2 = " Gr. mod.11 ,";
constexpr std::string_view kColumnC2 = " Gr. mod.10 ,";

bool isRun(std::string_view text, char c, std::size_t count)
{
    if (text.size() != count)
        return false;
    for (const char t : text)
        if (t != c)
            return false;
    return true;
}

bool hasBlank(std::string_view text)
{
    for (const char t : text)
        if (t == ' ')
            return true;
    return false;
}

// Texts compare character by character in code order (bytes as unsigned),
// a text that is a beginning of another coming first. On texts of two
// digits this is the numeric order.
int compareText(std::string_view a, std::string_view b)
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

FieldRules::FieldRules(const FieldRulesContext& context)
    : context_(context), digits_{context.screen, context.boxes, NonDigit::LeaveToCaller}
{
}

bool FieldRules::apply(RecordCheckState& state)
{
    state_ = &state;
    return personalNumber() && masterNumber() && registrationNumber() && year()
           && period(Field::PeriodOd, periodOd_, kE1, kE2, kE3)
           && period(Field::PeriodDo, periodDo_, kF1, kF2, kF3) && periodAgainstMonths()
           && effectiveDuration() && hours() && zeroHours() && sickLeave();
}

std::string_view FieldRules::read(Field field)
{
    return context_.screen.fieldView(field, scratch_[static_cast<int>(field)]);
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
    tell(context_.boxes, finding.message, Icon::Information, "KONTROLA");
    for (int i = 0; i < finding.boxCount; ++i)
        context_.screen.setColour(finding.boxes[i], BoxColour::Silver);
}

// The text of the box as the screen shows it now.
void FieldRules::report(const FieldFinding& finding, Field shown)
{
    report(finding, context_.screen.fieldView(shown, shown_));
}

void FieldRules::appendShown(Field field, std::string_view column)
{
    state_->errorLine += context_.screen.fieldView(field, shown_);
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

// Rule 1. A missing personal number is no fault.
bool FieldRules::personalNumber()
{
    const std::string_view lb = read(Field::LicenBroj);
    if (!personalNumberPresent(lb))
        return true;
    if (!numeric(lb))
        return false;
    number_.assign("0");
    number_.append(lb.substr(0, 9));
    if (!KontrolaMod10(digits_, number_, "LB", state_->faultCode))
        return notDigits(lb);
    if (state_->faultCode == kFaultLbMod10)
        appendShown(Field::LicenBroj, kColumnA1);

    // Read again as the box is; nothing can change it in between, so it is
    // also the text the numeric test saw.
    const std::string_view again = read(Field::LicenBroj);
    if (personalNumberPresent(again)) {
        number_.assign("000");
        number_.append(again);
        if (!KontrolaMod11(digits_, number_, "LB", state_->faultCode))
            return notDigits(again);
        if (state_->faultCode == kFaultLbMod11)
            appendShown(Field::LicenBroj, kColumnA2);
    }
    return true;
}

// Rule 2.
bool FieldRules::masterNumber()
{
    const std::string_view mb = read(Field::MaticenBroj);
    if (isRun(mb, '0', 13) || isRun(mb, ' ', 13) || mb.size() < 13 || hasBlank(mb)) {
        report(kB1, mb);
        return true;
    }
    if (!numeric(mb))
        return false;
    if (!KontrolaMod11(digits_, mb, "MB", state_->faultCode))
        return notDigits(mb);
    if (state_->faultCode == kFaultMbMod11)
        appendShown(Field::MaticenBroj, kColumnB2);
    return true;
}

// Rule 3.
bool FieldRules::registrationNumber()
{
    const std::string_view rb = read(Field::RegistarskiBroj);
    if (isRun(rb, '0', 10) || isRun(rb, ' ', 10) || rb.size() < 10 || hasBlank(rb)) {
        report(kC1, rb);
        return true;
    }
    if (!numeric(rb))
        return false;
    if (!KontrolaMod10(digits_, rb, "RB", state_->faultCode))
        return notDigits(rb);
    if (state_->faultCode == kFaultRbMod10)
        appendShown(Field::RegistarskiBroj, kColumnC2);
    return true;
}

// Rule 4: "70" to "99" stand for 1970 to 1999, "00" up to the current year
// for 2000 onwards.
bool FieldRules::year()
{
    year_ = read(Field::Godina);
    if (year_.size() != 2 || hasBlank(year_)) {
        report(kD, year_);
        return true;
    }
    if (!numeric(year_))
        return false;
    if (*toNumber(year_) < 70 && greater(year_, context_.currentYear))
        report(kD, year_);
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

    std::int64_t sd = 31 - startDay;
    int c1 = 0;
    if (sd >= 30) {
        sd = 0;
        c1 = 1;
    }
    const std::int64_t sm = startMonth + 1;
    std::int64_t ed = endDay;
    int c2 = 0;
    if (ed >= 30) {
        ed = 0;
        c2 = 1;
    }
    const std::int64_t em = endMonth - 1;
    std::int64_t days = sd + ed;
    int c3 = 0;
    if (days >= 30) {
        days -= 30;
        c3 = 1;
    }
    const std::int64_t months = (em - sm) + c1 + c2 + c3 + 1;

    // The computed months as text, "0" in front of a single character.
    char buffer[24];
    std::size_t length = 0;
    {
        char digits[24];
        std::size_t n = 0;
        std::int64_t v = months < 0 ? -months : months;
        do {
            digits[n++] = static_cast<char>('0' + v % 10);
            v /= 10;
        } while (v > 0);
        if (months < 0)
            digits[n++] = '-';
        if (n == 1)
            buffer[length++] = '0';
        while (n > 0)
            buffer[length++] = digits[--n];
    }
    const std::string_view computedMonths(buffer, length);

    if (same(part(mesec_, 0, 2), computedMonths.substr(0, 2))) {
        std::int64_t mesecDays;
        if (!number(part(mesec_, 2, 2), mesec_, mesecDays))
            return false;
        if (mesecDays > days + 2)
            report(kG, Field::Mesec);
    } else if (!same(sifra, "0065") && !same(sifra, "0066")) {
        report(kG, Field::Mesec);
    }
    return true;
}

// Rule 8: texts of four digits compare like their numbers.
bool FieldRules::effectiveDuration()
{
    mesec_ = zerosIfBlank(mesec_);
    const std::string_view efekt = zerosIfBlank(read(Field::EfektStaz));
    if (greater(efekt, mesec_))
        report(kH, efekt);
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
            report(kJ2, Field::VkRabCasovi);
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
    report(h < r * m - 160 || h > r * (m + 2) ? kJ2 : kJ1, Field::VkRabCasovi);
    return true;
}

// Rule 10: Denari does not enter it.
bool FieldRules::zeroHours()
{
    if (same(casovi_, "0000"))
        report(kK, Field::Mesec);
    return true;
}

// Rule 11.
bool FieldRules::sickLeave()
{
    const std::string_view sick = zerosIfBlank(read(Field::Boleduvanje));
    if (!numeric(sick))
        return false;
    if (sick.size() != 4 || greater(sick, "2198"))
        report(kL, std::string_view{});
    return true;
}

bool applyFieldRules(const FieldRulesContext& context, RecordCheckState& state)
{
    return FieldRules(context).apply(state);
}

} // namespace dorvik
