// Process-wide values, one of each for the whole run.
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

    // The auto-fill values, empty at program start; set by the auto-fill
    // dialog and used by every new report on the entry screen.
    static inline std::string AutoGodina;
    static inline std::string AutoRegistarskiBroj;
    static inline std::string AutoFirma;
    static inline std::string AutoEfektStaz;
    static inline std::string AutoStepenZgolem;
};

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 0;

inline std::string versionText()
{
    return std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "."
           + std::to_string(kVersionRevision);
}

} // namespace dorvik
