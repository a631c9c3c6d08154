#include "import/rejected_rows.h"

#include <algorithm>
#include <unordered_map>

namespace dorvik::import {

namespace {

void appendCell(std::string& out, std::string_view text, char separator)
{
    const bool quote = text.find_first_of(std::string{separator, '"', '\r', '\n'}) != std::string_view::npos
                       || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote) {
        out += text;
        return;
    }
    out += '"';
    for (const char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendRow(std::string& out, const std::vector<SheetCell>& cells, std::size_t columns,
               std::string_view last, char separator)
{
    for (std::size_t c = 0; c < columns; ++c) {
        if (c < cells.size())
            appendCell(out, cells[c].text, separator);
        out += separator;
    }
    appendCell(out, last, separator);
    out += "\r\n";
}

} // namespace

std::string rejectedRowsCsv(const Sheet& sheet, const ImportPlan& plan)
{
    const char separator = sheet.kind == SheetKind::Text ? sheet.separator : ';';
    std::unordered_map<int, const SheetRow*> byNumber;
    for (const SheetRow& row : sheet.rows)
        byNumber.emplace(row.number, &row);

    const SheetRow* header = nullptr;
    if (!sheet.rows.empty() && (plan.rows.empty() || plan.rows.front().sheetRow != sheet.rows.front().number))
        header = &sheet.rows.front();
    std::size_t columns = header ? header->cells.size() : 0;
    for (const RowResult& r : plan.rows)
        if (r.status == RowStatus::Failed)
            columns = std::max(columns, byNumber.at(r.sheetRow)->cells.size());

    std::string out = "\xEF\xBB\xBF";
    appendRow(out, header ? header->cells : std::vector<SheetCell>{}, columns, "Greska", separator);
    for (const RowResult& r : plan.rows) {
        if (r.status != RowStatus::Failed)
            continue;
        std::string reasons;
        for (const RowProblem& p : r.problems)
            reasons += (reasons.empty() ? "" : "; ") + describe(p);
        appendRow(out, byNumber.at(r.sheetRow)->cells, columns, reasons, separator);
    }
    return out;
}

} // namespace dorvik::import
