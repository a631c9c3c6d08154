// Small zip archives made in memory for the workbook tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace dorvik::testing {

// A zip archive holding the entries (name, contents), deflated.
std::string zipOf(const std::vector<std::pair<std::string, std::string>>& entries);

} // namespace dorvik::testing
