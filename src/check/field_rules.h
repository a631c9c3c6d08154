// The eleven rules one record is judged by during a check run.
#pragma once

#include "check/check_digits.h"
#include "check/checked_screen.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace dorvik {

class UserBoxes;

// The run's state for the record under test.
struct RecordCheckState {
    std::string errorLine;       // the record's line of the error list so far, less its number
    std::int16_t faultCode = 0;  // not 0: the line is written
    bool failed = false;         // the run's failed mark; never cleared by the rules
    std::string valueUnderTest;  // the text whose conversion failed
};

struct FieldRulesContext {
    CheckedScreen& screen;
    UserBoxes& boxes;
    std::string_view currentYear; // two digits, "03" for 2003
};

struct FieldFinding;
struct RequiredNumber;

// The rules of one run. It keeps its buffers from record to record, so that
// checking a record allocates nothing.
class FieldRules {
public:
    explicit FieldRules(const FieldRulesContext& context);

    // Applies the rules in their order to the record the screen shows.
    // Returns false when a text did not convert to a number (bad numeric
    // data): the rest of the record's rules were skipped and
    // state.valueUnderTest holds the text.
    bool apply(RecordCheckState& state);

private:
    std::string_view read(Field field);
    std::string_view shown(Field field);
    void report(const FieldFinding& finding, std::string_view shownText);
    void report(const FieldFinding& finding, Field shown);
    void appendShown(Field field, std::string_view column);
    std::string_view prefixed(std::string_view zeros, std::string_view text);
    bool numeric(std::string_view text);
    bool notDigits(std::string_view tested);
    bool number(std::string_view part, std::string_view wholeField, std::int64_t& value);

    bool personalNumber();
    bool requiredNumber(const RequiredNumber& number);
    bool year();
    bool period(Field field, std::string_view& copy, const FieldFinding& malformed,
                const FieldFinding& badDay, const FieldFinding& badMonth);
    bool periodAgainstMonths();
    bool effectiveDuration();
    bool hours();
    bool zeroHours();
    bool sickLeave();

    FieldRulesContext context_;
    CheckDigitContext digits_;
    RecordCheckState* state_ = nullptr;
    // One buffer per field for screens that hand out copies, one for texts
    // shown in the line, one for the numbers handed to the check digits.
    std::array<std::string, kFieldCount> scratch_;
    std::string shown_;
    std::string number_;
    // The record's whole line when the screen lends it (see recordLine).
    std::string_view line_;
    // Working copies shared between rules; views of the buffers above, of
    // the screen's own bytes, or of constant texts.
    std::string_view year_;
    std::string_view periodOd_;
    std::string_view periodDo_;
    std::string_view mesec_;
    std::string_view casovi_;
};

} // namespace dorvik
