// How the program's command-line tools speak about their use. dorvik-check
// and dorvik-import write their help and messages with these words; dorvik
// itself says the same through Qt's parser and the program's translation
// (resources/translations/dorvik_mk.ts, context QCommandLineParser).
//
// - The language is the program's: Macedonian in Latin letters without
//   diacritics (s for sh, c for ch, z for zh, kj, gj, nj, lj, dz).
// - The help begins "Upotreba: TOOL [OPCII] DATOTEKA...", then says what the
//   tool does; the arguments' names are Macedonian capitals (DATOTEKA, PAPKA).
// - Every tool takes -h/--help and -V/--version; -v is --verbose where a
//   tool has it. Each option is described by a sentence with a capital, a
//   verb in the third person and a full stop.
// - Help and version go to standard output, status 0. A failure goes to
//   standard error as "TOOL: WHAT: WHY", WHAT naming the file; wrong use as
//   "TOOL: nepoznata opcija X", then the help, status 2.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <utility>

namespace dorvik::cli {

inline constexpr const char* kUsageWord = "Upotreba:";

// The exit statuses of both tools: 0 every file passed (dorvik-check) or
// every row was added (dorvik-import); 1 a file failed its check or a row
// was refused; 2 trouble (wrong use, a file that could not be read or
// written), which wins over a failure.
inline constexpr int kAllDone = 0;
inline constexpr int kSomeFailed = 1;
inline constexpr int kTrouble = 2;

// The help's lines of -h and -V, their descriptions starting at the column
// where the tool's other options' descriptions start.
inline std::string helpAndVersionOptions(std::size_t column = 17)
{
    std::string lines;
    for (const auto& [option, description] :
         {std::pair<std::string_view, std::string_view>{"-h, --help", "Ja pecati ovaa pomos i zavrsuva."},
          {"-V, --version", "Ja pecati verzijata i zavrsuva."}}) {
        std::string line = "  " + std::string(option);
        line.resize(std::max(column, line.size() + 1), ' ');
        lines += line + std::string(description) + "\n";
    }
    return lines;
}

inline bool isHelpOption(std::string_view arg) { return arg == "-h" || arg == "--help"; }
inline bool isVersionOption(std::string_view arg) { return arg == "-V" || arg == "--version"; }

inline std::string unknownOption(std::string_view option)
{
    return "nepoznata opcija " + std::string(option);
}

} // namespace dorvik::cli
