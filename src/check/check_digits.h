// The check digits of the personal number (kind "LB"), the master number
// ("MB") and the registration number ("RB").
#pragma once

#include "check/checked_screen.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace dorvik {

class UserBoxes;

// Fault codes set by a failed test.
inline constexpr std::int16_t kFaultLbMod10 = 1;
inline constexpr std::int16_t kFaultRbMod10 = 2;
inline constexpr std::int16_t kFaultLbMod11 = 3;
inline constexpr std::int16_t kFaultMbMod11 = 4;

// Weights by position from the right end; position 0 is the check digit.
inline constexpr std::array<int, 10> kMod10Weights = {0, 2, 1, 2, 1, 2, 1, 2, 1, 2};
inline constexpr std::array<int, 13> kMod11WeightsLb = {0, 0, 2, 3, 4, 5, 6, 7, 2, 3, 4, 5, 6};
inline constexpr std::array<int, 13> kMod11WeightsMb = {0, 2, 3, 4, 5, 6, 7, 2, 3, 4, 5, 6, 7};

// The personal number is tested twice: as "0" and its first nine digits
// (modulus 10), then as "000" and all ten (modulus 11).
inline constexpr std::string_view kLbMod10Zeros = "0";
inline constexpr std::size_t kLbMod10Digits = 9;
inline constexpr std::string_view kLbMod11Zeros = "000";

// The final step of each modulus, from the weighted sum of the digits to the
// check digit it asks for; written once for the routines below and for the
// check run's fast path. Modulus 10 (each two-digit product counted as the
// sum of its digits):
constexpr int mod10CheckDigit(int sum)
{
    const int r = sum % 10;
    return r == 0 ? 0 : 10 - r;
}

// Modulus 11: 11 - sum % 11 (0 for a sum of 0), where one of the two values
// that cannot be a digit counts as 0 and the other stays and matches no
// digit: the personal number folds 10, the master number folds 11.
inline constexpr int kMod11FoldedLb = 10;
inline constexpr int kMod11FoldedMb = 11;
constexpr int mod11CheckDigit(int sum, int folded)
{
    const int e = sum > 0 ? 11 - sum % 11 : 0;
    return e == folded ? 0 : e;
}

// The pure arithmetic. Each returns the expected check digit for the number
// (the digit in its last place is the one tested, never weighted), or nothing
// when a character that must be read is not a digit or is missing.
// expectedMod11 can give 10 or 11, which match no digit.
std::optional<int> expectedMod10(std::string_view number);
std::optional<int> expectedMod11(std::string_view number, std::string_view kind);

// What a routine does with a character that is not a digit.
enum class NonDigit {
    LeaveToCaller, // the review screen: the check run treats it as bad numeric data
    TellUser,      // the entry screen: a message box, then return
};

inline constexpr const char* kEntryNonDigitMessage =
    "- SLOGOT E GRESEN - NUMERICKIOT  PODATOK NE E VO RED, Izbrisete go so nekoj text editor ili pocnete odnovo";

struct CheckDigitContext {
    CheckedScreen& screen; // whose identifier box is painted
    UserBoxes& boxes;
    NonDigit nonDigit;
};

// The routines. On failure: faultCode := the test's code, the identifier's box
// red, the message box (title "Kontrola", information icon, OK), the box silver
// again. A pass or an unknown kind leaves faultCode as it was. Returns false
// when a character was not a digit (nothing set, nothing painted).
bool KontrolaMod10(const CheckDigitContext& context, std::string_view number,
                   std::string_view kind, std::int16_t& faultCode);
bool KontrolaMod11(const CheckDigitContext& context, std::string_view number,
                   std::string_view kind, std::int16_t& faultCode);

} // namespace dorvik
