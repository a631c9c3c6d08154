// The immediate checks of the entry screen and the plain focus advance: each
// runs as its box's text changes, when the text has the field's full width.

#include "check/entry_rules.h"
#include "entry/frm_vnos.h"
#include "entry/focus_step.h"

#include <QLineEdit>

namespace dorvik {

void frmVnos::onBoxChanged(Field field)
{
    // Values that the preview shows are the file's, not typed ones.
    if (previewing_ || (binding_ && binding_->refreshing()))
        return;
    faultCode_ = 0;
    if (box(field)->text().size() != fieldWidth(field))
        return;
    switch (field) {
    case Field::Godina:
        checkYear();
        break;
    case Field::LicenBroj:
    case Field::MaticenBroj:
    case Field::RegistarskiBroj:
        checkIdentifier(field);
        break;
    case Field::PeriodOd:
    case Field::PeriodDo:
        checkPeriod(field);
        break;
    default:
        advance();
        break;
    }
}

void frmVnos::advance()
{
    if (!filling_)
        focus_->queueStep();
}

void frmVnos::checkYear()
{
    if (yearPasses(fieldText(Field::Godina), currentTwoDigitYear(services().clock)))
        advance();
    else
        failWithMessage(Field::Godina, kYearMessage);
}

void frmVnos::checkPeriod(Field field)
{
    if (periodPasses(fieldText(field)))
        advance();
    else
        failWithMessage(field, kPeriodMessage);
}

void frmVnos::checkIdentifier(Field field)
{
    const CheckDigitContext context{*this, services().boxes, NonDigit::TellUser};
    // A number with a character that is not a digit is told about, and
    // neither wiped nor kept from moving on.
    if (dorvik::checkIdentifier(field, fieldText(field), context, faultCode_)
        == IdentifierVerdict::Fails)
        wipe(field);
    else
        advance();
}

void frmVnos::failWithMessage(Field field, const char* text)
{
    setColour(field, BoxColour::Red);
    tell(services().boxes, text, Icon::Information, kCheckTitle);
    setColour(field, BoxColour::Silver);
    wipe(field);
}

void frmVnos::wipe(Field field)
{
    // Runs this handler again, which stops at the length gate.
    box(field)->clear();
}

} // namespace dorvik
