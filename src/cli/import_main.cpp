// dorvik-import: adds the rows of a payroll sheet to a report file from the
// command line, on the same import as the program's window, with no toolkit.
#include "cli/batch_boxes.h"
#include "data/customer_data_source.h"
#include "import/append_rows.h"
#include "import/header_names.h"
#include "import/rejected_rows.h"
#include "import/sheet_file.h"
#include "platform/clock.h"
#include "platform/posix_file_system.h"
#include "version.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace dorvik;
using namespace dorvik::import;

constexpr int kAllAppended = 0;
constexpr int kSomeFailed = 1;
constexpr int kTrouble = 2;

constexpr const char* kUsage =
    "Usage: dorvik-import [OPTIONS] SHEET REPORT\n"
    "Adds the rows of a payroll sheet (CSV or TAB-separated text, .xlsx or .ods) to the\n"
    "report file REPORT, one report per row, each checked as the entry screen checks a\n"
    "typed report. A row equal to a report the file already holds is not added again.\n"
    "A missing REPORT is created. By default nothing is added when any row fails.\n"
    "\n"
    "Columns are found by their headers (field names such as MaticenBroj, or titles such\n"
    "as EMBG, Ime i prezime, Casovi, Iznos); Mesec, when no column gives it, is worked\n"
    "out from PeriodOd and PeriodDo.\n"
    "\n"
    "  --set FIELD=VALUE        every row takes VALUE for FIELD (Godina=03, Firma=...)\n"
    "  --column FIELD=HEADER    FIELD from the column with this header, or this column\n"
    "                           letter (A, B, ..., AA); ImePrezime=SURNAME+NAME joins two\n"
    "  --separator SEP          the separator of a text sheet: ';', ',' or tab\n"
    "  --encoding ENC           the encoding of a text sheet: utf-8, utf-16le, utf-16be,\n"
    "                           windows-1251 (found out by default)\n"
    "  --amounts denari|field   Denari in the sheet are denari with deni (the default),\n"
    "                           or the field's nine digits as they stand\n"
    "  --rejected FILE          write the failing rows to FILE as CSV, with a column Greska\n"
    "  --skip-bad               add the good rows even when some rows fail\n"
    "  --dry-run                check and report, but change no report file\n"
    "  --help                   print this help and exit\n"
    "  --version                print the version and exit\n"
    "\n"
    "Each failing row is a line on standard error: red N: FIELD 'VALUE': reason.\n"
    "Exit status: 0 when every row was added (or would be, with --dry-run), 1 when a row\n"
    "failed, 2 when a file could not be read or written or the options are wrong.\n";

struct Options {
    std::string sheet;
    std::string report;
    std::vector<std::pair<Field, std::string>> values;  // --set
    std::vector<std::pair<Field, std::string>> columns; // --column
    TextSheetOptions text;
    NormaliseOptions normalise;
    std::string rejected;
    bool skipBad = false;
    bool dryRun = false;
};

// The boxes of an unattended import: a question whether to write over a
// file changed meanwhile is answered No; every box's text is kept.
class ImportBoxes : public cli::CollectingBoxes {
public:
    Answer message(const MessageRequest& request) override
    {
        shown.push_back(request);
        return request.buttons == Buttons::Ok ? Answer::Ok : Answer::No;
    }
};

void complain(const std::string& what)
{
    std::fflush(stdout);
    std::fprintf(stderr, "dorvik-import: %s\n", what.c_str());
}

// A box of the store about the file: its text names the file, or is given
// the file's name in front.
void complainAbout(const std::string& path, const std::string& text)
{
    complain(text.rfind(path + ": ", 0) == 0 ? text : path + ": " + text);
}

std::optional<std::pair<Field, std::string>> fieldAssignment(const std::string& text)
{
    const std::size_t equals = text.find('=');
    if (equals == std::string::npos)
        return std::nullopt;
    const auto field = fieldFromName(text.substr(0, equals));
    if (!field)
        return std::nullopt;
    return std::make_pair(*field, text.substr(equals + 1));
}

// Parses the command line; false (having said why) when it is wrong.
bool parse(int argc, char** argv, Options& options, int& exitNow)
{
    exitNow = -1;
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            paths.push_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            exitNow = kAllAppended;
            return true;
        }
        if (arg == "--version") {
            std::printf("dorvik-import %s\n", kVersion);
            exitNow = kAllAppended;
            return true;
        }
        if (arg == "--skip-bad") {
            options.skipBad = true;
            continue;
        }
        if (arg == "--dry-run") {
            options.dryRun = true;
            continue;
        }
        // The options that take a value, as "--name VALUE" or "--name=VALUE".
        std::string value;
        const std::size_t equals = arg.find('=');
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg.resize(equals);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            complain("the option " + arg + " needs a value");
            return false;
        }
        if (arg == "--set" || arg == "--column") {
            const auto assignment = fieldAssignment(value);
            if (!assignment) {
                complain("'" + value + "' is not FIELD=" + (arg == "--set" ? "VALUE" : "HEADER")
                         + " with one of the fields Godina, LicenBroj, ..., SifraStaz");
                return false;
            }
            (arg == "--set" ? options.values : options.columns).push_back(*assignment);
        } else if (arg == "--separator") {
            if (value == "tab" || value == "TAB" || value == "\\t")
                value = "\t";
            if (value.size() != 1) {
                complain("the separator must be one character (or tab): '" + value + "'");
                return false;
            }
            options.text.separator = value[0];
        } else if (arg == "--encoding") {
            const auto encoding = encodingFromName(value);
            if (!encoding) {
                complain("unknown encoding '" + value + "' (utf-8, utf-16le, utf-16be, windows-1251)");
                return false;
            }
            options.text.encoding = *encoding;
        } else if (arg == "--amounts") {
            if (value != "denari" && value != "field") {
                complain("--amounts takes denari or field, not '" + value + "'");
                return false;
            }
            options.normalise.amounts = value == "field" ? AmountUnit::FieldDigits : AmountUnit::Denari;
        } else if (arg == "--rejected") {
            options.rejected = value;
        } else {
            complain("unknown option " + arg);
            return false;
        }
    }
    if (paths.size() != 2) {
        complain("a SHEET and a REPORT are needed");
        return false;
    }
    options.sheet = paths[0];
    options.report = paths[1];
    return true;
}

