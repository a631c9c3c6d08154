#include "shell/form_layout.h"

#include <QFontMetrics>

namespace dorvik {

namespace {

constexpr int kFormWidth = 643;
constexpr int kFormHeight = 360;

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

QFont smallFont(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class Builder {
public:
    explicit Builder(FormLayout& layout) : layout_(layout) {}

    FormCell& add(FormCell::Look look, const QString& text, const QFont& font, QRect rect,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter, bool wrap = false)
    {
        layout_.cells.push_back({look, text, rect, font, alignment, wrap, QString()});
        return layout_.cells.back();
    }

    // A header label as wide as its text; returns where its box may start.
    int headerLine(const char* text, int y)
    {
        const QFont font = smallFont(8.25, true);
        const QString caption = QString::fromLatin1(text);
        const int width = QFontMetrics(font).horizontalAdvance(caption);
        add(FormCell::Look::Text, caption, font, QRect(8, y, width, 22));
        return 8 + width + 8;
    }

    void box(Field field, QRect rect) { layout_.boxes[static_cast<int>(field)] = rect; }

private:
    FormLayout& layout_;
};

} // namespace

QFont formFont()
{
    return smallFont(9.75, true);
}

Qt::Alignment boxAlignment(Field field)
{
    return field == Field::Godina ? Qt::AlignLeft : Qt::AlignHCenter;
}

FormLayout reportFormLayout(FormKind kind)
{
    FormLayout layout;
    layout.size = QSize(kFormWidth, kFormHeight);
    Builder form(layout);
    using Look = FormCell::Look;

    // Header cells.
    const QFont headerFont = smallFont(8.25, true);
    form.headerLine("01 Broj na MF rolna - Broj na pozicija", 4);
    form.box(Field::LicenBroj, QRect(kFormWidth - 8 - 112, 4, 112, 24));
    form.add(Look::Text,
             QString::fromLatin1(kind == FormKind::Review ? "05 P R I J A V A" : "05 P R I J A V A - "),
             smallFont(11, true), QRect(0, 26, kFormWidth, 22), Qt::AlignCenter);
    form.add(Look::Text, QStringLiteral("02 Raboten nalog") + QString(55, ' ') + QStringLiteral("401040"),
             headerFont, QRect(8, 48, 520, 20))
        .name = QStringLiteral("lblRabotenNalog");
    form.box(Field::MaticenBroj, QRect(form.headerLine("03 Mati~en broj na gra|aninot", 70), 70, 136, 24));
    const int yearX = form.headerLine(
        "NA PODATOCITE ZA UTVRDUVAWE NA STA@OT   NA  OSIGURUVAWE  I  LI^EN  DOHOD  ZA", 94);
    form.box(Field::Godina, QRect(yearX, 94, 34, 24));
    form.box(Field::RegistarskiBroj,
             QRect(form.headerLine("04 Registarski broj na obrznikot za uplata na pridonesi", 118), 118,
                   112, 24));
    form.headerLine("04 Za mati`na evidencija", 142);
    const int nameX = form.headerLine("07 Naziv i sedi{te na rabotnata organizacija", 188);
    form.headerLine("06 Prezime i ime", 164);
    form.box(Field::ImePrezime, QRect(nameX, 164, 330, 24));
    form.box(Field::Firma, QRect(nameX, 188, 330, 24));

    // Group headings over the columns.
    const QFont groupFont = smallFont(7, true);
    auto group = [&](const char* text, int first, int last) {
        const int x = kColumns[first].x;
        const int right = kColumns[last].x + kColumns[last].width;
        form.add(Look::Framed, QString::fromLatin1(text), groupFont,
                 QRect(x, kGroupTop, right - x + 1, kGroupHeight + 1), Qt::AlignCenter, true);
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
            for (int s = 0; s < 2; ++s)
                form.add(Look::Framed, QString::fromLatin1(s == 0 ? "OD\nden/mes" : "DO\nden/mes"),
                         headingFont,
                         QRect(col.x + s * half, kHeadingTop, half + 1, kHeadingHeight + 1),
                         Qt::AlignCenter);
        } else {
            form.add(Look::Framed, QString::fromLatin1(kHeadings[c]), headingFont,
                     QRect(col.x, kHeadingTop, col.width + 1, kHeadingHeight + 1), Qt::AlignCenter,
                     true);
        }
        form.add(Look::Number, QString::number(c + 1), smallFont(8.25, true),
                 QRect(col.x, kNumberTop, col.width + 1, kNumberHeight + 1), Qt::AlignCenter);
    }

    auto place = [&](Field f, int column, int x, int width) {
        form.box(f, QRect(kColumns[column].x + x, kBoxTop, width, kBoxHeight));
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
        form.add(Look::Empty, QString(), QFont(),
                 QRect(kColumns[c].x, kBoxTop, kColumns[c].width + 1, kBoxHeight))
            .name = QStringLiteral("lblPrazno%1").arg(c + 1);
    }
    place(Field::EfektStaz, 7, 0, kColumns[7].width + 1);
    place(Field::StepenZgolem, 8, 0, kColumns[8].width + 1);
    place(Field::SifraStaz, 9, 0, kColumns[9].width);
    return layout;
}

} // namespace dorvik
