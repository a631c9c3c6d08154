#include "print/record_form_page.h"

#include "print/pdf_document.h"
#include "shell/form_layout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace dorvik {

namespace {

constexpr double kScreenDpi = 96;

// The form's pixels on the page: scaled to the width of the page, or to its
// height below the caption where that is less.
class FormScale {
public:
    FormScale(const QPaintDevice& device, QSize form, double top)
        : device_(device), top_(top),
          factor_(std::min(device.width() / double(form.width()),
                           (device.height() - top) / double(form.height())))
    {
    }

    QRectF rect(QRect r) const
    {
        return QRectF(r.x() * factor_, top_ + r.y() * factor_, r.width() * factor_,
                      r.height() * factor_);
    }
    // The frame of a cell or box: on its outermost pixels, as a widget draws
    // it, so that cells that overlap by a pixel share their line.
    QRectF frame(QRect r) const { return rect(QRect(r.topLeft(), r.size() - QSize(1, 1))); }
    double length(double pixels) const { return pixels * factor_; }

    // The same font as tall on the page as on the form.
    QFont font(QFont f) const
    {
        f.setPointSizeF(f.pointSizeF() * factor_ * kScreenDpi / device_.logicalDpiY());
        return f;
    }

private:
    const QPaintDevice& device_;
    double top_;
    double factor_;
};

void drawCell(QPainter& painter, const FormScale& scale, const FormCell& cell, const QPen& frame)
{
    const QRectF where = scale.rect(cell.rect);
    switch (cell.look) {
    case FormCell::Look::Text: break;
    case FormCell::Look::Framed: painter.setBrush(Qt::NoBrush); break;
    case FormCell::Look::Number: painter.setBrush(QColor(255, 255, 192)); break;
    case FormCell::Look::Empty: painter.setBrush(QColor(224, 224, 224)); break;
    }
    if (cell.look != FormCell::Look::Text) {
        painter.setPen(frame);
        painter.drawRect(scale.frame(cell.rect));
    }
    if (cell.text.isEmpty())
        return;
    painter.setPen(Qt::black);
    painter.setFont(scale.font(cell.font));
    const double inset = cell.look == FormCell::Look::Text ? 0 : scale.length(1);
    painter.drawText(where.adjusted(inset, inset, -inset, -inset),
                     int(cell.alignment) | (cell.wrap ? Qt::TextWordWrap : 0), cell.text);
}

// A box and its value: white, framed, black text, the whole value drawn
// smaller where it would not fit.
void drawBox(QPainter& painter, const FormScale& scale, QRect rect, Field field,
             const QString& value, const QPen& frame)
{
    const QRectF where = scale.rect(rect);
    painter.setBrush(Qt::white);
    painter.setPen(frame);
    painter.drawRect(scale.frame(rect));
    const QRectF inside = where.adjusted(scale.length(3), 0, -scale.length(3), 0);
    QFont font = scale.font(formFont());
    const double wide = QFontMetricsF(font, painter.device()).horizontalAdvance(value);
    if (wide > inside.width())
        font.setPointSizeF(font.pointSizeF() * inside.width() / wide);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(inside, int(boxAlignment(field)) | Qt::AlignVCenter, value);
}

} // namespace

void drawRecordForm(QPagedPaintDevice& device, const RecordSheet& sheet)
{
    QPainter painter(&device);
    QFont captionFont(QStringLiteral("Liberation Sans"));
    captionFont.setPointSizeF(9);
    const double captionHeight = QFontMetricsF(captionFont, &device).height();
    painter.setFont(captionFont);
    const QRectF captionRect(0, 0, device.width(), captionHeight);
    painter.drawText(captionRect, Qt::AlignLeft | Qt::AlignVCenter, sheet.caption);
    painter.drawText(captionRect, Qt::AlignRight | Qt::AlignVCenter, sheet.printedOn);

    const FormLayout layout = reportFormLayout(FormKind::Review);
    const FormScale scale(device, layout.size, captionHeight + pointsOn(device, 8));
    const QPen frame(Qt::black, scale.length(1));
    for (const FormCell& cell : layout.cells)
        drawCell(painter, scale, cell, frame);
    for (int i = 0; i < kFieldCount; ++i)
        drawBox(painter, scale, layout.boxes[static_cast<std::size_t>(i)], fieldAt(i),
                sheet.values[static_cast<std::size_t>(i)], frame);
}

} // namespace dorvik
