// The import of a payroll sheet of 32767 rows, as CSV and as .xlsx: reading,
// mapping, normalising and checking every row; the import window shown over
// it (offscreen); and dorvik-import of the CSV into an empty report file
// against dorvik-check over the file it wrote. Prints the medians.
//
//   import_bench [RUNS]
#include "import/import_plan.h"
#include "import/sheet_file.h"
#include "platform/clock.h"
#include "platform/qt_file_system.h"
#include "platform/settings_store.h"
#include "report_generator.h"
#include "screen_bench.h"
#include "transfer/frm_prenos.h"
#include "zip_maker.h"

#include <QApplication>
#include <QStandardPaths>

#include <chrono>
#include <fstream>

namespace {

using namespace dorvik;

const char* const kHeader[] = {"Godina", "Licen broj", "EMBG", "Registarski broj", "Ime i prezime", "Firma",
                               "Period od", "Period do", "Casovi", "Iznos", "Boleduvanje", "Efektiven staz",
                               "Sifra na staz"};

int fullYear(const std::string& godina)
{
    const int y = std::stoi(godina);
    return y >= 70 ? 1900 + y : 2000 + y;
}

// A period as payroll sheets write it: D.M.YYYY when it is a day of the
// calendar, else as the field holds it (DDMM).
std::string period(const std::string& ddmm, int year)
{
    const int day = std::stoi(ddmm.substr(0, 2)), month = std::stoi(ddmm.substr(2));
    if (!std::chrono::year_month_day{std::chrono::year{year}, std::chrono::month(month), std::chrono::day(day)}.ok())
        return ddmm;
    return std::to_string(day) + "." + std::to_string(month) + "." + std::to_string(year);
}

// "1.234,56" from the field's hundredths.
std::string amount(const std::string& denari)
{
    const long long hundredths = std::stoll(denari);
    std::string whole = std::to_string(hundredths / 100);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3)
        whole.insert(static_cast<std::size_t>(at), ".");
    return whole + "," + bench::twoDigits(static_cast<int>(hundredths % 100));
}

std::vector<std::vector<std::string>> sheetRows()
{
    bench::rng().seed(1700);
    const std::string firm = bench::padded("Tekstil DOO Bitola", 35);
    std::vector<std::vector<std::string>> rows;
    for (int n = 1; n <= kMaxRecords; ++n) {
        const bench::Fields f = bench::correctRecord(n, firm, "3982597910");
        const int year = fullYear(f.godina);
        rows.push_back({f.godina, f.licen, f.maticen, f.reg, "Ime Prezime " + std::to_string(n), "Tekstil DOO Bitola",
                        period(f.od, year), period(f.to, year), f.casovi, amount(f.denari), "", "", f.sifra});
    }
    return rows;
}

std::string csvOf(const std::vector<std::vector<std::string>>& rows)
{
    std::string csv = "\xEF\xBB\xBF";
    for (const char* h : kHeader)
        csv += std::string(h) + (h == kHeader[12] ? "\r\n" : ";");
    for (const auto& row : rows)
        for (std::size_t c = 0; c < row.size(); ++c)
            csv += row[c] + (c + 1 == row.size() ? "\r\n" : ";");
    return csv;
}

// The same rows in a workbook: numbers as numbers, texts inline.
std::string xlsxOf(const std::vector<std::vector<std::string>>& rows)
{
    auto text = [](const std::string& t) { return "<c t=\"inlineStr\"><is><t>" + t + "</t></is></c>"; };
    std::string sheet = "<worksheet><sheetData><row r=\"1\">";
    for (const char* h : kHeader)
        sheet += text(h);
    sheet += "</row>";
    int r = 1;
    for (const auto& row : rows) {
        sheet += "<row r=\"" + std::to_string(++r) + "\">";
        for (std::size_t c = 0; c < row.size(); ++c)
            sheet += c == 0 || c == 8 ? "<c><v>" + row[c] + "</v></c>" : text(row[c]);
        sheet += "</row>";
    }
    sheet += "</sheetData></worksheet>";
    return testing::zipOf({{"xl/workbook.xml", "<workbook><sheets><sheet name=\"a\" sheetId=\"1\"/></sheets></workbook>"},
                           {"xl/worksheets/sheet1.xml", sheet}});
}

double importMs(const std::string& bytes, const char* name, int& good)
{
    return bench::milliseconds([&] {
        const import::SheetResult read = import::readSheet(bytes, name);
        const import::Mapping mapping = import::mappingFromHeader(*import::headerRow(read.sheet));
        const import::ImportPlan plan = import::planImport(read.sheet, mapping, {{}, "26"}, {});
        good = plan.good;
    });
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    const std::filesystem::path folder = bench::benchFolder("import-bench");
    const std::vector<std::vector<std::string>> rows = sheetRows();
    const std::string csv = csvOf(rows);
    const std::string xlsx = xlsxOf(rows);
    const std::string sheetPath = (folder / "plata.csv").string();
    std::ofstream(sheetPath, std::ios::binary) << csv;

    std::vector<double> csvRun, xlsxRun, windowRun, importRun, checkRun;
    import::ReasonBoxes boxes;
    SystemClock clock;
    QtSettingsStore settings;
    for (int i = 0; i < runs; ++i) {
        int good = 0;
        csvRun.push_back(importMs(csv, "plata.csv", good));
        if (good != kMaxRecords) {
            std::fprintf(stderr, "the CSV gave %d good rows of %d\n", good, kMaxRecords);
            return 2;
        }
        xlsxRun.push_back(importMs(xlsx, "plata.xlsx", good));
        if (good != kMaxRecords) {
            std::fprintf(stderr, "the workbook gave %d good rows of %d\n", good, kMaxRecords);
            return 2;
        }
        const std::string report = (folder / ("PRIJAVA" + std::to_string(i) + ".TXT")).string();
        windowRun.push_back(bench::milliseconds([&] {
            frmPrenos window({boxes, applicationFileSystem(), clock}, settings, {report, false}, sheetPath);
            window.setAttribute(Qt::WA_DeleteOnClose, false);
            if (!window.open())
                std::fprintf(stderr, "the window did not open: %s\n", boxes.last.c_str());
            window.show();
            QApplication::processEvents();
        }));
        importRun.push_back(bench::milliseconds([&] {
            const std::string command = std::string(DORVIK_IMPORT_PATH) + " '" + sheetPath + "' '" + report + "' >/dev/null";
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "dorvik-import did not add every row\n");
        }));
        checkRun.push_back(bench::milliseconds([&] {
            const std::string command = std::string(DORVIK_CHECK_PATH) + " '" + report + "' >/dev/null";
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "dorvik-check did not pass the file\n");
        }));
    }
    std::filesystem::remove_all(folder);

    std::printf("rows                                  %d\n", kMaxRecords);
    std::printf("runs                                  %d\n", runs);
    std::printf("CSV (%zu KiB): read, map, check (median)  %.1f ms (aim: well under 1000)\n", csv.size() / 1024,
                bench::median(csvRun));
    std::printf(".xlsx (%zu KiB): read, map, check      %.1f ms (aim: well under 1000)\n", xlsx.size() / 1024,
                bench::median(xlsxRun));
    std::printf("import window shown over the CSV      %.1f ms (aim: under 1000)\n", bench::median(windowRun));
    std::printf("dorvik-import of the CSV              %.1f ms\n", bench::median(importRun));
    std::printf("dorvik-check of what it wrote         %.1f ms\n", bench::median(checkRun));
    std::printf("dorvik-import / dorvik-check          %.2f (aim: at most 10)\n",
                bench::median(importRun) / bench::median(checkRun));
    return 0;
}
