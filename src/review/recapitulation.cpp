#include "review/recapitulation.h"

#include "check/numeric_text.h"
#include "data/recordset.h"
#include "data/report_record.h"

#include <algorithm>

namespace dorvik {

namespace {
constexpr std::size_t kAmountDigits = 7;
constexpr std::size_t kListedNumbers = 20;
} // namespace

std::optional<std::int64_t> wholeDenari(std::string_view denari)
{
    if (isRun(denari, ' ', static_cast<std::size_t>(fieldWidth(Field::Denari))))
        return 0;
    if (denari.size() < kAmountDigits)
        return std::nullopt;
    return toNumber(denari.substr(0, kAmountDigits));
}

void Recapitulation::add(int number, const ReportRecord& record)
{
    if (number == 1) {
        registrationNumber_ = record.value(Field::RegistarskiBroj);
        employer_ = record.value(Field::Firma);
    }
    ++records_;
    if (const auto amount = wholeDenari(record.value(Field::Denari)))
        total_ += *amount;
    else
        unreadable_.push_back(number);
}

Recapitulation recapitulationOf(const Recordset& records)
{
    Recapitulation recap;
    for (int i = 0; i < records.RecordCount(); ++i)
        recap.add(i + 1, records.record(i));
    return recap;
}

QString formatTotal(std::int64_t wholeDenari, const QLocale& locale)
{
    QString digits = wholeDenari == 0 ? QString() : QString::number(wholeDenari < 0 ? -wholeDenari : wholeDenari);
    const QString group = locale.groupSeparator();
    for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
        digits.insert(at, group);
    if (wholeDenari < 0)
        digits.prepend(locale.negativeSign());
    return digits + locale.decimalPoint() + QStringLiteral("00");
}

std::string unreadableAmountsMessage(const std::vector<int>& numbers)
{
    if (numbers.empty())
        return {};
    if (numbers.size() == 1)
        return "Iznosot na slogot " + std::to_string(numbers.front())
               + " ne e broj i ne e vklucen vo zbirnata masa.";
    std::string list;
    const std::size_t shown = std::min(numbers.size(), kListedNumbers);
    for (std::size_t i = 0; i < shown; ++i) {
        if (i > 0)
            list += ", ";
        list += std::to_string(numbers[i]);
    }
    if (numbers.size() > kListedNumbers)
        list += ", ...";
    return "Iznosite na slogovite " + list + " ne se broevi i ne se vkluceni vo zbirnata masa.";
}

} // namespace dorvik
