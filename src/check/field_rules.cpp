#include "check/field_rules.h"

#include "check/check_digits.h"
#include "check/numeric_text.h"
#include "platform/user_boxes.h"

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

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

namespace {
constexpr std::array<std::int16_t, kFieldCount> kFieldOffsets = [] {
    std::array<std::int16_t, kFieldCount> offsets{};
    for (int i = 0; i < kFieldCount; ++i)
        offsets[i] = static_cast<std::int16_t>(fieldOffset(fieldAt(i)));
    return offsets;
}();
} // namespace

inline std::string_view FieldRules::read(Field field)
{
    const int i = static_cast<int>(field);
    if (!line_.empty())
        return std::string_view(line_.data() + kFieldOffsets[i], FieldWidths[i]);
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
    return personalNumber() && masterNumber() && registrationNumber() && year()
           && period(Field::PeriodOd, periodOd_, kE1, kE2, kE3)
           && period(Field::PeriodDo, periodDo_, kF1, kF2, kF3) && periodAgainstMonths()
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
    tell(context_.boxes, finding.message, Icon::Information, "KONTROLA");
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
    if (!KontrolaMod10(digits_, prefixed("0", lb.substr(0, 9)), "LB", state_->faultCode))
        return notDigits(lb);
    if (state_->faultCode == kFaultLbMod10)
        appendShown(Field::LicenBroj, kColumnA1);

    // Read again as the box is; nothing can change it in between, so it is
    // also the text the numeric test saw.
    const std::string_view again = read(Field::LicenBroj);
    if (personalNumberPresent(again)) {
        if (!KontrolaMod11(digits_, prefixed("000", again), "LB", state_->faultCode))
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

// --- Quiet records -----------------------------------------------------------
//
// Nearly every record of a real file passes every rule. For a record held as
// its line, the conditions under which the rules above find nothing are
// tested here straight on the bytes, in their plainest form: every number
// written in digits from end to end. A record in any other form, or one a
// rule would speak about, goes through the rules themselves. Whatever a rule
// accepts in a plainer form than below must be accepted here no more widely;
// the differential test in the check tests holds the two together.

namespace {

struct LineField {
    const char* at;
    int width;
    std::string_view text() const { return std::string_view(at, static_cast<std::size_t>(width)); }
    bool digits() const { return allDigits(text()); }
    bool all(char c) const { return isRun(text(), c, static_cast<std::size_t>(width)); }
    // Values of digits known to be digits: two from `from`, or all four of
    // a field of four.
    int two(int from) const { return (at[from] - '0') * 10 + (at[from + 1] - '0'); }
    int four() const { return two(0) * 100 + two(2); }
};

LineField fieldOf(std::string_view line, Field field)
{
    const int i = static_cast<int>(field);
    return {line.data() + kFieldOffsets[i], FieldWidths[i]};
}

// Digits, or four blanks standing for "0000": the value, or -1.
int digitsOrBlank(const LineField& f)
{
    if (f.digits())
        return f.four();
    return f.all(' ') ? 0 : -1;
}

// A check digit's weights laid over the sixteen bytes that start at a
// number's first character. The number is the first `width` characters of
// the field after `zeros` leading zeros, which fill the places but add
// nothing to the sum.
struct Weights16 {
    alignas(16) std::int16_t weight[16];
    alignas(16) std::int16_t carry[16]; // 9 where a two-digit product loses 9 (modulus 10)
};

template <std::size_t N>
constexpr Weights16 overBytes(const std::array<int, N>& byPosition, int width, int zeros,
                              bool addDigitsOfProducts)
{
    Weights16 w{};
    if (zeros + width != static_cast<int>(N))
        throw "every weighted place must be filled"; // stops the compilation
    for (int k = 0; k < width; ++k) {
        const int position = width - 1 - k;
        w.weight[k] = static_cast<std::int16_t>(byPosition[position]);
        if (addDigitsOfProducts && byPosition[position] == 2)
            w.carry[k] = 9;
    }
    return w;
}

// The personal number "0" + its first nine digits (the tenth ignored), and
// "000" + all ten; the master number; the registration number.
constexpr Weights16 kLbMod10 = overBytes(kMod10Weights, 9, 1, true);
constexpr Weights16 kLbMod11 = overBytes(kMod11WeightsLb, 10, 3, false);
constexpr Weights16 kMbMod11 = overBytes(kMod11WeightsMb, 13, 0, false);
constexpr Weights16 kRbMod10 = overBytes(kMod10Weights, 10, 0, true);

// The weighted sum of the digits at p (the bytes with weight 0 are read but
// count for nothing; all sixteen must be inside the line). A digit of weight
// 2 that is 5 or more makes a two-digit product whose digits are added.
int weightedSum(const char* p, const Weights16& w)
{
#ifdef __SSE2__
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i zero = _mm_setzero_si128();
    const __m128i ascii0 = _mm_set1_epi16('0');
    const __m128i low = _mm_sub_epi16(_mm_unpacklo_epi8(bytes, zero), ascii0);
    const __m128i high = _mm_sub_epi16(_mm_unpackhi_epi8(bytes, zero), ascii0);
    const auto* weight = reinterpret_cast<const __m128i*>(w.weight);
    const auto* carry = reinterpret_cast<const __m128i*>(w.carry);
    const __m128i four = _mm_set1_epi16(4);
    __m128i sum = _mm_add_epi32(_mm_madd_epi16(low, _mm_load_si128(weight)),
                                _mm_madd_epi16(high, _mm_load_si128(weight + 1)));
    // (d > 4) is -1: times 9 takes the 9 off.
    sum = _mm_add_epi32(sum, _mm_madd_epi16(_mm_cmpgt_epi16(low, four), _mm_load_si128(carry)));
    sum = _mm_add_epi32(sum,
                        _mm_madd_epi16(_mm_cmpgt_epi16(high, four), _mm_load_si128(carry + 1)));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0x4E));
    sum = _mm_add_epi32(sum, _mm_shuffle_epi32(sum, 0xB1));
    return _mm_cvtsi128_si32(sum);
#else
    int sum = 0;
    for (int k = 0; k < 16; ++k) {
        if (w.weight[k] == 0)
            continue;
        const int digit = p[k] - '0';
        sum += digit * w.weight[k] - (digit > 4 ? w.carry[k] : 0);
    }
    return sum;
#endif
}

bool mod10Holds(int sum, char checkDigit)
{
    const int r = sum % 10;
    return (r == 0 ? 0 : 10 - r) == checkDigit - '0';
}

// "LB" folds 10 to 0, "MB" folds 11 to 0 (see expectedMod11).
bool mod11Holds(int sum, char checkDigit, int folded)
{
    int e = sum > 0 ? 11 - sum % 11 : 0;
    if (e == folded)
        e = 0;
    return e == checkDigit - '0';
}

// Rules 5 and 6 in digits: not "0000", day at most 31, month at most 12.
bool plainPeriod(const LineField& period)
{
    return period.digits() && !period.all('0') && period.two(0) <= 31 && period.two(2) <= 12;
}

} // namespace

