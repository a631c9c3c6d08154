#include "check/quiet_record.h"

#include "check/check_digits.h"
#include "check/numeric_text.h"
#include "data/report_record.h"

#include <array>
#include <cstdint>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace dorvik {

// Nearly every record of a real file passes every rule. For a record held as
// its line, the conditions under which the field rules find nothing are
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
    return {line.data() + fieldOffset(field), fieldWidth(field)};
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
constexpr Weights16 overBytes(const std::array<int, N>& byPosition, std::size_t width,
                              std::size_t zeros, bool addDigitsOfProducts)
{
    Weights16 w{};
    if (zeros + width != N)
        throw "every weighted place must be filled"; // stops the compilation
    for (std::size_t k = 0; k < width; ++k) {
        const std::size_t position = width - 1 - k;
        w.weight[k] = static_cast<std::int16_t>(byPosition[position]);
        if (addDigitsOfProducts && byPosition[position] == 2)
            w.carry[k] = 9;
    }
    return w;
}

// The personal number "0" + its first nine digits (the tenth ignored), and
// "000" + all ten; the master number; the registration number.
constexpr Weights16 kLbMod10 =
    overBytes(kMod10Weights, kLbMod10Digits, kLbMod10Zeros.size(), true);
constexpr Weights16 kLbMod11 = overBytes(kMod11WeightsLb, 10, kLbMod11Zeros.size(), false);
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
        if (!lb.digits() || mod10CheckDigit(weightedSum(lb.at, kLbMod10)) != lb.at[8] - '0'
            || mod11CheckDigit(weightedSum(lb.at, kLbMod11), kMod11FoldedLb) != lb.at[9] - '0')
            return false;
    }

    // Rules 2 and 3.
    const LineField mb = fieldOf(line, Field::MaticenBroj);
    if (!mb.digits() || mb.all('0')
        || mod11CheckDigit(weightedSum(mb.at, kMbMod11), kMod11FoldedMb) != mb.at[12] - '0')
        return false;
    const LineField rb = fieldOf(line, Field::RegistarskiBroj);
    if (!rb.digits() || rb.all('0')
        || mod10CheckDigit(weightedSum(rb.at, kRbMod10)) != rb.at[9] - '0')
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

} // namespace dorvik
