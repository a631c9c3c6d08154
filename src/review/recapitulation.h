// The sums behind "Rekap": the company's registration number and name from
// record 1, the number of records and the total of their amounts in whole
// denari, added up exactly in a 64-bit integer.
#pragma once

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dorvik {

class Recordset;
class ReportRecord;

// The whole denari of a Denari text: its first seven characters, which
// without blanks around them must be a non-empty run of digits. Nine blanks
// are zero. Nothing when the amount is not a number.
std::optional<std::int64_t> wholeDenari(std::string_view denari);

class Recapitulation {
public:
    // Adds the record with the 1-based number; record 1 names the company.
    void add(int number, const ReportRecord& record);

    const std::string& registrationNumber() const { return registrationNumber_; }
    const std::string& employer() const { return employer_; }
    int records() const { return records_; }
    std::int64_t total() const { return total_; }
    // Numbers of the records whose amount was not a number, left out of the total.
    const std::vector<int>& unreadable() const { return unreadable_; }

private:
    std::string registrationNumber_;
    std::string employer_;
    int records_ = 0;
    std::int64_t total_ = 0;
    std::vector<int> unreadable_;
};

// The recapitulation of every record of the set, in order.
Recapitulation recapitulationOf(const Recordset& records);

// "##,###,###.00" in the locale's separators: digits grouped by three, no
// leading zeros (zero gives ".00"), two decimals.
QString formatTotal(std::int64_t wholeDenari, const QLocale& locale);

// The notice about amounts left out; empty when there were none.
std::string unreadableAmountsMessage(const std::vector<int>& numbers);

} // namespace dorvik
