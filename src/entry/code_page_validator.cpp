#include "entry/code_page_validator.h"

#include "platform/code_page.h"

namespace dorvik {

QValidator::State CodePageValidator::validate(QString& input, int&) const
{
    return isAllInCodePage(input) ? Acceptable : Invalid;
}

} // namespace dorvik
