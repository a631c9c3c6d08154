// Generated report files with a realistic mix of faults, for measuring the
// check run.
#pragma once

#include "check/check_digits.h"
#include "check/error_list.h"

#include <random>
#include <string>

namespace dorvik::bench {

inline std::mt19937& rng()
{
    static std::mt19937 generator(20031);
    return generator;
}

inline int uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng()); }

inline std::string digits(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i)
        text += static_cast<char>('0' + uniform(0, 9));
    return text;
}

inline std::string twoDigits(int value)
{
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

inline std::string padded(std::string text, std::size_t width)
{
    text.resize(width, ' ');
    return text;
}

inline std::string personalNumber()
{
    for (;;) {
        const std::string head = digits(8);
        const int luhn = *expectedMod10("0" + head + "0");
        const int mod11 = *expectedMod11("000" + head + "00", "LB");
        if (mod11 <= 9)
            return head + static_cast<char>('0' + luhn) + static_cast<char>('0' + mod11);
    }
}

inline std::string masterNumber()
{
    for (;;) {
        const std::string head = digits(12);
        const int e = *expectedMod11(head + "0", "MB");
        if (e <= 9)
            return head + static_cast<char>('0' + e);
    }
}

inline std::string registrationNumber()
{
    const std::string head = digits(9);
    return head + static_cast<char>('0' + *expectedMod10(head + "0"));
}

struct Fields {
    std::string godina, licen, maticen, reg, ime, firma, od, to, mesec, casovi, denari, bol,
        efekt, stepen, sifra;

    std::string line() const
    {
        return godina + licen + maticen + reg + ime + firma + od + to + mesec + casovi + denari
               + bol + efekt + stepen + sifra;
    }
};

// A record that passes every check: a period inside one year, its months
// and days as the check works them out, and hours inside the narrow band.
inline Fields correctRecord(int n, const std::string& firm, const std::string& reg)
{
    static const char* years[] = {"97", "98", "99", "00", "01", "85", "90", "94", "96", "02"};
    Fields f;
    f.godina = years[uniform(0, 9)];
    f.licen = personalNumber();
    f.maticen = masterNumber();
    f.reg = reg;
    f.ime = padded("Ime Prezime " + std::to_string(n), 35);
    f.firma = firm;
    const bool wholeYear = uniform(0, 3) != 0;
    const int startMonth = wholeYear ? 1 : uniform(1, 6);
    const int endMonth = wholeYear ? 12 : uniform(startMonth + 1, 12);
    f.od = "01" + twoDigits(startMonth);
    f.to = (wholeYear ? "31" : "30") + twoDigits(endMonth);
    // Start day 1 and end day 30 or 31 carry whole months.
    const int months = endMonth - startMonth + 1;
    f.mesec = twoDigits(months) + "00";
    const bool norm98 = f.godina == "97" || f.godina == "98" || f.godina == "99"
                        || f.godina == "00" || f.godina == "01";
    const int r = norm98 ? 174 : 182;
    int hours = r * months - uniform(0, 60);
    if (norm98 && hours > 2088)
        hours = 2088;
    f.casovi = std::to_string(10000 + hours).substr(1);
    f.denari = std::to_string(1000000000 + uniform(100000, 900000)).substr(1);
    f.bol = "0000";
    f.efekt = "0000";
    f.stepen = "     ";
    f.sifra = uniform(0, 9) == 0 ? "0065" : "0000";
    return f;
}

// One fault of the kinds users make, chosen at random.
inline void addFault(Fields& f)
{
    switch (uniform(0, 11)) {
    case 0: f.licen[8] = static_cast<char>('0' + (f.licen[8] - '0' + 1) % 10); break;
    case 1: f.licen[9] = static_cast<char>('0' + (f.licen[9] - '0' + 1) % 10); break;
    case 2: f.maticen[12] = static_cast<char>('0' + (f.maticen[12] - '0' + 1) % 10); break;
    case 3: f.reg = "0000000000"; break;
    case 4: f.godina = "08"; break;
    case 5: f.od = "    "; break;
    case 6: f.to = "3213"; break;
    case 7: f.mesec = "0915"; break;
    case 8: f.casovi = "0900"; break;
    case 9: f.casovi = "0000"; break;
    case 10: f.bol = "2500"; break;
    default: f.godina = "9A"; break;
    }
}

// The file's bytes: records lines with CR LF, about faultyPercent of them
// with one fault each. The same arguments give the same file.
inline std::string generateReport(int records, int faultyPercent)
{
    rng().seed(20031);
    std::string firms[4], regs[4];
    for (int i = 0; i < 4; ++i) {
        firms[i] = padded("Firma " + std::to_string(i + 1) + " DOO Skopje", 35);
        regs[i] = registrationNumber();
    }
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(records) * 149);
    for (int n = 1; n <= records; ++n) {
        // A file holds the reports of a few employers.
        const int employer = (n - 1) * 4 / records;
        Fields f = correctRecord(n, firms[employer], regs[employer]);
        if (uniform(1, 100) <= faultyPercent)
            addFault(f);
        bytes += f.line();
        bytes += "\r\n";
    }
    return bytes;
}

// The error list of a file whose every record has three findings, as the
// check run writes it: 32767 record lines between its header and footer.
inline std::string generateFullErrorList(std::string_view stem)
{
    std::string list = errorListHeader(stem);
    for (int record = 1; record <= 32767; ++record) {
        appendRecordPrefix(list, record);
        list += "1111111191 Gr. mod 10 ,04       Gr. godina ,2089  Pogolem broj na casovi,\r\n";
    }
    return list + std::string(kErrorListFooter);
}

} // namespace dorvik::bench
