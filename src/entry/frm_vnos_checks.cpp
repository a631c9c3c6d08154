// The immediate checks of the entry screen and the plain focus advance: each
// runs as its box's text changes, when the text has the field's full width.

#include "check/check_digits.h"
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
        checkLicenBroj();
        break;
    case Field::MaticenBroj:
        checkMaticenBroj();
        break;
    case Field::RegistarskiBroj:
        checkRegBroj();
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

void frmVnos::checkLicenBroj()
{
    const std::string number = fieldText(Field::LicenBroj);
    if (number == "0000000000") {
        advance();
        return;
    }
    const CheckDigitContext context{*this, services().boxes, NonDigit::TellUser};
    // Built step by step: GCC 12 at -O3 mistakes "0" + substr for an overlap.
    std::string luhnText = "0";
    luhnText.append(number, 0, 9);
    KontrolaMod10(context, luhnText, "LB", faultCode_);
    if (faultCode_ == kFaultLbMod10) {
        wipe(Field::LicenBroj);
        return;
    }
    std::string mod11Text = "000";
    mod11Text += number;
    KontrolaMod11(context, mod11Text, "LB", faultCode_);
    if (faultCode_ == kFaultLbMod11)
        wipe(Field::LicenBroj);
    else
        advance();
}

void frmVnos::checkMaticenBroj()
{
    const std::string number = fieldText(Field::MaticenBroj);
    const CheckDigitContext context{*this, services().boxes, NonDigit::TellUser};
    KontrolaMod11(context, number, "MB", faultCode_);
    // Thirteen zeros pass the arithmetic but are no master number.
    if (number == "0000000000000" || faultCode_ == kFaultMbMod11)
        wipe(Field::MaticenBroj);
    else
        advance();
}

void frmVnos::checkRegBroj()
{
    const CheckDigitContext context{*this, services().boxes, NonDigit::TellUser};
    KontrolaMod10(context, fieldText(Field::RegistarskiBroj), "RB", faultCode_);
    if (faultCode_ == kFaultRbMod10)
        wipe(Field::RegistarskiBroj);
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
