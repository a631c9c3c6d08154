#include "check/service_length.h"

namespace dorvik {

namespace {
std::string twoPlaces(std::int64_t value)
{
    std::string digits = std::to_string(value);
    if (digits.size() == 1)
        digits.insert(digits.begin(), '0');
    return digits;
}
} // namespace

std::string ServiceLength::monthsText() const
{
    return twoPlaces(months);
}

std::string ServiceLength::text() const
{
    return twoPlaces(months) + twoPlaces(days);
}

ServiceLength serviceLength(std::int64_t startDay, std::int64_t startMonth, std::int64_t endDay,
                            std::int64_t endMonth)
{
    // The days left in the first month and the days used of the last one,
    // each a whole month once it reaches 30, and their sum likewise.
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
    return {(em - sm) + c1 + c2 + c3 + 1, days};
}

} // namespace dorvik