// The sixteen bytes read from each number's start stay inside the line.
static_assert(fieldOffset(Field::RegistarskiBroj) + 16 <= kRecordLength);

bool isQuietRecord(std::string_view line, std::string_view currentYear)
{
    if (line.size() != static_cast<std::size_t>(kRecordLength) || currentYear.size() != 2)
        return false;

    // Rule 1: a personal number that is missing, or two check digits that hold.
    const LineField lb = fieldOf(line, Field::LicenBroj);
    if (!lb.all('0') && !lb.all(' ')) {
        if (!lb.digits() || !mod10Holds(weightedSum(lb.at, kLbMod10), lb.at[8])
            || !mod11Holds(weightedSum(lb.at, kLbMod11), lb.at[9], 10))
            return false;
    }

    // Rules 2 and 3.
    const LineField mb = fieldOf(line, Field::MaticenBroj);
    if (!mb.digits() || mb.all('0') || !mod11Holds(weightedSum(mb.at, kMbMod11), mb.at[12], 11))
        return false;
    const LineField rb = fieldOf(line, Field::RegistarskiBroj);
    if (!rb.digits() || rb.all('0') || !mod10Holds(weightedSum(rb.at, kRbMod10), rb.at[9]))
        return false;

    // Rule 4.
    const LineField year = fieldOf(line, Field::Godina);
    if (!year.digits() || (year.two(0) < 70 && compareText(year.text(), currentYear) > 0))
        return false;

    // Rules 5 and 6.
    const LineField od = fieldOf(line, Field::PeriodOd);
    const LineField to = fieldOf(line, Field::PeriodDo);
    if (!plainPeriod(od) || !plainPeriod(to))
        return false;

    // Rule 7, whose gate holds for such periods.
    const LineField mesec = fieldOf(line, Field::Mesec);
    const int sifra = digitsOrBlank(fieldOf(line, Field::SifraStaz));
    const int efekt = digitsOrBlank(fieldOf(line, Field::EfektStaz));
    if (!mesec.digits() || sifra < 0 || efekt < 0)
        return false;
    int sd = 31 - od.two(0);
    int c1 = 0;
    if (sd >= 30) {
        sd = 0;
        c1 = 1;
    }
    int ed = to.two(0);
    int c2 = 0;
    if (ed >= 30) {
        ed = 0;
        c2 = 1;
    }
    int days = sd + ed;
    int c3 = 0;
    if (days >= 30) {
        days -= 30;
        c3 = 1;
    }
    const int months = (to.two(2) - 1) - (od.two(2) + 1) + c1 + c2 + c3 + 1;
    // Two digits: the months' text compares like its number.
    if (months < 0 || months > 99)
        return false;
    const int mesecMonths = mesec.two(0);
    if (mesecMonths == months) {
        if (mesec.two(2) > days + 2)
            return false;
    } else if (sifra != 65 && sifra != 66) {
        return false;
    }

    // Rule 8: four digits each, compared like their numbers.
    if (efekt > mesec.four())
        return false;

    // Rule 9.
    const int casovi = digitsOrBlank(fieldOf(line, Field::VkRabCasovi));
    const int sick = digitsOrBlank(fieldOf(line, Field::Boleduvanje));
    const LineField denari = fieldOf(line, Field::Denari);
    if (casovi < 0 || sick < 0 || (!denari.digits() && !denari.all(' ')))
        return false;
    const int h = casovi + sick;
    const int y = year.two(0);
    int r = 0;
    if (y >= 97 || y <= 1) {
        if (h > 2088)
            return false;
        r = 2088 / 12;
    } else if (y >= 81 && y <= 94) {
        r = 2184 / 12;
    }
    if (r != 0 && !(r * mesecMonths - 80 <= h && h <= r * (mesecMonths + 1)))
        return false;

    // Rules 10 and 11.
    return casovi != 0 && sick <= 2198;
}

bool applyFieldRules(const FieldRulesContext& context, RecordCheckState& state)
{
    return FieldRules(context).apply(state);
}

} // namespace dorvik
