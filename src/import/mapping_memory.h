// What is kept of a mapping from one import to the next: each field's
// column by its header text, so that a sheet whose columns were reordered
// still maps, and each field's one value. The year's value is not kept: it
// changes with every year's import.
#pragma once

#include "import/mapping.h"

#include <array>
#include <optional>
#include <string>

namespace dorvik::import {

using RememberedMapping = std::array<std::optional<std::string>, kFieldCount>;

// A text per field: "kolona:HEADER" ("kolona:SURNAME+NAME" for a name from
// two columns), "vrednost:VALUE", or nothing (a column of a sheet without a
// header, or no source).
RememberedMapping remember(const Mapping& mapping, const SheetRow* header);

// The remembered sources put over the mapping: a column where the header
// has its text (compared as headers are), a value as it was. What no longer
// fits the sheet is left as the mapping had it.
void recall(Mapping& mapping, const SheetRow* header, const RememberedMapping& remembered);

} // namespace dorvik::import
