// A screen for the checks that holds its field texts and records every
// change of colour, in order.
#pragma once

#include "check/check_run.h"
#include "records.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace dorvik::testing {

class FakeScreen : public CheckRunView {
public:
    explicit FakeScreen(const std::string& line = testing::recordLine())
    {
        for (int i = 0; i < kFieldCount; ++i)
            texts[i] = fieldOf(line, fieldAt(i));
    }

    std::string& text(Field f) { return texts[static_cast<int>(f)]; }

    std::string fieldText(Field field) override { return texts[static_cast<int>(field)]; }
    void setColour(Field field, BoxColour colour) override { paints.emplace_back(field, colour); }
    void showPosition(int position) override { positions.push_back(position); }
    void showProgress(int maximum, int value) override { progress.emplace_back(maximum, value); }
    void hideProgress() override { progress.emplace_back(0, 0); }

    std::array<std::string, kFieldCount> texts;
    std::vector<std::pair<Field, BoxColour>> paints;
    std::vector<int> positions;
    std::vector<std::pair<int, int>> progress; // (0, 0): hidden
};

} // namespace dorvik::testing