// The column a --column names: a header of the sheet (compared as headers
// are), else a column letter.
std::optional<int> namedColumn(const SheetRow* header, const std::string& name)
{
    if (header)
        for (std::size_t c = 0; c < header->cells.size(); ++c)
            if (!name.empty() && headerKey(header->cells[c].text) == headerKey(name))
                return static_cast<int>(c);
    return columnFromName(name);
}

bool applyOptions(const Options& options, const Sheet& sheet, Mapping& mapping)
{
    const SheetRow* header = headerRow(sheet);
    mapping = header ? mappingFromHeader(*header) : Mapping{};
    for (const auto& [field, name] : options.columns) {
        FieldSource source;
        source.kind = SourceKind::Column;
        const std::size_t plus = field == Field::ImePrezime ? name.find('+') : std::string::npos;
        const auto first = namedColumn(header, name.substr(0, plus));
        const auto second =
            plus == std::string::npos ? std::optional<int>(-1) : namedColumn(header, name.substr(plus + 1));
        if (!first || !second) {
            complain(options.sheet + ": no column '" + name + "' for " + std::string(fieldName(field)));
            return false;
        }
        source.column = *first;
        source.secondColumn = *second;
        mapping[field] = source;
    }
    for (const auto& [field, value] : options.values)
        mapping[field] = {SourceKind::Fixed, -1, -1, value};
    return true;
}

int run(const Options& options)
{
    PosixFileSystem files;
    const SheetFile sheetFile = loadSheetFile(files, options.sheet);
    if (!sheetFile.error.empty()) {
        complain(options.sheet + ": " + sheetFile.error);
        return kTrouble;
    }
    const SheetResult read = readSheet(sheetFile.bytes, options.sheet, options.text);
    if (!read.error.empty()) {
        complain(options.sheet + ": " + read.error);
        return kTrouble;
    }
    Mapping mapping;
    if (!applyOptions(options, read.sheet, mapping))
        return kTrouble;

    // The report file, or a new one when there is none yet.
    const bool missing = readThrough(files, options.report).missing;
    ImportBoxes boxes;
    CustomerDataSource store({options.report, missing}, files, boxes);
    for (const MessageRequest& box : boxes.shown)
        complainAbout(options.report, box.text);
    if (store.readError())
        return kTrouble;
    if (!store.loadedCompletely()) {
        complain(options.report + ": " + kIncompleteSaveMessage);
        return kTrouble;
    }
    boxes.shown.clear();

    const SystemClock clock;
    ImportPlan plan = planImport(read.sheet, mapping, {options.normalise, currentTwoDigitYear(clock)},
                                 store.rsCustomers.records());
    std::fflush(stdout);
    for (const RowResult& row : plan.rows)
        if (row.status == RowStatus::Failed)
            std::fprintf(stderr, "%s\n", failureLine(row).c_str());

    if (!options.rejected.empty())
        if (const auto error = writeWhole(files, options.rejected, rejectedRowsCsv(read.sheet, plan))) {
            complain(options.rejected + ": " + *error);
            return kTrouble;
        }
    const int status = plan.failed > 0 ? kSomeFailed : kAllAppended;
    if (plan.failed > 0 && !options.skipBad) {
        std::printf("Nisto ne e dodadeno: %d redovi so greski.\n", plan.failed);
        return status;
    }
    if (options.dryRun) {
        std::printf("Proba: bi bile dodadeni %d prijavi vo %s.\n", plan.good, options.report.c_str());
        return status;
    }
    const int good = plan.good;
    if (good > 0 && !appendGoodRows(store, plan, boxes)) {
        for (const MessageRequest& box : boxes.shown)
            complainAbout(options.report, box.text);
        return kTrouble;
    }
    std::printf("%s\n", addedMessage(good, options.report).c_str());
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    int exitNow = -1;
    if (!parse(argc, argv, options, exitNow)) {
        std::fputs(kUsage, stderr);
        return kTrouble;
    }
    if (exitNow >= 0)
        return exitNow;
    const int status = run(options);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "dorvik-import: standard output: %s\n", std::strerror(errno));
        return kTrouble;
    }
    return status;
}
