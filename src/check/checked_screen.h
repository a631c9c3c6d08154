// What a screen lends to the checks: the texts of its field boxes and the
// colours of those boxes. The review screen lends its bound boxes, the entry
// screen its typing boxes, and the batch checker the store's current record.
#pragma once

#include "data/report_record.h"

#include <string>
#include <string_view>

namespace dorvik {

enum class BoxColour { Silver, Red, Yellow };

class CheckedScreen {
public:
    virtual ~CheckedScreen() = default;
    // The text of the box that shows the field, as bytes (the code page's).
    virtual std::string fieldText(Field field) = 0;
    // The same text without a copy where the screen holds it as bytes
    // already. The view stays valid until the field is read again with the
    // same scratch, or the screen's record changes.
    virtual std::string_view fieldView(Field field, std::string& scratch)
    {
        scratch = fieldText(field);
        return scratch;
    }
    // The whole line of the record under test, when the screen shows every
    // field as its slice of one held line of kRecordLength bytes; else the
    // empty text, and the fields are read one by one. Valid as fieldView's
    // views are. Lets the checks read a field without a call.
    virtual std::string_view recordLine() { return {}; }
    // Paints the box that shows the field.
    virtual void setColour(Field field, BoxColour colour) = 0;
};

} // namespace dorvik
