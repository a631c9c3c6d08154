#include "print/recapitulation_page.h"

#include "print/pdf_document.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace dorvik {

namespace {

QFont sans(double points, bool bold = false)
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

// Draws down the page, one line after another.
class Column {
public:
    Column(QPainter& painter, const QPaintDevice& device) : painter_(painter), device_(device) {}

    double width() const { return device_.width(); }
    double points(double p) const { return pointsOn(device_, p); }
    void skip(double p) { y_ += points(p); }

    // A line of text, as tall as its font.
    void line(const QString& text, const QFont& font, const QColor& colour,
              Qt::Alignment align = Qt::AlignLeft)
    {
        const double height = QFontMetricsF(font, &device_).height();
        painter_.setFont(font);
        painter_.setPen(colour);
        painter_.drawText(QRectF(0, y_, width(), height), align | Qt::AlignVCenter, text);
        y_ += height;
    }

    // A text that may run over several lines.
    void paragraph(const QString& text, const QFont& font, const QColor& colour)
    {
        painter_.setFont(font);
        painter_.setPen(colour);
        const QRectF room(0, y_ + points(4), width(), device_.height());
        const QRectF used = painter_.boundingRect(room, Qt::AlignLeft | Qt::TextWordWrap, text);
        painter_.drawText(room, Qt::AlignLeft | Qt::TextWordWrap, text);
        y_ = used.bottom();
    }

    // A label with its value in a box at valueX, and a word after the box.
    void pair(const QString& label, const QString& value, double valueX, const QColor& colour,
              const QString& after = QString())
    {
        const QFont labelFont = sans(11);
        QFont valueFont = sans(11, true);
        const double height = QFontMetricsF(valueFont, &device_).height() * 1.4;
        // A value too wide for the rest of the line is drawn smaller, never cut.
        const double room = width() - valueX - points(8);
        const double wide = QFontMetricsF(valueFont, &device_).horizontalAdvance(value);
        if (wide > room)
            valueFont.setPointSizeF(valueFont.pointSizeF() * room / wide);
        painter_.setFont(labelFont);
        painter_.setPen(Qt::black);
        painter_.drawText(QRectF(0, y_, valueX, height), Qt::AlignLeft | Qt::AlignVCenter, label);
        painter_.setFont(valueFont);
        painter_.setPen(colour);
        // A value box with a thin frame, as in the window.
        const double valueWidth = QFontMetricsF(valueFont, &device_).horizontalAdvance(value);
        const double pad = points(3);
        const QRectF box(valueX, y_, valueWidth + 2 * pad, height);
        painter_.drawText(box.adjusted(pad, 0, -pad, 0), Qt::AlignLeft | Qt::AlignVCenter, value);
        painter_.setPen(QPen(QColor(128, 128, 128), points(0.5)));
        painter_.drawRect(box);
        if (!after.isEmpty()) {
            painter_.setFont(labelFont);
            painter_.setPen(Qt::black);
            painter_.drawText(QRectF(box.right() + points(6), y_, width(), height),
                              Qt::AlignLeft | Qt::AlignVCenter, after);
        }
        y_ += height;
    }

    void rule()
    {
        y_ += points(6);
        painter_.setPen(QPen(QColor(128, 128, 128), points(0.5)));
        painter_.drawLine(QPointF(0, y_), QPointF(width(), y_));
        y_ += points(8);
    }

    // A line to write on, from x over width, with its caption under it.
    void signatureLine(double x, double lineWidth, const QString& caption)
    {
        painter_.setPen(QPen(Qt::black, points(0.7)));
        painter_.drawLine(QPointF(x, y_), QPointF(x + lineWidth, y_));
        painter_.setFont(sans(10));
        painter_.drawText(QRectF(x, y_ + points(2), lineWidth, points(14)),
                          Qt::AlignHCenter | Qt::AlignTop, caption);
    }

private:
    QPainter& painter_;
    const QPaintDevice& device_;
    double y_ = 0;
};

} // namespace

void drawRecapitulation(QPagedPaintDevice& device, const RecapitulationSheet& sheet)
{
    QPainter painter(&device);
    Column page(painter, device);
    const QColor navy(0, 0, 128);
    const QColor darkRed(192, 0, 0);

    page.line(QLatin1String(kRecapCompany), sans(24), navy, Qt::AlignHCenter);
    page.rule();
    page.line(QLatin1String(kRecapHeading), sans(14), Qt::black);
    page.skip(14);

    // The values start under one another, after the longest of their labels.
    const QFont labelFont = sans(11);
    double valueX = 0;
    for (const char* label : {kRecapRegistration, kRecapRecords, kRecapTotal})
        valueX = std::max(valueX, QFontMetricsF(labelFont, &device).horizontalAdvance(QLatin1String(label)));
    valueX += page.points(10);

    page.pair(QLatin1String(kRecapRegistration), sheet.registrationNumber, valueX, navy);
    page.skip(4);
    // The name stands after its own short label, so that all 35 characters fit.
    const double nameX = QFontMetricsF(labelFont, &device).horizontalAdvance(QLatin1String(kRecapEmployer))
                         + page.points(10);
    page.pair(QLatin1String(kRecapEmployer), sheet.employer, nameX, navy);
    page.rule();
    page.pair(QLatin1String(kRecapRecords), sheet.records, valueX, navy);
    page.rule();
    page.pair(QLatin1String(kRecapTotal), sheet.total, valueX, darkRed, QLatin1String(kRecapCurrency));
    if (!sheet.notice.isEmpty())
        page.paragraph(sheet.notice, sans(10), darkRed);
    page.rule();

    page.skip(6);
    page.line(QStringLiteral("Datoteka: ") + sheet.reportPath, sans(10), Qt::black);
    page.skip(2);
    page.line(QStringLiteral("Datum na pecatenje: ") + sheet.printedOn, sans(10), Qt::black);

    page.skip(70);
    const double lineWidth = page.width() * 0.38;
    page.signatureLine(0, lineWidth, QStringLiteral("Mesto i datum"));
    page.signatureLine(page.width() - lineWidth, lineWidth,
                       QStringLiteral("Potpis i pecat na obvrznikot"));
    // The stamp's place, between the two.
    page.line(QStringLiteral("M.P."), sans(10), Qt::black, Qt::AlignHCenter);
}

} // namespace dorvik
