#include "check/entry_rules.h"

#include "check/numeric_text.h"

namespace dorvik {

bool yearPasses(std::string_view year, std::string_view currentYear)
{
    if (year.size() != 2 || !allDigits(year))
        return false;
    return year >= "70" || year <= currentYear;
}

bool periodPasses(std::string_view period)
{
    if (period.size() != 4)
        return false;
    const std::string_view day = period.substr(0, 2);
    const std::string_view month = period.substr(2, 2);
    return day > "00" && day <= "31" && month > "00" && month <= "12";
}

std::optional<Field> firstIncompleteField(const ReportTexts& texts)
{
    for (Field f : kTypingOrder) {
        const auto& text = texts[static_cast<int>(f)];
        if (!text)
            return f;
        const auto width = static_cast<std::size_t>(fieldWidth(f));
        if (text->size() > width || (isFixedWidthField(f) && text->size() != width))
            return f;
        if (isDigitField(f) && !allDigits(*text))
            return f;
    }
    return std::nullopt;
}

} // namespace dorvik
