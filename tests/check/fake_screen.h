// A screen for the checks that holds its field texts and records every
// change of colour, in order.
#pragma once

#include "check/check_run.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace dorvik::testing {

class FakeScreen : public CheckRunView {
public:
    // Starts from a report line, cut into its fields.
    explicit FakeScreen(const std::string& line = {})
    {
        if (line.size() == static_cast<std::size_t>(kRecordLength))
            for (int i = 0; i < kFieldCount; ++i)
                texts[i] = line.substr(fieldOffset(fieldAt(i)), FieldWidths[i]);
    }

    std::string& text(Field f) { return texts[static_cast<int>(f)]; }
    BoxColour colour(Field f) const { return colours[static_cast<int>(f)]; }

    std::string fieldText(Field field) override { return texts[static_cast<int>(field)]; }
    void setColour(Field field, BoxColour colour) override
    {
        colours[static_cast<int>(field)] = colour;
        paints.emplace_back(field, colour);
    }
    void showPosition(int position) override { positions.push_back(position); }
    void showProgress(int maximum, int value) override
    {
        progressVisible = true;
        progressMaximum = maximum;
        progressValue = value;
    }
    void hideProgress() override { progressVisible = false; }

    std::array<std::string, kFieldCount> texts;
    std::array<BoxColour, kFieldCount> colours{};
    std::vector<std::pair<Field, BoxColour>> paints;
    std::vector<int> positions;
    bool progressVisible = false;
    int progressMaximum = 0;
    int progressValue = 0;
};

} // namespace dorvik::testing
