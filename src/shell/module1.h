// The process-wide values, one of each for the whole run: the auto-fill
// values that the auto-fill dialog sets and every new report on the entry
// screen and every imported row takes. (The file a screen works on travels
// in its ReportFile.)
#pragma once

#include <string>

namespace dorvik {

struct Module1 {
    // The auto-fill values, empty at program start.
    static inline std::string AutoGodina;
    static inline std::string AutoRegistarskiBroj;
    static inline std::string AutoFirma;
    static inline std::string AutoEfektStaz;
    static inline std::string AutoStepenZgolem;
};

} // namespace dorvik
