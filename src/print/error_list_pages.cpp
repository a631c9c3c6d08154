#include "print/error_list_pages.h"

#include "print/pdf_document.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QRawFont>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace dorvik {

namespace {

constexpr double kFontPoints = 10;
constexpr double kPitchPoints = 12;    // one row, at the full font size
constexpr int kHeadingRows = 2;        // the heading and a row of space

// The list's font, as large as 10 points or as fits 79 columns across.
QFont listFont(const QPaintDevice& device)
{
    QFont font(QStringLiteral("Liberation Mono"));
    font.setStyleHint(QFont::Monospace);
    font.setPointSizeF(kFontPoints);
    const double wide = QFontMetricsF(font, &device).horizontalAdvance(QString(kListColumns, 'M'));
    if (wide > device.width())
        font.setPointSizeF(kFontPoints * device.width() / wide);
    return font;
}

double pitch(const QPaintDevice& device, const QFont& font)
{
    return pointsOn(device, kPitchPoints * font.pointSizeF() / kFontPoints);
}

// Draws rows into a PDF as runs of glyphs at the font's fixed advance: a
// monospaced font needs no shaping, and laying each row out as text takes
// most of the time of a long list. The PDF holds every glyph with its own
// position, so what saves time there is fewer glyphs and shorter numbers:
// the blanks after the first of a run are left out (the glyphs after them
// keep their columns), and on a fine device the advance is a whole number of
// dots. Other devices get text: the print preview records each glyph run
// with its font, a hundred times slower than text. So does a row with a
// character the font lacks, where text finds the character in another font.
class RowPainter {
public:
    RowPainter(QPainter& painter, const QFont& font)
        : painter_(painter), font_(font), raw_(QRawFont::fromFont(font))
    {
        if (painter.paintEngine()->type() != QPaintEngine::Pdf)
            return;
        raw_.setPixelSize(pointsOn(*painter.device(), font.pointSizeF()));
        const QList<quint32> m = raw_.glyphIndexesForString(QStringLiteral("M"));
        if (raw_.isValid() && !m.isEmpty())
            advance_ = raw_.advancesForGlyphIndexes(m).value(0).x();
        if (advance_ >= kWholeDotsFrom)
            advance_ = std::round(advance_);
    }

    void draw(QPointF baseline, const QString& row)
    {
        const QList<quint32> all = advance_ > 0 ? raw_.glyphIndexesForString(row) : QList<quint32>();
        if (all.size() != row.size() || all.contains(0)) {
            painter_.setFont(font_);
            painter_.drawText(baseline, row);
            return;
        }
        glyphs_.clear();
        positions_.clear();
        for (qsizetype i = 0; i < row.size(); ++i) {
            if (i > 0 && row[i] == QLatin1Char(' ') && row[i - 1] == QLatin1Char(' '))
                continue;
            glyphs_.append(all[i]);
            positions_.append(QPointF(double(i) * advance_, 0));
        }
        QGlyphRun run;
        run.setRawFont(raw_);
        run.setGlyphIndexes(glyphs_);
        run.setPositions(positions_);
        painter_.drawGlyphRun(QPointF(baseline.x(), std::round(baseline.y())), run);
    }

private:
    // An advance of this many dots or more is rounded: at most 1% off.
    static constexpr double kWholeDotsFrom = 50;

    QPainter& painter_;
    QFont font_;
    QRawFont raw_;
    double advance_ = 0;
    QList<quint32> glyphs_;
    QList<QPointF> positions_;
};

} // namespace

QString listPageHeading(const QString& name, int page, int pages)
{
    return QStringLiteral("%1 - Lista na greski - strana %2 od %3").arg(name).arg(page).arg(pages);
}

ListPages layOutListFor(const QPagedPaintDevice& device, std::string_view bytes)
{
    // The last row needs only its own height, not a whole pitch.
    const QFont font = listFont(device);
    const double free = device.height() - QFontMetricsF(font, &device).height();
    const int rows = 1 + static_cast<int>(std::floor(free / pitch(device, font)));
    return layOutList(bytes, kListColumns, rows - kHeadingRows);
}

bool drawErrorList(QPagedPaintDevice& device, const ListPages& pages, const QString& name,
                   const ProgressStep& step)
{
    QPainter painter(&device);
    const QFont font = listFont(device);
    QFont headingFont(QStringLiteral("Liberation Sans"));
    headingFont.setPointSizeF(font.pointSizeF());
    headingFont.setBold(true);
    const double row = pitch(device, font);
    const double ascent = QFontMetricsF(font, &device).ascent();
    const double width = device.width();
    RowPainter rows(painter, font);

    for (int page = 0; page < pages.pageCount(); ++page) {
        if (page > 0)
            device.newPage();
        painter.setFont(headingFont);
        painter.drawText(QRectF(0, 0, width, row), Qt::AlignLeft | Qt::AlignVCenter,
                         listPageHeading(name, page + 1, pages.pageCount()));
        painter.drawLine(QPointF(0, row), QPointF(width, row));
        double baseline = kHeadingRows * row + ascent;
        for (int r = pages.pageBegin(page); r < pages.pageEnd(page); ++r, baseline += row)
            rows.draw(QPointF(0, baseline), pages.rows[static_cast<std::size_t>(r)]);
        if (!step(pages.pageEnd(page)))
            return false;
    }
    return true;
}

} // namespace dorvik
