// Report lines and files for tests.
#pragma once

#include "data/report_record.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace dorvik::testing {

// A record that passes every rule in 2003 (year 99, period 0101-3112, 12
// months, 2088 hours), named "Ime Prezime <seed>".
std::string recordLine(int seed = 0);

// recordLine(seed) with fields replaced; a shorter value is blank-padded.
std::string lineWith(int seed, const std::vector<std::pair<Field, std::string_view>>& fields);

// recordLine(1) to recordLine(count).
std::vector<std::string> records(int count);

// The lines, each ended by CR LF, as the store writes them.
std::string fileOf(const std::vector<std::string>& lines);

// The lines of bytes written with CR LF.
std::vector<std::string> linesOf(std::string_view bytes);

// The field's text within a line.
inline std::string fieldOf(std::string_view line, Field field)
{
    return std::string(line.substr(fieldOffset(field), fieldWidth(field)));
}

} // namespace dorvik::testing
