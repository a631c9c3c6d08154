// Today's date, behind an interface so that tests can fix it.
#pragma once

#include <chrono>
#include <string>

namespace dorvik {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::year_month_day today() const = 0;
};

// The system's clock, in local time.
class SystemClock : public Clock {
public:
    std::chrono::year_month_day today() const override;
};

// A clock that always says the same day.
class FixedClock : public Clock {
public:
    explicit FixedClock(std::chrono::year_month_day day) : day_(day) {}
    std::chrono::year_month_day today() const override { return day_; }

private:
    std::chrono::year_month_day day_;
};

// The current year as two digits ("03" for 2003): the year of today's date
// modulo 100, whatever the short date format looks like.
std::string currentTwoDigitYear(const Clock& clock);

} // namespace dorvik
