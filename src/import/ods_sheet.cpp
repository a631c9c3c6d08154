#include "import/ods_sheet.h"

#include "import/workbook_sheet.h"
#include "import/xml_reader.h"
#include "import/zip_archive.h"

#include <algorithm>
#include <charconv>
#include <cstring>

namespace dorvik::import {

namespace {

// Row numbers stop growing here, far past any sheet's last row, so that
// repeated empty rows cannot overflow them.
constexpr int kLastRowNumber = 1 << 24;

int repeatCount(const char** attributes, std::string_view name)
{
    const char* text = attribute(attributes, name);
    int count = 1;
    if (text)
        std::from_chars(text, text + std::strlen(text), count);
    return std::clamp(count, 1, kLastRowNumber);
}

struct Content : XmlHandler {
    explicit Content(Sheet& sheet) : builder(sheet) {}

    SheetBuilder builder;
    int depth = 0;          // of table:table elements
    bool done = false;      // the first table has ended
    int rowNumber = 1;      // of the row being read
    int rowRepeat = 1;
    int column = 0;         // of the cell being read
    int cellRepeat = 1;
    bool inCell = false;
    std::string content;    // of the cell being read
    bool number = false;
    bool typed = false;     // the cell's value is an attribute, not its text
    int paragraphs = 0;     // begun in the cell
    int paragraph = 0;      // open now
    int annotation = 0;     // inside office:annotation: not the cell's text

    void start(std::string_view name, const char** attributes) override
    {
        if (done)
            return;
        if (name == "table") {
            ++depth;
            return;
        }
        if (depth != 1)
            return;
        if (name == "table-row") {
            rowRepeat = repeatCount(attributes, "number-rows-repeated");
            column = 0;
        } else if (name == "table-cell" || name == "covered-table-cell") {
            startCell(attributes);
        } else if (!inCell) {
            return;
        } else if (name == "annotation") {
            ++annotation;
        } else if (annotation > 0 || typed) {
            return;
        } else if (name == "p") {
            if (paragraphs++ > 0)
                content.push_back('\n');
            ++paragraph;
        } else if (paragraph == 0) {
            return;
        } else if (name == "s") {
            content.append(static_cast<std::size_t>(std::min(repeatCount(attributes, "c"), 1024)), ' ');
        } else if (name == "tab") {
            content.push_back('\t');
        } else if (name == "line-break") {
            content.push_back('\n');
        }
    }

    void startCell(const char** attributes)
    {
        inCell = true;
        cellRepeat = repeatCount(attributes, "number-columns-repeated");
        content.clear();
        number = false;
        paragraphs = 0;
        paragraph = 0;
        annotation = 0;
        typed = false;
        const char* type = attribute(attributes, "value-type");
        const std::string_view t = type ? type : "";
        const char* value = attribute(attributes, "value");
        const char* date = attribute(attributes, "date-value");
        if ((t == "float" || t == "percentage" || t == "currency") && value) {
            content = plainNumber(value);
            number = true;
            typed = true;
        } else if (t == "date" && date) {
            // The day of "2003-01-01T00:00:00".
            const std::string_view day(date);
            content = day.substr(0, day.find('T'));
            typed = true;
        }
    }

    void end(std::string_view name) override
    {
        if (done)
            return;
        if (name == "table") {
            if (--depth == 0)
                done = true;
            return;
        }
        if (depth != 1)
            return;
        if (name == "annotation" && inCell) {
            --annotation;
        } else if (name == "p" && inCell && annotation == 0 && paragraph > 0) {
            --paragraph;
        } else if (name == "table-cell" || name == "covered-table-cell") {
            inCell = false;
            if (!isBlank(content) && column < kMaxSheetColumns) {
                // Kept once, however often the cell repeats.
                const SheetCell cell{builder.keep(std::move(content)), number};
                for (int i = 0; i < cellRepeat && column + i < kMaxSheetColumns; ++i)
                    builder.cell(column + i, cell);
            }
            column = std::min(column + cellRepeat, kMaxSheetColumns);
        } else if (name == "table-row") {
            builder.endRow(rowNumber, rowRepeat);
            rowNumber = std::min(rowNumber + rowRepeat, kLastRowNumber);
        }
    }

    void text(std::string_view text) override
    {
        if (inCell && !typed && annotation == 0 && paragraph > 0)
            content.append(text);
    }

    bool more() const override { return !done && builder.error.empty(); }
};

} // namespace

SheetResult readOdsSheet(ZipArchive& archive)
{
    SheetResult result;
    result.sheet.kind = SheetKind::Ods;
    Content content(result.sheet);
    content.builder.finish(readXml(archive, "content.xml", content), result.error);
    return result;
}

} // namespace dorvik::import
