#include "review/field_width_validator.h"

#include "platform/code_page.h"

namespace dorvik {

FieldWidthValidator::FieldWidthValidator(int width, QObject* parent)
    : QValidator(parent), width_(width)
{
}

QValidator::State FieldWidthValidator::validate(QString& input, int& pos) const
{
    if (!isAllInCodePage(input))
        return Invalid;
    const qsizetype excess = input.size() - width_;
    if (excess <= 0)
        return Acceptable;
    // Only blanks behind the cursor may go: what the user typed, and what
    // stands before it, is never cut.
    const qsizetype tailStart = input.size() - excess;
    if (tailStart < pos)
        return Invalid;
    for (qsizetype i = tailStart; i < input.size(); ++i)
        if (input.at(i) != QLatin1Char(' '))
            return Invalid;
    input.truncate(tailStart);
    return Acceptable;
}

} // namespace dorvik
