#include "entry/frm_popolnuvawe.h"

#include "platform/code_page.h"
#include "shell/box_validator.h"
#include "shell/form_widgets.h"
#include "shell/module1.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace dorvik {

namespace {
QLineEdit* valueBox(const char* name, int maxLength, QWidget* parent)
{
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(maxLength);
    new BoxValidator(box);
    return box;
}

std::string bytesOf(const QLineEdit* box)
{
    // The validator lets only code-page characters in.
    return textToBytes(box->text()).value_or(std::string());
}
} // namespace

frmPopolnuvawe::frmPopolnuvawe(QWidget* parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("frmPopolnuvawe"));
    setWindowTitle(QStringLiteral("Avtomatsko popolnuvanje"));
    setModal(true);

    auto* label1 = new QLabel(
        QStringLiteral("VKLU^ETE go poleto za avto popolnuvawe i popolnete gi so soodvetna "
                       "sodr`ina ako poliwata koj se prezentirani se isti za site prijavi !"),
        this);
    label1->setObjectName(QStringLiteral("Label1"));
    label1->setWordWrap(true);
    QFont bold = label1->font();
    bold.setBold(true);
    label1->setFont(bold);

    yearBox_ = valueBox("txtGodinaA", 2, this);
    registrationBox_ = valueBox("txtRegistarskiBrojA", 10, this);
    employerBox_ = valueBox("txtFirmaA", 35, this);

    const QString captions[3] = {QStringLiteral("Godina"), QStringLiteral("Registarski broj"),
                                 QStringLiteral("Naziv na firmat ")};
    QLineEdit* const valueBoxes[3] = {yearBox_, registrationBox_, employerBox_};
    auto* values = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        valueLabels_[i] = new QLabel(captions[i], this);
        valueLabels_[i]->setObjectName(QStringLiteral("Label2_%1").arg(i));
        valueLabels_[i]->setBuddy(valueBoxes[i]);
        values->addWidget(valueLabels_[i], i, 0);
        values->addWidget(valueBoxes[i], i, 1, 1, 2, i == 2 ? Qt::Alignment() : Qt::AlignLeft);
    }
    values->setColumnStretch(2, 1);
    // Each box as wide as its value; hidden boxes keep their place.
    const int digit = yearBox_->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    yearBox_->setFixedWidth(4 * digit + 16);
    registrationBox_->setFixedWidth(12 * digit + 16);
    employerBox_->setMinimumWidth(30 * digit + 16);
    for (QLineEdit* box : valueBoxes)
        keepPlaceWhenHidden(box);

    autoFillCheck_ = new QCheckBox(QStringLiteral("Aktivirawe na avto popolnuvawe"), this);
    autoFillCheck_->setObjectName(QStringLiteral("chkBox"));
    continueButton_ = new QPushButton(QStringLiteral("Prodol`i"), this);
    continueButton_->setObjectName(QStringLiteral("cmdProdolzi"));
    continueButton_->setDefault(true);
    benefitCheck_ = new QCheckBox(QStringLiteral("Poliwa za beneficiran staz"), this);
    benefitCheck_->setObjectName(QStringLiteral("chkAktivB"));
    auto* label3 = new QLabel(QStringLiteral("Ako nemate potreba za vnesuvawe na beneficiran sta` "
                                             "toga{ poliwata avtomatski ke se popolnuvat"),
                              this);
    label3->setObjectName(QStringLiteral("Label3"));
    label3->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label1);
    layout->addLayout(values);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(autoFillCheck_);
    buttonRow->addStretch(1);
    buttonRow->addWidget(continueButton_);
    layout->addLayout(buttonRow);
    layout->addSpacing(12);
    layout->addWidget(benefitCheck_);
    layout->addWidget(label3);

    setTabOrder(yearBox_, registrationBox_);
    setTabOrder(registrationBox_, employerBox_);
    setTabOrder(employerBox_, autoFillCheck_);
    setTabOrder(autoFillCheck_, continueButton_);
    setTabOrder(continueButton_, benefitCheck_);

    connect(autoFillCheck_, &QCheckBox::toggled, this, &frmPopolnuvawe::showValueBoxes);
    connect(continueButton_, &QPushButton::clicked, this, [this] {
        storeValues();
        accept();
    });
    showValueBoxes(false);
}

void frmPopolnuvawe::showValueBoxes(bool shown)
{
    const QString boxLook = shown ? QStringLiteral("QLineEdit { background: rgb(255,255,255); }")
                                  : QStringLiteral("QLineEdit { background: rgb(192,192,192); }");
    const QString labelLook =
        shown ? QStringLiteral("QLabel { color: %1; }")
                    .arg(palette().color(QPalette::ButtonText).name())
              : QStringLiteral("QLabel { color: rgb(128,128,128); }");
    for (QLineEdit* box : {yearBox_, registrationBox_, employerBox_}) {
        box->setStyleSheet(boxLook);
        box->setVisible(shown);
    }
    for (QLabel* label : valueLabels_)
        label->setStyleSheet(labelLook);
}

void frmPopolnuvawe::storeValues()
{
    if (autoFillCheck_->isChecked()) {
        Module1::AutoGodina = bytesOf(yearBox_);
        Module1::AutoRegistarskiBroj = bytesOf(registrationBox_);
        Module1::AutoFirma = bytesOf(employerBox_);
    } else {
        Module1::AutoGodina.clear();
        Module1::AutoRegistarskiBroj.clear();
        Module1::AutoFirma.clear();
    }
    if (benefitCheck_->isChecked()) {
        Module1::AutoEfektStaz = "0000";
        Module1::AutoStepenZgolem = "     ";
    } else {
        Module1::AutoEfektStaz.clear();
        Module1::AutoStepenZgolem.clear();
    }
}

} // namespace dorvik
