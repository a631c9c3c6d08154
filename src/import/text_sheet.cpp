#include "import/text_sheet.h"

#include <algorithm>
#include <array>
#include <map>

namespace dorvik::import {

namespace {

constexpr int kRowsToDetect = 50;

enum class RowEnd { LineEnd, TextEnd, OpenQuote };

// Cuts one row from at on: cells (at most kMaxSheetColumns are kept) and how
// the row ended. A quote opens quoting only at the start of a cell; inside,
// two quotes stand for one, and a quote ends it. Text after the closing
// quote is kept as it stands, as spreadsheet programs keep it.
RowEnd readRow(std::string_view t, std::size_t& at, char separator, std::vector<SheetCell>& cells)
{
    cells.assign(1, SheetCell{});
    std::string dropped;
    std::string* cell = &cells.back().text;
    bool quoted = false;
    bool cellStart = true;
    while (at < t.size()) {
        const char c = t[at];
        if (quoted) {
            const std::size_t quote = t.find('"', at);
            if (quote == std::string_view::npos) {
                cell->append(t.substr(at));
                at = t.size();
                break;
            }
            cell->append(t.substr(at, quote - at));
            at = quote + 1;
            if (at < t.size() && t[at] == '"') {
                cell->push_back('"');
                ++at;
            } else {
                quoted = false;
            }
            continue;
        }
        ++at;
        if (c == '"' && cellStart) {
            quoted = true;
            cellStart = false;
        } else if (c == separator) {
            if (cells.size() < static_cast<std::size_t>(kMaxSheetColumns)) {
                cells.emplace_back();
                cell = &cells.back().text;
            } else {
                dropped.clear();
                cell = &dropped;
            }
            cellStart = true;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && at < t.size() && t[at] == '\n')
                ++at;
            return RowEnd::LineEnd;
        } else {
            cell->push_back(c);
            cellStart = false;
        }
    }
    return quoted ? RowEnd::OpenQuote : RowEnd::TextEnd;
}

bool rowIsBlank(const std::vector<SheetCell>& cells)
{
    return std::all_of(cells.begin(), cells.end(), [](const SheetCell& c) { return isBlank(c.text); });
}

// A first line "sep=X" (perhaps quoted): X, and at is moved past the line.
std::optional<char> separatorLine(std::string_view t, std::size_t& at)
{
    std::size_t i = at;
    const bool quoted = i < t.size() && t[i] == '"';
    if (quoted)
        ++i;
    std::string key(t.substr(i, 4));
    std::transform(key.begin(), key.end(), key.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    if (key != "sep=" || i + 4 >= t.size())
        return std::nullopt;
    const char separator = t[i + 4];
    i += 5;
    if (quoted && i < t.size() && t[i] == '"')
        ++i;
    if (i < t.size() && t[i] != '\r' && t[i] != '\n')
        return std::nullopt;
    if (i < t.size() && t[i] == '\r')
        ++i;
    if (i < t.size() && t[i] == '\n')
        ++i;
    at = i;
    return separator;
}

// The rest of the text from an unterminated quote on: each line a row that
// could not be read, its text cut at the separator for showing.
void addUnreadableRows(std::string_view rest, char separator, int firstRow, Sheet& sheet)
{
    const std::string reason = openQuoteReason(firstRow);
    int number = firstRow;
    std::size_t at = 0;
    while (at < rest.size()) {
        const std::size_t end = std::min(rest.find_first_of("\r\n", at), rest.size());
        const std::string_view line = rest.substr(at, end - at);
        at = end;
        if (at < rest.size())
            at += rest.compare(at, 2, "\r\n") == 0 ? 2 : 1;
        SheetRow row;
        row.number = number++;
        for (std::size_t from = 0;;) {
            const std::size_t cut = line.find(separator, from);
            if (row.cells.size() < static_cast<std::size_t>(kMaxSheetColumns))
                row.cells.push_back({std::string(line.substr(from, cut - from)), false});
            if (cut == std::string_view::npos)
                break;
            from = cut + 1;
        }
        if (rowIsBlank(row.cells)) {
            ++sheet.emptyRows;
            continue;
        }
        row.unreadable = reason;
        sheet.rows.push_back(std::move(row));
    }
}

} // namespace

std::string openQuoteReason(int row)
{
    return "Navodnikot otvoren vo redot " + std::to_string(row) + " ne e zatvoren";
}

char detectSeparator(std::string_view text)
{
    char best = kSeparators[0];
    int bestScore = 0;
    std::vector<SheetCell> cells;
    for (const char separator : kSeparators) {
        std::map<std::size_t, int> rowsByCount;
        std::size_t at = 0;
        for (int rows = 0; rows < kRowsToDetect && at < text.size();) {
            const RowEnd end = readRow(text, at, separator, cells);
            if (!rowIsBlank(cells)) {
                ++rowsByCount[cells.size()];
                ++rows;
            }
            if (end != RowEnd::LineEnd)
                break;
        }
        // The rows that share the most common count, when it is a count of
        // more than one cell.
        int score = 0;
        for (const auto& [count, rows] : rowsByCount)
            if (count > 1)
                score = std::max(score, rows);
        if (score > bestScore) {
            best = separator;
            bestScore = score;
        }
    }
    return best;
}

SheetResult readTextSheet(std::string_view bytes, const TextSheetOptions& options)
{
    SheetResult result;
    Sheet& sheet = result.sheet;
    sheet.kind = SheetKind::Text;
    DecodedText decoded = decodeText(bytes, options.encoding);
    sheet.encoding = decoded.encoding;
    const std::string_view text = decoded.utf8;

    std::size_t at = 0;
    const std::optional<char> named = separatorLine(text, at);
    sheet.separator = options.separator ? *options.separator
                      : named           ? *named
                                        : detectSeparator(text.substr(at));

    std::size_t cellCount = 0;
    int number = 0;
    std::vector<SheetCell> cells;
    while (at < text.size()) {
        const std::size_t rowStart = at;
        const RowEnd end = readRow(text, at, sheet.separator, cells);
        ++number;
        if (end == RowEnd::OpenQuote) {
            addUnreadableRows(text.substr(rowStart), sheet.separator, number, sheet);
            break;
        }
        if (rowIsBlank(cells)) {
            ++sheet.emptyRows;
            continue;
        }
        cellCount += cells.size();
        if (sheet.rows.size() >= static_cast<std::size_t>(kMaxSheetRows) || cellCount > kMaxSheetCells) {
            result.error = tooLargeMessage();
            sheet.rows.clear();
            return result;
        }
        sheet.rows.push_back({number, std::move(cells), {}});
        cells = {};
    }
    return result;
}

} // namespace dorvik::import
