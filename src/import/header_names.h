// What a sheet's header cells are matched by: the fields' names and the
// usual column titles of payroll sheets, compared without case, blanks, dots
// and underscores, in Latin or Cyrillic letters.
#pragma once

#include "data/report_record.h"

#include <optional>
#include <string>
#include <string_view>

namespace dorvik::import {

// The text as it is compared: lower case, Cyrillic and accented letters
// written in plain Latin ("Матичен број" -> "maticenbroj"), without blanks,
// dots and underscores.
std::string headerKey(std::string_view header);

// The field a header names, by its name or one of its aliases.
std::optional<Field> fieldOfHeader(std::string_view header);

// The two halves a name may come in: "Prezime" (the surname) and "Ime".
bool isSurnameHeader(std::string_view header);
bool isGivenNameHeader(std::string_view header);

} // namespace dorvik::import
