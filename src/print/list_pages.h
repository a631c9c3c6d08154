// The error list laid out for paper: every line as written, in rows of at
// most so many characters. A longer line goes on in rows of its own,
// indented by the width of a record's prefix and broken after a comma where
// one is near the end of the row; the rows of one line always stand on one
// page.
#pragma once

#include <QString>

#include <string_view>
#include <vector>

namespace dorvik {

// "000025 ," is eight characters: a line's further rows start under its text.
inline constexpr int kListIndent = 8;

struct ListPages {
    std::vector<QString> rows;   // continuation rows begin with the indent
    std::vector<int> pageStarts; // the first row of each page

    int pageCount() const { return static_cast<int>(pageStarts.size()); }
    // Rows [first, end) of the 0-based page.
    int pageBegin(int page) const { return pageStarts[static_cast<std::size_t>(page)]; }
    int pageEnd(int page) const
    {
        return page + 1 < pageCount() ? pageStarts[static_cast<std::size_t>(page) + 1]
                                      : static_cast<int>(rows.size());
    }
};

// A line of the list as text: Windows-1251, except a line of well-formed
// UTF-8 beyond ASCII (the report's path, which the list holds as the file
// system spells it).
QString listLineText(std::string_view line);

// The rows of one line, at most columns characters each.
std::vector<QString> listRows(const QString& line, int columns);

// The list's bytes on pages of rowsPerPage rows. A list without lines has
// one empty page.
ListPages layOutList(std::string_view bytes, int columns, int rowsPerPage);

} // namespace dorvik
