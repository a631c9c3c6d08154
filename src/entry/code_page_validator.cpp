#include "entry/code_page_validator.h"

#include "platform/code_page.h"

#include <algorithm>

namespace dorvik {

QValidator::State CodePageValidator::validate(QString& input, int&) const
{
    return std::all_of(input.begin(), input.end(), isInCodePage) ? Acceptable : Invalid;
}

} // namespace dorvik
