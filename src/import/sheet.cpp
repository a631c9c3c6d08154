#include "import/sheet.h"

namespace dorvik::import {

bool isBlank(std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == ' ' || text[i] == '\t')
            continue;
        // U+00A0, the no-break space.
        if (text[i] == '\xC2' && i + 1 < text.size() && text[i + 1] == '\xA0') {
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
