// The findings of the field rules on one record, for the screen to show
// without a word: the colour each of its boxes ends up with.
#pragma once

#include "check/checked_screen.h"

#include <array>
#include <string_view>

namespace dorvik {

class ReportRecord;

// Red where a rule finds a fault, yellow where it finds a doubtful value
// (red wins), silver elsewhere. No message is shown and nothing is written.
// A record whose numeric data cannot be read colours what the rules before
// that point found, and red every box of digits that holds anything but
// digits and blanks.
std::array<BoxColour, kFieldCount> findingColours(const ReportRecord& record,
                                                  std::string_view currentYear);

} // namespace dorvik
