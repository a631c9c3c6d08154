#include "import/append_rows.h"

#include "data/customer_data_source.h"
#include "platform/user_boxes.h"

namespace dorvik::import {

std::string recordLimitMessage(int records, int room)
{
    return "Datotekata ima " + std::to_string(records) + " prijavi; mozat da se dodadat najmnogu "
           + std::to_string(room) + ". Nisto ne e dodadeno.";
}

std::string addedMessage(int added, const std::string& name)
{
    return "Dodadeni se " + std::to_string(added) + " prijavi vo " + name + ".";
}

bool appendGoodRows(CustomerDataSource& store, ImportPlan& plan, UserBoxes& boxes)
{
    const int records = store.rsCustomers.RecordCount();
    if (records + plan.good > kMaxRecords) {
        tell(boxes, recordLimitMessage(records, kMaxRecords - records), Icon::Exclamation);
        return false;
    }
    if (!store.AppendAndWrite(plan.goodRecords()))
        return false;
    for (RowResult& r : plan.rows)
        if (r.status == RowStatus::Good)
            r.status = RowStatus::Appended;
    plan.good = 0;
    return true;
}

} // namespace dorvik::import
