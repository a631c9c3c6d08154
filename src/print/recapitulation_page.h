// The recapitulation on one page, to be signed and handed in with the file:
// the window's heading and texts with their values, the report file, the
// date printed, and lines for the place and date, the signature and the
// stamp of the employer.
#pragma once

#include <QString>

class QPagedPaintDevice;

namespace dorvik {

// The texts of the window and the page.
inline constexpr const char* kRecapCompany = "Elmarin";
inline constexpr const char* kRecapHeading = "REKAPITULACIJA:";
inline constexpr const char* kRecapRegistration =
    "Registarski broj na obvrznikot za uplata na pridonesi:";
inline constexpr const char* kRecapEmployer = "Naziv i sedi{te na obvrznikot:";
inline constexpr const char* kRecapRecords = "Vkupno pro~itani slogovi dojaveni na disketa :";
inline constexpr const char* kRecapTotal = "Zbirna masa za uplata na pridonesi:";
inline constexpr const char* kRecapCurrency = "Denari";

struct RecapitulationSheet {
    QString registrationNumber;
    QString employer; // whole, with its trailing blanks
    QString records;
    QString total;    // as the window shows it
    QString notice;   // about amounts left out of the total, if any
    QString reportPath;
    QString printedOn;
};

void drawRecapitulation(QPagedPaintDevice& device, const RecapitulationSheet& sheet);

} // namespace dorvik
