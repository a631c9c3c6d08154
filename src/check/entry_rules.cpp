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

IdentifierVerdict checkIdentifier(Field field, std::string_view number,
                                  const CheckDigitContext& context, std::int16_t& faultCode)
{
    bool digits = true;
    switch (field) {
    case Field::LicenBroj: {
        if (number == "0000000000")
            return IdentifierVerdict::Passes;
        std::string luhnText(kLbMod10Zeros);
        luhnText.append(number.substr(0, kLbMod10Digits));
        digits = KontrolaMod10(context, luhnText, "LB", faultCode);
        if (faultCode == kFaultLbMod10)
            return IdentifierVerdict::Fails;
        std::string mod11Text(kLbMod11Zeros);
        mod11Text.append(number);
        digits = KontrolaMod11(context, mod11Text, "LB", faultCode) && digits;
        if (faultCode == kFaultLbMod11)
            return IdentifierVerdict::Fails;
        break;
    }
    case Field::MaticenBroj:
        digits = KontrolaMod11(context, number, "MB", faultCode);
        // Thirteen zeros pass the arithmetic but are no master number.
        if (number == "0000000000000" || faultCode == kFaultMbMod11)
            return IdentifierVerdict::Fails;
        break;
    case Field::RegistarskiBroj:
        digits = KontrolaMod10(context, number, "RB", faultCode);
        if (faultCode == kFaultRbMod10)
            return IdentifierVerdict::Fails;
        break;
    default:
        break;
    }
    return digits ? IdentifierVerdict::Passes : IdentifierVerdict::NotDigits;
}

std::optional<Field> firstIncompleteField(const ReportTexts& texts)
{
    ReportTextViews views;
    for (int i = 0; i < kFieldCount; ++i)
        if (texts[i])
            views[i] = *texts[i];
    return firstIncompleteField(views);
}

std::optional<Field> firstIncompleteField(const ReportTextViews& texts)
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
