// dorvik-import: adds the rows of a payroll sheet to a report file from the
// command line, on the same import as the program's window, with no toolkit.
#include "cli/batch_boxes.h"
#include "cli/usage.h"
#include "data/customer_data_source.h"
#include "import/append_rows.h"
#include "import/header_names.h"
#include "import/rejected_rows.h"
#include "import/sheet_file.h"
#include "platform/clock.h"
#include "platform/error_text.h"
#include "platform/posix_file_system.h"
#include "version.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace dorvik;
using namespace dorvik::import;

using cli::kAllDone;
using cli::kSomeFailed;
using cli::kTrouble;

// In the words every tool uses (cli/usage.h).
const std::string kUsage = std::string(cli::kUsageWord) + " dorvik-import [OPCII] TABELA DATOTEKA\n"
    "Gi dodava redovite od tabelata so plati TABELA (CSV ili tekst so TAB, .xlsx ili\n"
    ".ods) vo datotekata so prijavi DATOTEKA, po edna prijava za sekoj red, i go\n"
    "kontrolira sekoj red kako sto ekranot za vnes ja kontrolira vnesenata prijava.\n"
    "Red ednakov na prijava sto datotekata vekje ja ima ne se dodava povtorno.\n"
    "DATOTEKA sto ja nema se sozdava. Koga nekoj red ima greska, nisto ne se dodava\n"
    "(osven so --skip-bad).\n"
    "\n"
    "Kolonite se naogjaat po nivnite naslovi (iminja na polinja kako MaticenBroj ili\n"
    "naslovi kako EMBG, Ime i prezime, Casovi, Iznos); Mesec, koga nitu edna kolona\n"
    "ne go dava, se presmetuva od PeriodOd i PeriodDo.\n"
    "\n"
    "  --set POLE=VREDNOST     Ja vnesuva VREDNOST vo POLE na sekoj red (Godina=03,\n"
    "                          Firma=...).\n"
    "  --column POLE=NASLOV    Go zema POLE od kolonata so toj naslov ili so taa\n"
    "                          bukva (A, B, ..., AA); ImePrezime=PREZIME+IME spojuva\n"
    "                          dve koloni.\n"
    "  --separator ZNAK        Go zadava razdelnikot na tekstualna tabela: ';', ','\n"
    "                          ili tab.\n"
    "  --encoding KODIRANJE    Go zadava kodiranjeto na tekstualna tabela: utf-8,\n"
    "                          utf-16le, utf-16be ili windows-1251 (inaku se\n"
    "                          prepoznava samo).\n"
    "  --amounts denari|field  Kazuva dali iznosite vo tabelata se denari so deni\n"
    "                          (denari, sto vazi ako ne se kaze) ili devette cifri\n"
    "                          na poleto kako sto se (field).\n"
    "  --rejected DATOTEKA     Gi zapisuva redovite so greski vo DATOTEKA kako CSV,\n"
    "                          so kolona Greska.\n"
    "  --skip-bad              Gi dodava ispravnite redovi i koga nekoi redovi imaat\n"
    "                          greski.\n"
    "  --dry-run               Samo gi kontrolira redovite i izvestuva; ne menuva\n"
    "                          nitu edna datoteka so prijavi.\n"
    + cli::helpAndVersionOptions(26) +
    "\n"
    "Za sekoj red so greski se pecati eden red na standardnata greska:\n"
    "red N: POLE 'VREDNOST': pricina.\n"
    "\n"
    "Izlezen status: 0 koga site redovi se dodadeni (ili bi bile, so --dry-run), 1\n"
    "koga nekoj red ima greska, 2 koga nekoja datoteka ne mozela da se procita ili\n"
    "zapise ili opciite se pogresni.\n";

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

constexpr std::string_view kValueOptions[] = {"--set", "--column", "--separator", "--encoding", "--amounts",
                                              "--rejected"};

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
        if (cli::isHelpOption(arg)) {
            std::fputs(kUsage.c_str(), stdout);
            exitNow = kAllDone;
            return true;
        }
        if (cli::isVersionOption(arg)) {
            std::printf("dorvik-import %s\n", kVersion);
            exitNow = kAllDone;
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
        const std::string name = arg.substr(0, equals);
        if (std::find(std::begin(kValueOptions), std::end(kValueOptions), name) == std::end(kValueOptions)) {
            complain(cli::unknownOption(name));
            return false;
        }
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
            arg.resize(equals);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            complain("opcijata " + arg + " bara vrednost");
            return false;
        }
        if (arg == "--set" || arg == "--column") {
            const auto assignment = fieldAssignment(value);
            if (!assignment) {
                complain("'" + value + "' ne e POLE=" + (arg == "--set" ? "VREDNOST" : "NASLOV")
                         + " so edno od polinjata Godina, LicenBroj, ..., SifraStaz");
                return false;
            }
            (arg == "--set" ? options.values : options.columns).push_back(*assignment);
        } else if (arg == "--separator") {
            if (value == "tab" || value == "TAB" || value == "\\t")
                value = "\t";
            if (value.size() != 1) {
                complain("razdelnikot mora da bide eden znak (ili tab): '" + value + "'");
                return false;
            }
            options.text.separator = value[0];
        } else if (arg == "--encoding") {
            const auto encoding = encodingFromName(value);
            if (!encoding) {
                complain("nepoznato kodiranje '" + value + "' (utf-8, utf-16le, utf-16be, windows-1251)");
                return false;
            }
            options.text.encoding = *encoding;
        } else if (arg == "--amounts") {
            if (value != "denari" && value != "field") {
                complain("--amounts bara denari ili field, a ne '" + value + "'");
                return false;
            }
            options.normalise.amounts = value == "field" ? AmountUnit::FieldDigits : AmountUnit::Denari;
        } else {
            options.rejected = value;
        }
    }
    if (paths.size() != 2) {
        complain("potrebni se TABELA i DATOTEKA");
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
            complain(options.sheet + ": nema kolona '" + name + "' za " + std::string(fieldName(field)));
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
    const int status = plan.failed > 0 ? kSomeFailed : kAllDone;
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
        std::fputs(kUsage.c_str(), stderr);
        return kTrouble;
    }
    if (exitNow >= 0)
        return exitNow;
    const int status = run(options);
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "dorvik-import: standardniot izlez: %s\n", describeSystemError(errno).c_str());
        return kTrouble;
    }
    return status;
}
