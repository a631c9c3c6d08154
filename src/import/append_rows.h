// Adding the good rows of an import to the report file: all of them in
// sheet order through the store's one safe save, or none.
#pragma once

#include "import/import_plan.h"

#include <string>

namespace dorvik {
class CustomerDataSource;
class UserBoxes;
} // namespace dorvik

namespace dorvik::import {

// "Datotekata ima X prijavi; mozat da se dodadat najmnogu Y. Nisto ne e dodadeno."
std::string recordLimitMessage(int records, int room);
// "Dodadeni se N prijavi vo NAME."
std::string addedMessage(int added, const std::string& name);

// Appends the plan's good rows to the store and writes its file; the rows
// are then marked appended. When they would take the file past 32767
// records the user is told (the limit message) and nothing is written; a
// refused or failed write the store tells about itself, and leaves the file
// as it was. Returns whether the rows were written.
bool appendGoodRows(CustomerDataSource& store, ImportPlan& plan, UserBoxes& boxes);

} // namespace dorvik::import
