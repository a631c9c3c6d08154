// The entry screen's year and period rules and its save test on arbitrary
// texts, against references written from the rules.
#include "check/entry_rules.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace dorvik;

namespace {

bool digits(std::string_view t)
{
    for (char c : t)
        if (c < '0' || c > '9')
            return false;
    return true;
}

int number(std::string_view t)
{
    int n = 0;
    for (char c : t)
        n = n * 10 + (c - '0');
    return n;
}

// Cuts the input at the bytes 0xFF into pieces; missing pieces are empty.
std::string_view piece(std::string_view input, int index)
{
    for (int i = 0; i < index; ++i) {
        const std::size_t cut = input.find('\xff');
        if (cut == std::string_view::npos)
            return {};
        input.remove_prefix(cut + 1);
    }
    return input.substr(0, input.find('\xff'));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1)
        return 0;
    const int current = data[0] % 100;
    const std::string currentYear{char('0' + current / 10), char('0' + current % 10)};
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);

    // Year: two digits, 70 to 99 or 00 up to the current year.
    const std::string_view year = piece(input, 0);
    const bool yearExpected = year.size() == 2 && digits(year)
                              && (number(year) >= 70 || number(year) <= current);
    FUZZ_REQUIRE(yearPasses(year, currentYear) == yearExpected);

    // Period: day and month as texts within "01".."31" and "01".."12"; for
    // digits that is the numeric range.
    const std::string_view period = piece(input, 1);
    bool periodExpected = false;
    if (period.size() == 4) {
        const std::string_view day = period.substr(0, 2), month = period.substr(2);
        periodExpected = day >= "01" && day <= "31" && month >= "01" && month <= "12";
        if (digits(period))
            FUZZ_REQUIRE(periodExpected == (number(day) >= 1 && number(day) <= 31
                                            && number(month) >= 1 && number(month) <= 12));
    }
    FUZZ_REQUIRE(periodPasses(period) == periodExpected);

    // The save test: the first field in typing order that is not right.
    ReportTexts texts;
    for (int i = 0; i < kFieldCount; ++i) {
        const std::string_view text = piece(input, 2 + i);
        // A piece starting with 0xFE stands for a box with a character
        // outside the code page.
        if (!text.empty() && text[0] == '\xfe')
            continue;
        texts[i] = std::string(text);
    }
    std::optional<Field> expected;
    for (Field f : kTypingOrder) {
        const auto& t = texts[static_cast<int>(f)];
        const std::size_t width = static_cast<std::size_t>(fieldWidth(f));
        const bool free = f == Field::ImePrezime || f == Field::Firma;
        const bool digitsOnly = !free && f != Field::StepenZgolem;
        if (!t || t->size() > width || (!free && t->size() != width)
            || (digitsOnly && !digits(*t))) {
            expected = f;
            break;
        }
    }
    FUZZ_REQUIRE(firstIncompleteField(texts) == expected);
    return 0;
}
