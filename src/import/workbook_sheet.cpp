#include "import/workbook_sheet.h"

#include <algorithm>
#include <charconv>

namespace dorvik::import {

void SheetBuilder::cell(int column, SheetCell cell)
{
    if (column < 0 || column >= kMaxSheetColumns || isBlank(cell.text))
        return;
    if (row_.size() <= static_cast<std::size_t>(column))
        row_.resize(static_cast<std::size_t>(column) + 1);
    row_[static_cast<std::size_t>(column)] = cell;
}

bool SheetBuilder::endRow(int number, int repeat)
{
    if (row_.empty())
        return true;
    for (int i = 0; i < repeat; ++i) {
        cells_ += row_.size();
        if (sheet_.rows.size() >= static_cast<std::size_t>(kMaxSheetRows) || cells_ > kMaxSheetCells) {
            error = tooLargeMessage();
            row_.clear();
            return false;
        }
        sheet_.rows.push_back({number + i, row_, {}});
    }
    row_.clear();
    return true;
}

void SheetBuilder::finish(std::string failure, std::string& sheetError)
{
    if (failure.empty())
        failure = error;
    if (!failure.empty()) {
        sheetError = std::move(failure);
        sheet_.rows.clear();
        return;
    }
    const int rows = static_cast<int>(sheet_.rows.size());
    sheet_.emptyRows = rows == 0 ? 0 : std::max(0, sheet_.rows.back().number - rows);
}

std::string plainNumber(std::string_view stored)
{
    double value = 0;
    const char* end = stored.data() + stored.size();
    const auto parsed = std::from_chars(stored.data(), end, value);
    if (parsed.ec != std::errc() || parsed.ptr != end)
        return std::string(stored);
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value,
                                       std::chars_format::general, 15);
    return std::string(buffer, written.ptr);
}

int columnOfReference(std::string_view reference)
{
    int column = 0;
    std::size_t i = 0;
    for (; i < reference.size() && i < 3; ++i) {
        const char c = reference[i];
        if (c >= 'A' && c <= 'Z')
            column = column * 26 + (c - 'A' + 1);
        else
            break;
    }
    return i == 0 ? -1 : column - 1;
}

} // namespace dorvik::import
