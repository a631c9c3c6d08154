// Numbers as payroll sheets write them: "12345", "12345,5", "1.234.567,50",
// "1,234,567.50", "2 088". A separator followed by exactly three digits (and
// standing where thousands are grouped) groups thousands; followed by one or
// two it is the decimal point; where both kinds appear the last is the
// decimal point.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace dorvik::import {

struct Amount {
    std::int64_t hundredths = 0; // the value times 100, exactly
    std::string error;           // not empty: not such a number, and why
};

// Blanks (also no-break and thin ones) inside are dropped first. A sign, a
// letter, or more than two decimals are errors; so is a value past
// 9,999,999,999,999.99.
Amount parseAmount(std::string_view text);

// A workbook's number ("12345.67") the same way, refusing more than two
// decimals.
Amount amountOfNumber(std::string_view plain);

// The text without blanks of any kind: the text itself when it has none,
// else a copy in scratch.
std::string_view compactView(std::string_view text, std::string& scratch);

inline constexpr const char* kNegativeReason = "negativen broj";
inline constexpr const char* kDecimalsReason = "poveke od dve decimali";
inline constexpr const char* kNotNumberReason = "ne e broj";

} // namespace dorvik::import
