// From a sheet's cell to the text a field stores, never changing what the
// value means: a value that cannot be stored as it is fails, with the reason.
#pragma once

#include "data/report_record.h"
#include "import/sheet.h"

#include <string>
#include <string_view>

namespace dorvik::import {

enum class AmountUnit {
    Denari,     // the sheet's amounts are denari (and deni); the field holds hundredths
    FieldDigits // the sheet holds the field's nine digits as they stand
};

struct NormaliseOptions {
    AmountUnit amounts = AmountUnit::Denari;
};

struct FieldValue {
    std::string stored; // the field's bytes (Windows-1251), its full width, when it passed
    std::string note;   // what was added, e.g. "615 -> 0000000615"
    std::string error;  // not empty: the reason it cannot be stored

    bool ok() const { return error.empty(); }
};

// The cell trimmed, without a leading "'" and without Excel's ="..." around
// it: the value as the user means it.
std::string cellValue(std::string_view text);

// reportYear: the report's two-digit year, which a date in a period must
// fall in; empty when the row has none (then no date is compared with it).
FieldValue normaliseField(Field field, const SheetCell& cell, std::string_view reportYear,
                          const NormaliseOptions& options);

// The months and days of service of a period (two stored DDMM texts),
// counted the check run's way.
FieldValue serviceMonths(std::string_view periodOd, std::string_view periodDo);

// Reasons, exact.
inline constexpr const char* kEmptyReason = "praznoto pole";
std::string lostDigitsReason(std::string_view shown);

} // namespace dorvik::import
