#include "data/report_record.h"

#include <algorithm>
#include <cassert>

namespace dorvik {

ReportRecord::ReportRecord() { bytes_.fill(' '); }

ReportRecord ReportRecord::fromLine(std::string_view line)
{
    assert(line.size() == kRecordLength);
    ReportRecord record;
    std::copy_n(line.data(), kRecordLength, record.bytes_.data());
    record.present_ = (1u << kFieldCount) - 1;
    return record;
}

std::string_view ReportRecord::value(Field f) const
{
    if (!hasValue(f))
        return {};
    return std::string_view(bytes_.data() + fieldOffset(f), fieldWidth(f));
}

bool ReportRecord::setValue(Field f, std::string_view text)
{
    const int width = fieldWidth(f);
    if (text.size() > static_cast<std::size_t>(width))
        return false;
    char* slot = bytes_.data() + fieldOffset(f);
    std::copy(text.begin(), text.end(), slot);
    std::fill(slot + text.size(), slot + width, ' ');
    present_ |= static_cast<std::uint16_t>(1u << static_cast<int>(f));
    return true;
}

void ReportRecord::appendLineTo(std::string& out) const
{
    if (present_ == (1u << kFieldCount) - 1) {
        out.append(bytes_.data(), kRecordLength);
        return;
    }
    for (int i = 0; i < kFieldCount; ++i)
        out.append(value(fieldAt(i)));
}

std::string ReportRecord::line() const
{
    std::string out;
    appendLineTo(out);
    return out;
}

} // namespace dorvik
