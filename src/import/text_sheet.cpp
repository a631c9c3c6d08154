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
// quote is kept as it stands, as spreadsheet programs keep it. A cell is a
// view of the text where it can be; otherwise its text is kept in kept.
// The bytes that end an unquoted cell's text: the separator and line ends.
using CellStops = std::array<bool, 256>;
CellStops cellStops(char separator)
{
    CellStops stops{};
    stops[static_cast<unsigned char>(separator)] = stops['\r'] = stops['\n'] = true;
    return stops;
}

RowEnd readRow(std::string_view t, std::size_t& at, char separator, const CellStops& stops,
               std::vector<SheetCell>& cells, SheetText& kept)
{
    // Room for as many cells as the row before had, made once.
    const std::size_t expected = cells.capacity();
    cells.clear();
    cells.reserve(expected);
    auto plainEnd = [&](std::size_t from) {
        while (from < t.size() && !stops[static_cast<unsigned char>(t[from])])
            ++from;
        return from;
    };
    for (;;) {
        std::string_view cell;
        if (at < t.size() && t[at] == '"') {
            // Quoted: a view of what is between the quotes, unless doubled
            // quotes or text after the closing one make it a text of its own.
            const std::size_t begin = ++at;
            std::string built;
            bool own = false;
            for (;;) {
                const std::size_t quote = t.find('"', at);
                if (quote == std::string_view::npos) {
                    at = t.size();
                    return RowEnd::OpenQuote;
                }
                if (quote + 1 < t.size() && t[quote + 1] == '"') {
                    built.append(t.substr(own ? at : begin, quote + 1 - (own ? at : begin)));
                    own = true;
                    at = quote + 2;
                    continue;
                }
                if (own)
                    built.append(t.substr(at, quote - at));
                else
                    cell = t.substr(begin, quote - begin);
                at = quote + 1;
                break;
            }
            const std::size_t stop = plainEnd(at);
            if (stop > at) {
                if (!own)
                    built.assign(cell);
                own = true;
                built.append(t.substr(at, stop - at));
            }
            at = stop;
            if (own)
                cell = kept.keep(std::move(built));
        } else {
            const std::size_t stop = plainEnd(at);
            cell = t.substr(at, stop - at);
            at = stop;
        }
        if (cells.size() < static_cast<std::size_t>(kMaxSheetColumns))
            cells.push_back({cell, false});
        if (at == t.size())
            return RowEnd::TextEnd;
        const char c = t[at++];
        if (c != separator) {
            if (c == '\r' && at < t.size() && t[at] == '\n')
                ++at;
            return RowEnd::LineEnd;
        }
    }
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
                row.cells.push_back({line.substr(from, cut - from), false});
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
        SheetText kept;
        const CellStops stops = cellStops(separator);
        for (int rows = 0; rows < kRowsToDetect && at < text.size();) {
            const RowEnd end = readRow(text, at, separator, stops, cells, kept);
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
    // The cells are views of the text where it is kept for the sheet's life.
    sheet.text->source = std::move(decoded.utf8);
    const std::string_view text = sheet.text->source;

    std::size_t at = 0;
    const std::optional<char> named = separatorLine(text, at);
    sheet.separator = options.separator ? *options.separator
                      : named           ? *named
                                        : detectSeparator(text.substr(at));

    std::size_t cellCount = 0;
    int number = 0;
    std::vector<SheetCell> cells;
    const CellStops stops = cellStops(sheet.separator);
    while (at < text.size()) {
        const std::size_t rowStart = at;
        const RowEnd end = readRow(text, at, sheet.separator, stops, cells, *sheet.text);
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
        const std::size_t width = cells.size();
        sheet.rows.push_back({number, std::move(cells), {}});
        cells = {};
        cells.reserve(width);
    }
    return result;
}

} // namespace dorvik::import
