// What the review screen's "P&ecatenje" menu does: each document goes to the
// print preview (whose print dialog also prints to a file) or into a PDF
// file beside the report. Every PDF is drawn in memory first and written
// through the safe writer, so a failure or a cancel leaves no partial file.
#pragma once

#include "data/report_record.h"
#include "shell/app_services.h"

#include <QString>

#include <array>
#include <string>

namespace dorvik {

class Recordset;

enum class PrintedDocument { Recapitulation, ErrorList, Record };
enum class PrintTarget { Preview, Pdf };

// Before a recapitulation is printed from a file with corrections not yet
// saved: it is printed from the file on the disk.
inline constexpr const char* kSaveBeforeRecapitulationQuestion =
    "Promenite vo prijavite ne se snimeni. Rekapitulacijata se pecati od datotekata na diskot. "
    "Dali da se snimat prvo?";

// What the commands are given: the screen's services and its report file.
struct PrintContext {
    const AppServices& services;
    std::string reportPath; // file system bytes
};

// "/a/PRIJAVA.TXT" and "-rekap" give "PRIJAVA-rekap.pdf".
std::string pdfNameFor(const std::string& reportPath, const std::string& suffix);

// The recapitulation of the records, walked anew.
void deliverRecapitulation(const PrintContext& context, PrintTarget target,
                           const Recordset& records);

// The error list beside the report, as it was written last.
void deliverErrorList(const PrintContext& context, PrintTarget target);

// The record shown, with the values its boxes show, at position of total.
void deliverRecord(const PrintContext& context, PrintTarget target,
                   const std::array<QString, kFieldCount>& values, int position, int total);

} // namespace dorvik
