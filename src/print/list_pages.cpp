#include "print/list_pages.h"

#include "check/error_list.h"
#include "platform/code_page.h"

#include <QStringDecoder>

#include <algorithm>

namespace dorvik {

namespace {

bool isAscii(std::string_view text)
{
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Where a row of at most width characters of text, from start, ends: after
// the last comma in its second half, or at the width.
qsizetype rowEnd(const QString& text, qsizetype start, qsizetype width)
{
    const qsizetype limit = start + width;
    if (limit >= text.size())
        return text.size();
    const qsizetype comma = text.lastIndexOf(QLatin1Char(','), limit - 1);
    return comma >= start + width / 2 ? comma + 1 : limit;
}

} // namespace

QString listLineText(std::string_view line)
{
    if (!isAscii(line)) {
        QStringDecoder utf8(QStringDecoder::Utf8);
        QString text = utf8(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
        if (!utf8.hasError())
            return text;
    }
    return bytesToText(line);
}

std::vector<QString> listRows(const QString& line, int columns)
{
    columns = std::max(columns, kListIndent + 1);
    std::vector<QString> rows;
    qsizetype end = rowEnd(line, 0, columns);
    rows.push_back(line.left(end));
    const QString indent(kListIndent, QLatin1Char(' '));
    while (end < line.size()) {
        const qsizetype start = end;
        end = rowEnd(line, start, columns - kListIndent);
        rows.push_back(indent + line.mid(start, end - start));
    }
    return rows;
}

ListPages layOutList(std::string_view bytes, int columns, int rowsPerPage)
{
    rowsPerPage = std::max(rowsPerPage, 1);
    ListPages pages;
    pages.pageStarts.push_back(0);
    int onPage = 0;
    for (const std::string_view line : errorListLines(bytes)) {
        std::vector<QString> rows = listRows(listLineText(line), columns);
        const int count = static_cast<int>(rows.size());
        // A line that does not fit on what is left of the page starts the
        // next one; one longer than a page is the only one that is split.
        if (onPage > 0 && onPage + count > rowsPerPage) {
            pages.pageStarts.push_back(static_cast<int>(pages.rows.size()));
            onPage = 0;
        }
        for (QString& row : rows) {
            if (onPage == rowsPerPage) {
                pages.pageStarts.push_back(static_cast<int>(pages.rows.size()));
                onPage = 0;
            }
            pages.rows.push_back(std::move(row));
            ++onPage;
        }
    }
    return pages;
}

} // namespace dorvik
