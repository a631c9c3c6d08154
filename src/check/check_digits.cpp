#include "check/check_digits.h"

#include "check/numeric_text.h"
#include "platform/user_boxes.h"

#include <array>

namespace dorvik {

namespace {

// The digit at a position counted from the right end; a missing character or
// one that is not a digit gives -1.
int digitFromRight(std::string_view number, std::size_t position)
{
    if (position >= number.size())
        return -1;
    const auto digit = static_cast<unsigned char>(number[number.size() - 1 - position] - '0');
    return digit <= 9 ? digit : -1;
}

struct Test {
    std::int16_t faultCode;
    Field field;
    const char* message;
};

constexpr Test kLbMod10{kFaultLbMod10, Field::LicenBroj, "LICNIOT  BROJ E GRESEN  PO MODUL 10"};
constexpr Test kRbMod10{kFaultRbMod10, Field::RegistarskiBroj,
                        "REGISTARSKIOT BROJ E GRESEN PO NODUL 10"};
constexpr Test kLbMod11{kFaultLbMod11, Field::LicenBroj,
                        "LICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"};
constexpr Test kMbMod11{kFaultMbMod11, Field::MaticenBroj,
                        "MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"};

// Runs one test: the check digit against the expected one, reporting a
// failure on the context's screen. False when a character was not a digit.
bool runTest(const CheckDigitContext& context, std::string_view number,
             std::optional<int> expected, const Test& test, std::int16_t& faultCode)
{
    const int checkDigit = digitFromRight(number, 0);
    if (!expected || checkDigit < 0) {
        if (context.nonDigit == NonDigit::TellUser)
            tell(context.boxes, kEntryNonDigitMessage);
        return false;
    }
    if (checkDigit == *expected)
        return true;

    faultCode = test.faultCode;
    context.screen.setColour(test.field, BoxColour::Red);
    tellFinding(context.boxes, test.message, Icon::Information, "Kontrola");
    context.screen.setColour(test.field, BoxColour::Silver);
    return true;
}

} // namespace

// Every weighted place and the check digit itself must hold a digit: the
// last kMod10Weights.size() (or 13) characters of the number.
std::optional<int> expectedMod10(std::string_view number)
{
    constexpr std::size_t places = kMod10Weights.size();
    if (number.size() < places || !allDigits(number.substr(number.size() - places)))
        return std::nullopt;
    const char* const last = number.data() + number.size() - 1;
    int sum = 0;
    // Unrolled, the weights are constants and the branch disappears.
#pragma GCC unroll 16
    for (std::size_t position = 1; position < places; ++position) {
        const int product = (last[-static_cast<std::ptrdiff_t>(position)] - '0') * kMod10Weights[position];
        // The digits of a two-digit product are added: 1 + (product - 10).
        sum += product >= 10 ? product - 9 : product;
    }
    return mod10CheckDigit(sum);
}

std::optional<int> expectedMod11(std::string_view number, std::string_view kind)
{
    const bool lb = kind == "LB";
    if (!lb && kind != "MB")
        return std::nullopt;
    const auto& weights = lb ? kMod11WeightsLb : kMod11WeightsMb;
    constexpr std::size_t places = kMod11WeightsLb.size();
    static_assert(kMod11WeightsMb.size() == places);
    if (number.size() < places || !allDigits(number.substr(number.size() - places)))
        return std::nullopt;
    const char* const last = number.data() + number.size() - 1;
    int sum = 0;
#pragma GCC unroll 16
    for (std::size_t position = 0; position < places; ++position)
        sum += (last[-static_cast<std::ptrdiff_t>(position)] - '0') * weights[position];
    return mod11CheckDigit(sum, lb ? kMod11FoldedLb : kMod11FoldedMb);
}

bool KontrolaMod10(const CheckDigitContext& context, std::string_view number,
                   std::string_view kind, std::int16_t& faultCode)
{
    const Test* test = kind == "LB" ? &kLbMod10 : kind == "RB" ? &kRbMod10 : nullptr;
    if (!test)
        return true;
    return runTest(context, number, expectedMod10(number), *test, faultCode);
}

bool KontrolaMod11(const CheckDigitContext& context, std::string_view number,
                   std::string_view kind, std::int16_t& faultCode)
{
    const Test* test = kind == "LB" ? &kLbMod11 : kind == "MB" ? &kMbMod11 : nullptr;
    if (!test)
        return true;
    return runTest(context, number, expectedMod11(number, kind), *test, faultCode);
}

} // namespace dorvik
