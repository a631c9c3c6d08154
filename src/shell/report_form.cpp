#include "shell/report_form.h"

#include <QLabel>
#include <QLineEdit>

namespace dorvik {

namespace {

struct FieldBox {
    const char* name;    // object name without the entry screen's "V"
    const char* tooltip;
};

// In field order.
constexpr std::array<FieldBox, kFieldCount> kBoxes = {{
    {"txtGodina", "Godina za koja se odnesuva prijavata ( 2 numericki mesta)"},
    {"txtLicenBroj", "Licen broj na gragjaninot (10 numericki mesta)"},
    {"txtMaticenBroj", "Maticen broj na gragjaninot (13 numericki mesta)"},
    {"txtRegBroj", "Registarski broj na firmata ( 10 numericki mesta)"},
    {"txtImePrezime", "Ime i Prezime na osigurenikot ( 35 alfabetski mesta)"},
    {"txtFirma", "Naziv i sediste na obvrznikot (35 alfanumericki mesta)"},
    {"txtPeriodOd", "Pocetok na stazot (4 num mesta)"},
    {"txtPeriodDo", "Kraj na stasot (4 num mesta)"},
    {"txtMesec", "Vkupno meseci i denovi (4 num mesta)"},
    {"txtCasovi", "Vkupen broj na casovi ( 4 num mesta)"},
    {"txtDenari", "Vkupno denari (9 num mesta)"},
    {"txtBoleduvanje", "Nadomest na plata ( 4 num mesta)"},
    {"txtEfektStaz", "Beneficii efektivno traenje ( 4 num mesta)"},
    {"txtStepenZgolem", "Stepen na zgolemuvanje ( 5 alfanum mesta)"},
    {"txtSifraStaz", "Sifra ( 4 num mesta)"},
}};

const char* const kCellStyle = "border: 1px solid #000000; color: #000000;";

} // namespace

QString ReportForm::boxName(Field field, Kind kind)
{
    QString name = QString::fromLatin1(kBoxes[static_cast<int>(field)].name);
    if (kind == Kind::Entry)
        name += 'V';
    return name;
}

void paintBox(QLineEdit* box, BoxColour colour)
{
    const char* background = "#C0C0C0";
    if (colour == BoxColour::Red)
        background = "#FF0000";
    else if (colour == BoxColour::Yellow)
        background = "#FFFF00";
    box->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; color: #000080; }")
                           .arg(QLatin1String(background)));
}

ReportForm::ReportForm(Kind kind, QWidget* parent) : QWidget(parent)
{
    setObjectName(kind == Kind::Review ? QStringLiteral("frmKontrolaForm")
                                       : QStringLiteral("frmVnosForm"));
    const FormLayout layout = reportFormLayout(kind);
    setFixedSize(layout.size);

    for (int i = 0; i < kFieldCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(boxName(fieldAt(i), kind));
        box->setToolTip(QString::fromLatin1(kBoxes[i].tooltip));
        box->setFont(formFont());
        box->setFrame(true);
        box->setAlignment(boxAlignment(fieldAt(i)));
        box->setGeometry(layout.boxes[i]);
        paintBox(box, BoxColour::Silver);
        boxes_[i] = box;
    }

    for (const FormCell& cell : layout.cells) {
        auto* label = new QLabel(cell.text, this);
        if (!cell.name.isEmpty())
            label->setObjectName(cell.name);
        label->setFont(cell.font);
        label->setAlignment(cell.alignment);
        label->setWordWrap(cell.wrap);
        label->setGeometry(cell.rect);
        switch (cell.look) {
        case FormCell::Look::Text: break;
        case FormCell::Look::Framed: label->setStyleSheet(QLatin1String(kCellStyle)); break;
        case FormCell::Look::Number:
            label->setStyleSheet(QStringLiteral(
                "background-color: #FFFFC0; color: #000000; border: 1px solid #000000;"));
            break;
        case FormCell::Look::Empty:
            label->setStyleSheet(
                QStringLiteral("background-color: #C0C0C0; border: 1px solid #000000;"));
            break;
        }
    }
}

} // namespace dorvik
