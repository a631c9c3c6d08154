// The check digits and the entry screen's rules on arbitrary texts, against
// references written out from the rules.
#include "check/check_digits.h"
#include "check/entry_rules.h"
#include "properties.h"

namespace dorvik::fuzz {

namespace {

bool digits(std::string_view t) { return t.find_first_not_of("0123456789") == std::string_view::npos; }

// The check digit due for a text's last characters: the weights, left to
// right, of those before the last; modulus 10 adds each product's digits
// (Luhn). A result of `zero` is taken as 0; 10 and 11 match no digit.
std::optional<int> due(std::string_view t, std::initializer_list<int> weights, int modulus, int zero)
{
    if (t.size() <= weights.size() || !digits(t.substr(t.size() - weights.size() - 1)))
        return std::nullopt;
    int sum = 0;
    const char* c = t.data() + t.size() - weights.size() - 1;
    for (int w : weights) {
        const int v = (*c++ - '0') * w;
        sum += modulus == 10 ? v / 10 + v % 10 : v;
    }
    const int e = sum == 0 ? 0 : modulus - sum % modulus;
    return e == zero ? 0 : e;
}

} // namespace

void rulesProperty(std::string_view input)
{
    if (input.empty())
        return;
    std::array<std::string_view, 2 + kFieldCount> pieces;
    std::string_view rest = input.substr(1);
    for (std::string_view& piece : pieces) {
        piece = rest.substr(0, rest.find('\xff'));
        rest.remove_prefix(piece.size() < rest.size() ? piece.size() + 1 : piece.size());
    }
    for (std::string_view text : {pieces[3], pieces[4], pieces[5]}) {
        FUZZ_REQUIRE(expectedMod10(text) == due(text, {2, 1, 2, 1, 2, 1, 2, 1, 2}, 10, 10));
        FUZZ_REQUIRE(expectedMod11(text, "LB") == due(text, {6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2, 0}, 11, 10)
                     && expectedMod11(text, "MB") == due(text, {7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2}, 11, 11)
                     && !expectedMod11(text, "RB"));
    }

    // Year: two digits, 70 to 99 or 00 up to the current year. Period: day
    // "01" to "31" and month "01" to "12", as texts.
    const int current = static_cast<unsigned char>(input[0]) % 100;
    const std::string_view year = pieces[0], period = pieces[1];
    const int y = year.size() == 2 && digits(year) ? (year[0] - '0') * 10 + year[1] - '0' : -1;
    FUZZ_REQUIRE(yearPasses(year, std::to_string(100 + current).substr(1))
                 == (y >= 70 || (y >= 0 && y <= current)));
    const std::string_view day = period.substr(0, 2), month = period.substr(period.size() < 2 ? 0 : 2);
    FUZZ_REQUIRE(periodPasses(period)
                 == (period.size() == 4 && day >= "01" && day <= "31" && month >= "01" && month <= "12"));

    // The save test: the first field in typing order that is missing (0xFE),
    // too long, short of a fixed width or not digits where only digits go.
    ReportTexts texts;
    std::optional<Field> expected;
    for (Field f : kTypingOrder) {
        const std::string_view piece = pieces[2 + static_cast<int>(f)];
        auto& t = texts[static_cast<int>(f)];
        if (piece.empty() || piece[0] != '\xfe')
            t = std::string(piece);
        const auto width = static_cast<std::size_t>(fieldWidth(f));
        const bool free = f == Field::ImePrezime || f == Field::Firma;
        if (!expected && (!t || t->size() > width || (!free && t->size() != width)
                          || (!free && f != Field::StepenZgolem && !digits(*t))))
            expected = f;
    }
    FUZZ_REQUIRE(firstIncompleteField(texts) == expected);
}

} // namespace dorvik::fuzz
