// The eleven rules one record is judged by during a check run.
#pragma once

#include "check/checked_screen.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace dorvik {

class UserBoxes;

// The run's state for the record under test.
struct RecordCheckState {
    std::string errorLine;       // the record's line of the error list so far
    std::int16_t faultCode = 0;  // not 0: the line is written
    bool failed = false;         // the run's failed mark; never cleared by the rules
    std::string valueUnderTest;  // the text whose conversion runs or ran last
};

struct FieldRulesContext {
    CheckedScreen& screen;
    UserBoxes& boxes;
    std::string_view currentYear; // two digits, "03" for 2003
};

// Applies the rules in their order to the record the screen shows. Returns
// false when a text did not convert to a number (bad numeric data): the rest
// of the record's rules were skipped and state.valueUnderTest holds the text.
bool applyFieldRules(const FieldRulesContext& context, RecordCheckState& state);

} // namespace dorvik
