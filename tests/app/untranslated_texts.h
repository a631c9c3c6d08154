// Records every text Qt asks to have translated that the program's
// translation does not hold: installed last, it is asked first, notes a miss
// and answers nothing, so that the program's translation still answers.
#pragma once

#include <QMutex>
#include <QTranslator>

#include <set>
#include <string>
#include <tuple>

namespace dorvik::testing {

struct QtText {
    std::string context;
    std::string source;
    std::string disambiguation;
    auto operator<=>(const QtText&) const = default;
};

class UntranslatedTexts : public QTranslator {
public:
    // Loads the program's translation from the resources to compare with.
    UntranslatedTexts();
    bool loaded() const { return !program_.isEmpty(); }

    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override;
    bool isEmpty() const override { return false; }

    // The misses since the last call, and no more of them.
    std::set<QtText> take();

private:
    QTranslator program_;
    mutable QMutex mutex_; // the file dialog's model asks from a thread of its own
    mutable std::set<QtText> missing_;
};

// The misses as entries for resources/translations/dorvik_mk.ts, to be
// given their translations.
std::string asTsEntries(const std::set<QtText>& texts);

} // namespace dorvik::testing
