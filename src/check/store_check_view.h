// A check run's view of the store's current record with nothing to paint:
// what the batch checker checks through.
#pragma once

#include "check/check_run.h"
#include "data/customer_data_source.h"

namespace dorvik {

class StoreCheckView : public CheckRunView {
public:
    explicit StoreCheckView(const Recordset& records) : records_(records) {}

    std::string fieldText(Field field) override { return std::string(records_.field(field)); }
    std::string_view fieldView(Field field, std::string&) override { return records_.field(field); }
    std::string_view recordLine() override { return records_.currentLine(); }
    void setColour(Field, BoxColour) override {}
    void showPosition(int) override {}
    void showProgress(int, int) override {}
    void hideProgress() override {}

private:
    const Recordset& records_;
};

} // namespace dorvik
