// The three searches of the review screen, apart from the screen: which
// record an answer reaches.
#pragma once

#include "data/customer_data_source.h"

#include <QString>

#include <optional>

namespace dorvik {

// The 0-based index of the first record whose field, at its full stored
// width, equals the answer character for character; nothing when none does.
// An answer with a character the file cannot hold matches nothing.
std::optional<int> findByField(const Recordset& records, Field field, const QString& answer);

// The 0-based index of the record an answer to the record-number prompt
// names: a whole number from 1 to the record count, blanks around it
// allowed, read in the system's number format or plainly.
std::optional<int> findByNumber(const Recordset& records, const QString& answer);

} // namespace dorvik
