#include "print/pdf_document.h"

#include <QBuffer>
#include <QPdfWriter>

namespace dorvik {

QPageLayout a4Page(QPageLayout::Orientation orientation)
{
    return QPageLayout(QPageSize(QPageSize::A4), orientation, QMarginsF(15, 15, 15, 15),
                       QPageLayout::Millimeter);
}

std::optional<QByteArray> drawPdf(const QString& title, const QPageLayout& layout,
                                  const DrawDocument& draw)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Dorvik"));
        writer.setPageLayout(layout);
        if (!draw(writer))
            return std::nullopt;
    }
    return bytes;
}

double pointsOn(const QPaintDevice& device, double points)
{
    return points * device.logicalDpiY() / 72.0;
}

} // namespace dorvik
