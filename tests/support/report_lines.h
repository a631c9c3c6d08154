// Building report files for tests: a line with one field overwritten, and
// lines joined with CR LF as the store writes them.
#pragma once

#include "data/report_record.h"

#include <string>
#include <string_view>
#include <vector>

namespace dorvik::testing {

inline std::string withField(std::string line, int offset, std::string_view value)
{
    line.replace(static_cast<std::size_t>(offset), value.size(), value);
    return line;
}

inline std::string withField(std::string line, Field field, std::string_view value)
{
    return withField(std::move(line), fieldOffset(field), value);
}

inline std::string joinLines(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

} // namespace dorvik::testing
