// Message texts and questions that both screens show, exact.
#pragma once

#include <string>

namespace dorvik {

struct SaveOutcome;

inline constexpr const char* kFirstRecordMessage =
    "Dojdovte do prvata  prijava, mozete samo da se navratite na predhodnite prijavi";
inline constexpr const char* kLastRecordMessage =
    "Dojdovte do krajnata prijava, mozete samo da se navratite na predhodnite prijavi";
inline constexpr const char* kStoreFullMessage =
    "Datotekata vekje ima 32767 prijavi i nemoze da primi nova prijava.";

// Before a check run over a file with corrections not yet saved: the run
// checks the file on the disk.
inline constexpr const char* kSaveBeforeCheckQuestion =
    "Promenite vo prijavite ne se snimeni. Kontrolata ja proveruva datotekata na diskot. "
    "Dali da se snimat prvo?";
// Before a typed new report would be left: Yes saves it.
inline constexpr const char* kSaveNewReportQuestion =
    "Novata prijava ne e snimena. Dali da se snimi?";

// The entry screen, over a file it could not read whole: it does not open.
inline constexpr const char* kNoEntryIntoIncompleteFileMessage =
    "Datotekata ne e procitana celosno, pa vo nea ne mozat da se dodavaat novi prijavi.";
// After the status of a save that appended to a file another window or
// program had changed.
inline constexpr const char* kAppendedToChangedFileNote =
    " Datotekata bese promeneta od drug prozorec ili program; prijavata e dodadena po "
    "ona sto e vo nea sega.";

// The questions on closing a screen, naming its file (NAME without its folder).
std::string unsavedChangesQuestion(const std::string& path);
std::string newReportOnCloseQuestion(const std::string& path);

// The status text after a successful save: "Snimeni se N prijavi vo NAME."
std::string savedStatus(const std::string& path, const SaveOutcome& outcome);
// Where the save kept the file as it was, or the empty text when it kept
// nothing.
std::string backupNotice(const std::string& path, const SaveOutcome& outcome);

// The file's name without its folder.
std::string fileNameOf(const std::string& path);

} // namespace dorvik
