#include "shell/report_form.h"

#include <QLabel>
#include <QLineEdit>

namespace dorvik {

namespace {

constexpr int kFormWidth = 643;
constexpr int kFormHeight = 360;

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

// The ten numbered columns: left edge and width.
struct Column {
    int x;
    int width;
};
constexpr std::array<Column, 10> kColumns = {{
    {8, 104}, {112, 52}, {164, 64}, {228, 92}, {320, 56},
    {376, 62}, {438, 40}, {478, 56}, {534, 56}, {590, 45},
}};

constexpr int kGroupTop = 214;
constexpr int kGroupHeight = 58;
constexpr int kHeadingTop = kGroupTop + kGroupHeight;
constexpr int kHeadingHeight = 40;
constexpr int kNumberTop = kHeadingTop + kHeadingHeight;
constexpr int kNumberHeight = 18;
constexpr int kBoxTop = kNumberTop + kNumberHeight;
constexpr int kBoxHeight = 26;

const char* const kCellStyle = "border: 1px solid #000000; color: #000000;";

QFont smallFont(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

QFont formFont()
{
    return smallFont(9.75, true);
}

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
    setFixedSize(kFormWidth, kFormHeight);

    const QFont headerFont = smallFont(8.25, true);
    auto label = [this](const QString& text, const QFont& font, QRect where,
                        Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
        auto* l = new QLabel(text, this);
        l->setFont(font);
        l->setAlignment(align);
        l->setGeometry(where);
        return l;
    };
    // A header label sized to its text; returns where its box may start.
    auto headerLine = [&](const char* text, int y) {
        QLabel* l = label(QString::fromLatin1(text), headerFont, QRect(8, y, 10, 22));
        l->adjustSize();
        l->setGeometry(8, y, l->width(), 22);
        return 8 + l->width() + 8;
    };

    for (int i = 0; i < kFieldCount; ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(boxName(fieldAt(i), kind));
        box->setToolTip(QString::fromLatin1(kBoxes[i].tooltip));
        box->setFont(formFont());
        box->setFrame(true);
        box->setAlignment(fieldAt(i) == Field::Godina ? Qt::AlignLeft : Qt::AlignHCenter);
        paintBox(box, BoxColour::Silver);
        boxes_[i] = box;
    }

    // Header cells.
    headerLine("01 Broj na MF rolna - Broj na pozicija", 4);
    box(Field::LicenBroj)->setGeometry(kFormWidth - 8 - 112, 4, 112, 24);
    label(QString::fromLatin1(kind == Kind::Review ? "05 P R I J A V A" : "05 P R I J A V A - "),
          smallFont(11, true), QRect(0, 26, kFormWidth, 22), Qt::AlignCenter);
    label(QStringLiteral("02 Raboten nalog") + QString(55, ' ') + QStringLiteral("401040"),
          headerFont, QRect(8, 48, 520, 20))
        ->setObjectName(QStringLiteral("lblRabotenNalog"));
    box(Field::MaticenBroj)->setGeometry(headerLine("03 Mati~en broj na gra|aninot", 70), 70, 136, 24);
    const int yearX = headerLine(
        "NA PODATOCITE ZA UTVRDUVAWE NA STA@OT   NA  OSIGURUVAWE  I  LI^EN  DOHOD  ZA", 94);
    box(Field::Godina)->setGeometry(yearX, 94, 34, 24);
    box(Field::RegistarskiBroj)
        ->setGeometry(headerLine("04 Registarski broj na obrznikot za uplata na pridonesi", 118), 118,
                      112, 24);
    headerLine("04 Za mati`na evidencija", 142);
    const int nameX = headerLine("07 Naziv i sedi{te na rabotnata organizacija", 188);
    headerLine("06 Prezime i ime", 164);
    box(Field::ImePrezime)->setGeometry(nameX, 164, 330, 24);
    box(Field::Firma)->setGeometry(nameX, 188, 330, 24);

    // Group headings over the columns.
    const QFont groupFont = smallFont(7, true);
    auto group = [&](const char* text, int first, int last) {
        const int x = kColumns[first].x;
        const int right = kColumns[last].x + kColumns[last].width;
        QLabel* l = label(QString::fromLatin1(text), groupFont,
                          QRect(x, kGroupTop, right - x + 1, kGroupHeight + 1), Qt::AlignCenter);
        l->setWordWrap(true);
        l->setStyleSheet(QLatin1String(kCellStyle));
    };
    group("Utvrden sta` na osigurenikot", 0, 1);
    group("Utvrden ~ist li~en dohod", 2, 3);
    group("Nadomest na Li~en dohot do edna godina", 4, 6);
    group("Podatoci za vreme pominato na rab. zada~i na koi sta`ot za vreme traeweto na "
          "osiguruvaweto se smeta so zgolemeno traewe",
          7, 9);

    // Column headings, the row of numbers, the row of boxes.
    const QFont headingFont = smallFont(7.5, false);
    static const char* const kHeadings[10] = {
        nullptr, "mes.\nden.", "Za vk. broj na ~asovi", "Daenari", "Br. na ~asovi",
        "Iznos na osn. po eden ~as", "god.", "Efektivno traewe", "Naziv na rab. zada~a", "[ifra"};
    for (int c = 0; c < 10; ++c) {
        const Column col = kColumns[c];
        if (c == 0) {
            const int half = col.width / 2;
            for (int s = 0; s < 2; ++s) {
                QLabel* l = label(QString::fromLatin1(s == 0 ? "OD\nden/mes" : "DO\nden/mes"),
                                  headingFont,
                                  QRect(col.x + s * half, kHeadingTop, half + 1, kHeadingHeight + 1),
                                  Qt::AlignCenter);
                l->setStyleSheet(QLatin1String(kCellStyle));
            }
        } else {
            QLabel* l = label(QString::fromLatin1(kHeadings[c]), headingFont,
                              QRect(col.x, kHeadingTop, col.width + 1, kHeadingHeight + 1),
                              Qt::AlignCenter);
            l->setWordWrap(true);
            l->setStyleSheet(QLatin1String(kCellStyle));
        }
        QLabel* number = label(QString::number(c + 1), smallFont(8.25, true),
                               QRect(col.x, kNumberTop, col.width + 1, kNumberHeight + 1),
                               Qt::AlignCenter);
        number->setStyleSheet(
            QStringLiteral("background-color: #FFFFC0; color: #000000; border: 1px solid #000000;"));
    }

    auto place = [&](Field f, int column, int x, int width) {
        box(f)->setGeometry(kColumns[column].x + x, kBoxTop, width, kBoxHeight);
    };
    const int half = kColumns[0].width / 2;
    place(Field::PeriodOd, 0, 0, half);
    place(Field::PeriodDo, 0, half, kColumns[0].width - half + 1);
    place(Field::Mesec, 1, 0, kColumns[1].width + 1);
    place(Field::VkRabCasovi, 2, 0, kColumns[2].width + 1);
    place(Field::Denari, 3, 0, kColumns[3].width + 1);
    place(Field::Boleduvanje, 4, 0, kColumns[4].width + 1);
    for (int c : {5, 6}) {
        // Columns 6 and 7 have no field: an empty grey cell each.
        auto* cell = new QLabel(this);
        cell->setObjectName(QStringLiteral("lblPrazno%1").arg(c + 1));
        cell->setGeometry(kColumns[c].x, kBoxTop, kColumns[c].width + 1, kBoxHeight);
        cell->setStyleSheet(QStringLiteral("background-color: #C0C0C0; border: 1px solid #000000;"));
    }
    place(Field::EfektStaz, 7, 0, kColumns[7].width + 1);
    place(Field::StepenZgolem, 8, 0, kColumns[8].width + 1);
    place(Field::SifraStaz, 9, 0, kColumns[9].width);
}

} // namespace dorvik
