// One record on its form, as the review screen shows it (the form's labels,
// numbered columns and the record's values), on a landscape page: white
// boxes with black text.
#pragma once

#include "data/report_record.h"

#include <QString>

#include <array>

class QPagedPaintDevice;

namespace dorvik {

struct RecordSheet {
    std::array<QString, kFieldCount> values; // in field order, as the boxes show them
    QString caption;                         // above the form, left: which file and record
    QString printedOn;                       // above the form, right
};

void drawRecordForm(QPagedPaintDevice& device, const RecordSheet& sheet);

} // namespace dorvik
