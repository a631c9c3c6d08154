// The length of a service period counted the reports' way: every month 30
// days. The check run compares it with a record's months and days of
// service; the import fills in the months and days from it.
#pragma once

#include <cstdint>
#include <string>

namespace dorvik {

struct ServiceLength {
    std::int64_t months = 0;
    std::int64_t days = 0;

    // The months in decimal, with a "0" in front of a single character
    // (short enough to need no allocation).
    std::string monthsText() const;
    // The months, then the days, each written so: "1200" for twelve months.
    std::string text() const;
};

// From the first day of the period (startDay.startMonth) to its last day
// (endDay.endMonth), both included, as the check run counts it.
ServiceLength serviceLength(std::int64_t startDay, std::int64_t startMonth, std::int64_t endDay,
                            std::int64_t endMonth);

} // namespace dorvik
