// The process-wide values, one of each for the whole run. The main window
// sets the file chosen last before it opens a screen over it; the auto-fill
// dialog sets the auto-fill values, which every new report on the entry
// screen takes.
#pragma once

#include <cstdint>
#include <string>

namespace dorvik {

struct Module1 {
    // Full path of the report file chosen last in the main window (file
    // system bytes, UTF-8 on Linux).
    static inline std::string ReportFileName;
    // 1 when the entry command has just created the chosen file empty.
    static inline std::int16_t NewReportFile = 0;

    // The auto-fill values, empty at program start.
    static inline std::string AutoGodina;
    static inline std::string AutoRegistarskiBroj;
    static inline std::string AutoFirma;
    static inline std::string AutoEfektStaz;
    static inline std::string AutoStepenZgolem;
};

} // namespace dorvik
