// The check-digit arithmetic and routines on arbitrary texts, against a
// reference written out the long way from the rules: Luhn over the ten
// characters at the right end, weighted modulus 11 over the thirteen.
#include "check/check_digits.h"
#include "fuzz_support.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

using namespace dorvik;

namespace {

std::optional<std::string> tail(std::string_view text, std::size_t n)
{
    if (text.size() < n)
        return std::nullopt;
    std::string t(text.substr(text.size() - n));
    for (char c : t)
        if (c < '0' || c > '9')
            return std::nullopt;
    return t;
}

std::optional<int> referenceMod10(std::string_view text)
{
    const auto t = tail(text, 10);
    if (!t)
        return std::nullopt;
    // Left to right: the first character is nine places from the check
    // digit, so it and every second one after it are doubled.
    int sum = 0;
    for (int i = 0; i < 9; ++i) {
        int v = ((*t)[i] - '0') * ((9 - i) % 2 == 1 ? 2 : 1);
        if (v > 9)
            v -= 9;
        sum += v;
    }
    return (10 - sum % 10) % 10;
}

std::optional<int> referenceMod11(std::string_view text, bool lb)
{
    const auto t = tail(text, 13);
    if (!t)
        return std::nullopt;
    // Weights left to right for characters 1 to 12; the 13th is the check digit.
    static const int mb[12] = {7, 6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2};
    static const int lbw[12] = {6, 5, 4, 3, 2, 7, 6, 5, 4, 3, 2, 0};
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += ((*t)[i] - '0') * (lb ? lbw[i] : mb[i]);
    if (sum == 0)
        return 0;
    const int e = 11 - sum % 11;
    if (lb)
        return e == 10 ? 0 : e;
    return e == 11 ? 0 : e;
}

class Screen : public CheckedScreen {
public:
    int reds = 0, silvers = 0;
    std::string fieldText(Field) override { return {}; }
    void setColour(Field, BoxColour colour) override
    {
        (colour == BoxColour::Red ? reds : silvers) += 1;
    }
};

// Runs a routine and checks what it did against the expected digit.
template <typename Routine>
void checkRoutine(Routine routine, std::string_view text, std::string_view kind,
                  std::optional<int> expected, std::int16_t code)
{
    Screen screen;
    fuzz::ConfirmingBoxes boxes;
    const std::int16_t before = 77;
    std::int16_t fault = before;
    const bool digits = routine({screen, boxes, NonDigit::LeaveToCaller}, text, kind, fault);
    FUZZ_REQUIRE(digits == expected.has_value());
    const bool fails = expected && text.back() - '0' != *expected;
    FUZZ_REQUIRE(fault == (fails ? code : before));
    FUZZ_REQUIRE(screen.reds == (fails ? 1 : 0) && screen.silvers == screen.reds);
    FUZZ_REQUIRE(boxes.texts.size() == (fails ? 1u : 0u));

    Screen entry;
    fuzz::ConfirmingBoxes entryBoxes;
    fault = before;
    routine({entry, entryBoxes, NonDigit::TellUser}, text, kind, fault);
    FUZZ_REQUIRE(fault == (fails ? code : before));
    if (!expected)
        FUZZ_REQUIRE(entryBoxes.texts.size() == 1 && entryBoxes.texts[0] == kEntryNonDigitMessage);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto mod10 = expectedMod10(text);
    const auto lb = expectedMod11(text, "LB");
    const auto mb = expectedMod11(text, "MB");
    FUZZ_REQUIRE(mod10 == referenceMod10(text));
    FUZZ_REQUIRE(lb == referenceMod11(text, true));
    FUZZ_REQUIRE(mb == referenceMod11(text, false));
    FUZZ_REQUIRE(!expectedMod11(text, "RB") && !expectedMod11(text, text));
    if (mod10)
        FUZZ_REQUIRE(*mod10 >= 0 && *mod10 <= 9);
    if (lb)
        FUZZ_REQUIRE(*lb >= 0 && *lb <= 11 && *lb != 10);
    if (mb)
        FUZZ_REQUIRE(*mb >= 0 && *mb <= 10);

    checkRoutine(KontrolaMod10, text, "LB", mod10, kFaultLbMod10);
    checkRoutine(KontrolaMod10, text, "RB", mod10, kFaultRbMod10);
    checkRoutine(KontrolaMod11, text, "LB", lb, kFaultLbMod11);
    checkRoutine(KontrolaMod11, text, "MB", mb, kFaultMbMod11);

    // A kind the routine does not know changes nothing and shows nothing.
    Screen screen;
    fuzz::ConfirmingBoxes boxes;
    std::int16_t fault = 5;
    FUZZ_REQUIRE(KontrolaMod10({screen, boxes, NonDigit::TellUser}, text, "MB", fault));
    FUZZ_REQUIRE(KontrolaMod11({screen, boxes, NonDigit::TellUser}, text, "RB", fault));
    FUZZ_REQUIRE(fault == 5 && boxes.texts.empty() && screen.reds == 0);
    return 0;
}
