#include "import/sheet.h"

namespace dorvik::import {

bool isBlank(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' || text[i] == '\t')
            continue;
        if (text.compare(i, 2, "\xC2\xA0") == 0) { // U+00A0
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

std::string tooLargeMessage()
{
    return "Tabelata e pregolema: se citaat najmnogu " + std::to_string(kMaxSheetRows)
           + " redovi so podatoci i " + std::to_string(kMaxSheetColumns) + " koloni.";
}

} // namespace dorvik::import
