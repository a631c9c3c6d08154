// What a PDF holds, as poppler's pdfinfo and pdftotext read it.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace dorvik::testing {

// The number of pages; 0 when the bytes are not a PDF that pdfinfo can read.
int pdfPageCountOf(std::string_view bytes);
// The "Page size:" line of pdfinfo ("595.276 x 841.89 pts (A4)").
std::string pdfPageSizeOf(std::string_view bytes);
// The text of the pages (UTF-8) as they are laid out, pages separated by
// form feeds: of pages first to last (1-based), or of all when not given.
std::string pdfTextOf(std::string_view bytes, int first = 0, int last = 0);

// Runs of blanks as one blank, and no blanks at the ends of lines: as
// pdftotext gives a line back.
std::string foldBlanks(std::string_view text);
// The text's lines, folded.
std::vector<std::string> foldedLines(std::string_view text);

inline bool holds(std::string_view haystack, std::string_view needle)
{
    return haystack.find(needle) != std::string_view::npos;
}

} // namespace dorvik::testing
