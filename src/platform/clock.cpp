#include "platform/clock.h"

#include <ctime>

namespace dorvik {

std::chrono::year_month_day SystemClock::today() const
{
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return std::chrono::year_month_day{std::chrono::year{local.tm_year + 1900},
                                       std::chrono::month{static_cast<unsigned>(local.tm_mon + 1)},
                                       std::chrono::day{static_cast<unsigned>(local.tm_mday)}};
}

std::string currentTwoDigitYear(const Clock& clock)
{
    int year = static_cast<int>(clock.today().year()) % 100;
    if (year < 0)
        year += 100;
    return {static_cast<char>('0' + year / 10), static_cast<char>('0' + year % 10)};
}

} // namespace dorvik
