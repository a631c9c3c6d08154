// From a sheet to records: the columns found by their headers, the checks of
// the entry screen, duplicates, and the append that adds all or nothing.
#include "import/append_rows.h"
#include "import/rejected_rows.h"
#include "import/sheet_file.h"

#include "check/entry_rules.h"
#include "data/customer_data_source.h"
#include "memory_file_system.h"
#include "records.h"
#include "scripted_boxes.h"
#include "sheet_rows.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

using namespace dorvik;
using namespace dorvik::import;
using namespace dorvik::testing;

namespace {

const std::string kReport = "/a/PRIJAVA.TXT";

Sheet sheetOf(const std::string& csv)
{
    SheetResult read = readTextSheet(csv);
    EXPECT_EQ(read.error, "");
    return std::move(read.sheet);
}

// The sheet's own header, with the year, the employer and the firm for every row.
Mapping mappingOf(const Sheet& sheet)
{
    Mapping mapping = headerRow(sheet) ? mappingFromHeader(*headerRow(sheet)) : Mapping{};
    mapping[Field::Godina] = {SourceKind::Fixed, -1, -1, "2003"};
    mapping[Field::RegistarskiBroj] = {SourceKind::Fixed, -1, -1, "1234567897"};
    mapping[Field::Firma] = {SourceKind::Fixed, -1, -1, "Firma DOO Skopje"};
    return mapping;
}

ImportPlan planOf(const std::string& csv, const RecordTable& existing = {})
{
    const Sheet sheet = sheetOf(csv);
    return planImport(sheet, mappingOf(sheet), {{}, "03"}, existing);
}

const std::string kHeader = "Licen broj;EMBG;Ime i prezime;Period od;Period do;Casovi;Iznos\r\n";

// A good row: the personal number, the master number and the name vary.
std::string row(const std::string& lb, const std::string& mb, const std::string& name)
{
    return lb + ";" + mb + ";" + name + ";1.1.2003;31.12.2003;2088;12345,50\r\n";
}

std::vector<std::string> failures(const ImportPlan& plan)
{
    std::vector<std::string> lines;
    for (const RowResult& r : plan.rows)
        if (r.status == RowStatus::Failed)
            lines.push_back(failureLine(r));
    return lines;
}

} // namespace

TEST(ImportMapping, HeadersByNameOrAliasInLatinOrCyrillic)
{
    struct Case {
        std::string header;
        std::vector<std::pair<Field, int>> columns; // field -> column
        int secondColumn = -1;                      // of ImePrezime
    };
    const std::vector<Case> cases = {
        {"Godina;LicenBroj;MaticenBroj;RegistarskiBroj;ImePrezime;Firma;PeriodOd;PeriodDo;Mesec;"
         "VkRabCasovi;Denari;Boleduvanje;EfektStaz;StepenZgolem;SifraStaz",
         {{Field::Godina, 0}, {Field::LicenBroj, 1}, {Field::MaticenBroj, 2}, {Field::RegistarskiBroj, 3},
          {Field::ImePrezime, 4}, {Field::Firma, 5}, {Field::PeriodOd, 6}, {Field::PeriodDo, 7},
          {Field::Mesec, 8}, {Field::VkRabCasovi, 9}, {Field::Denari, 10}, {Field::Boleduvanje, 11},
          {Field::EfektStaz, 12}, {Field::StepenZgolem, 13}, {Field::SifraStaz, 14}}},
        {"Reden broj;E.M.B.G.; licen_broj ;Maticen broj;Registarski broj;Ime i prezime;Period od;"
         "PERIOD DO;Casovi;Iznos;Efektiven staz;Stepen na zgolemuvanje;Sifra na staz",
         {{Field::MaticenBroj, 1}, {Field::LicenBroj, 2}, {Field::RegistarskiBroj, 4},
          {Field::ImePrezime, 5}, {Field::PeriodOd, 6}, {Field::PeriodDo, 7}, {Field::VkRabCasovi, 8},
          {Field::Denari, 9}, {Field::EfektStaz, 10}, {Field::StepenZgolem, 11}, {Field::SifraStaz, 12}}},
        // Cyrillic: Матичен број, Презиме и име, Часови, Износ, Боледување.
        {"\xD0\x9C\xD0\xB0\xD1\x82\xD0\xB8\xD1\x87\xD0\xB5\xD0\xBD \xD0\xB1\xD1\x80\xD0\xBE\xD1\x98;"
         "\xD0\x9F\xD1\x80\xD0\xB5\xD0\xB7\xD0\xB8\xD0\xBC\xD0\xB5 \xD0\xB8 \xD0\xB8\xD0\xBC\xD0\xB5;"
         "\xD0\xA7\xD0\xB0\xD1\x81\xD0\xBE\xD0\xB2\xD0\xB8;\xD0\x98\xD0\xB7\xD0\xBD\xD0\xBE\xD1\x81;"
         "\xD0\x91\xD0\xBE\xD0\xBB\xD0\xB5\xD0\xB4\xD1\x83\xD0\xB2\xD0\xB0\xD1\x9A\xD0\xB5",
         {{Field::MaticenBroj, 0}, {Field::ImePrezime, 1}, {Field::VkRabCasovi, 2}, {Field::Denari, 3},
          {Field::Boleduvanje, 4}}},
        // The name from two columns, surname first; the first of two columns for a field.
        {"Ime;EMBG;Prezime;Maticen broj", {{Field::MaticenBroj, 1}, {Field::ImePrezime, 2}}, 0},
        {"Prezime;x", {{Field::ImePrezime, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.header);
        const Sheet sheet = sheetOf(c.header + "\r\n1;2\r\n");
        ASSERT_NE(headerRow(sheet), nullptr);
        const Mapping mapping = mappingFromHeader(*headerRow(sheet));
        EXPECT_TRUE(mapping.header);
        for (int i = 0; i < kFieldCount; ++i) {
            const FieldSource& s = mapping.fields[i];
            int expected = -1;
            for (const auto& [f, column] : c.columns)
                if (f == fieldAt(i))
                    expected = column;
            EXPECT_EQ(s.kind == SourceKind::Column ? s.column : -1, expected) << fieldName(fieldAt(i));
        }
        EXPECT_EQ(mapping[Field::ImePrezime].secondColumn, c.secondColumn);
    }
    EXPECT_EQ(headerRow(sheetOf("0101;1111111111111\r\n")), nullptr);
    EXPECT_EQ(columnName(0) + columnName(25) + columnName(26) + columnName(701), "AZAAZZ");
    EXPECT_EQ(columnFromName("za"), 676);
    EXPECT_EQ(columnFromName("A1"), std::nullopt);
}

TEST(ImportPlan, EveryFailureNamesRowFieldValueAndReason)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        // The entry screen's checks, with its own messages.
        {"1111111191;1111111111111;A;0101;3112;2088;1",
         "red 2: LicenBroj '1111111191': LICNIOT  BROJ E GRESEN  PO MODUL 10"},
        {"1111111182;1111111111111;A;0101;3112;2088;1",
         "red 2: LicenBroj '1111111182': LICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
        {"1111111181;1111111111112;A;0101;3112;2088;1",
         "red 2: MaticenBroj '1111111111112': MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11"},
        {"1111111181;0;A;0101;3112;2088;1",
         "red 2: MaticenBroj '0000000000000': maticniot broj ne smee da bide samo nuli"},
        {"1111111181;1111111111111;A;3201;3112;2088;1",
         "red 2: PeriodOd '3201': Periodot treba da bide vo interval 01-31"},
        // Normalising, and the months and days that cannot be worked out.
        {"1111111181;1.11111E+12;A;0101;3112;2088;1",
         "red 2: MaticenBroj '1.11111E+12': " + lostDigitsReason("1.11111E+12")},
        {"1111111181;1111111111111;A;x;3112;2088;1",
         "red 2: PeriodOd 'x': ne e period (DDMM) nitu datum; Mesec '': ne moze da se presmeta bez ispraven period"},
        {"1111111181;1111111111111;A;0201;0101;2088;1",
         "red 2: Mesec '': krajot na periodot e pred negoviot pocetok"},
        {"1111111181;1111111111111;A;0101;3112;;-1",
         "red 2: VkRabCasovi '': praznoto pole; Denari '-1': negativen broj"},
        {"1111111181;1111111111111;\xC5\xBD;0101;3112;2088;1",
         "red 2: ImePrezime '\xC5\xBD': znakot '\xC5\xBD' (U+017D) go nema vo kodnata strana na datotekata"},
    };
    for (const auto& [cells, line] : cases) {
        const ImportPlan plan = planOf(kHeader + cells + "\r\n");
        EXPECT_EQ(failures(plan), std::vector<std::string>{line}) << cells;
    }
    // A year past the current one, and a field with neither a column nor a value.
    Sheet sheet = sheetOf(kHeader + "1111111181;1111111111111;A;0101;3112;2088;1\r\n");
    Mapping mapping = mappingOf(sheet);
    mapping[Field::Godina].value = "04";
    mapping[Field::VkRabCasovi] = {};
    const ImportPlan plan = planImport(sheet, mapping, {{}, "03"}, {});
    EXPECT_EQ(failures(plan), std::vector<std::string>{"red 2: Godina '04': " + std::string(kYearMessage)
                                                       + "; VkRabCasovi '': " + kNoSourceReason});
    // A row that could not be read.
    EXPECT_EQ(failures(planOf(kHeader + "\"1;2\r\n")), std::vector<std::string>{"red 2: " + openQuoteReason(2)});
}

TEST(ImportPlan, TheSameRecordTwiceIsRefused)
{
    RecordTable existing;
    const ImportPlan first = planOf(kHeader + row("1111111181", "1111111111111", "Ana"));
    ASSERT_EQ(first.good, 1);
    existing.push_back(ReportRecord::fromLine(first.rows[0].line())); // the file's first record
    existing.push_back(ReportRecord::fromLine(recordLine(1)));
    // The sheet's good rows are numbered on from the file's records.
    const ImportPlan plan = planOf(kHeader + row("1111111181", "1111111111111", "Ana")
                                       + row("1111111181", "2305853450009", "Ivo")
                                       + row("0000000189", "2305853450009", "Mia") + "\r\n"
                                       + row("189", "2305853450009", "Mia"),
                                   existing);
    EXPECT_EQ(failures(plan), (std::vector<std::string>{
                                  "red 2: MaticenBroj '1111111111111': Istata prijava vekje postoi (slog 1)",
                                  "red 6: MaticenBroj '2305853450009': Istata prijava vekje postoi (slog 4)"}));
    EXPECT_EQ(plan.good, 2);
    EXPECT_EQ(plan.emptyRows, 1);
    EXPECT_TRUE(plan.rows.at(1).monthsWorkedOut);
    EXPECT_EQ(plan.rows.at(3).notes.at(0), std::make_pair(Field::LicenBroj, std::string("189 -> 0000000189")));
}

TEST(ImportPlan, WorkbooksSavedByRealWritersGiveTheSameRecords)
{
    // Numbers come as numbers (#), identifiers that were numbers have lost
    // their leading zeros, dates are day serials (.xlsx) or days (.ods). The
    // name does not decide: a workbook renamed .csv or .xls is still one.
    const struct {
        const char* file;
        const char* name;
        std::string from, to;
    } cases[] = {
        {"plata-openpyxl.xlsx", "plata.csv", "37622#", "37986#"},
        {"plata-calc.xlsx", "plata.xls", "37622#", "37986#"},
        {"plata-calc.ods", "plata.xls", "2003-01-01", "2003-12-31"},
    };
    std::vector<ReportRecord> first;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        const SheetResult read = readSheet(readBytes(std::string(IMPORT_TEST_DATA) + "/" + c.file), c.name);
        ASSERT_EQ(read.error, "");
        EXPECT_EQ(rowsOf(read.sheet),
                  (std::vector<std::string>{
                      "1:Licen broj|Maticen broj|Prezime|Ime|Period od|Period do|Casovi|Iznos|Boleduvanje|Sifra na staz",
                      "2:189#|101980450008#|\xD0\x9F\xD0\xB5\xD1\x82\xD1\x80\xD0\xBE\xD0\xB2\xD1\x81\xD0\xBA\xD0\xB8|"
                      "\xD0\x9F\xD0\xB5\xD1\x82\xD0\xB0\xD1\x80|" + c.from + "|" + c.to + "|2088#|12345.5#||0#",
                      "3:1111111181|2305853450009|Jovanovska|Ana|0101|3112|2088#|150000#|16#",
                      "5:267#|3112704450021#|\xD0\x98\xD0\xBB\xD0\xB8\xD0\xB5\xD0\xB2\xD1\x81\xD0\xBA\xD0\xB8|"
                      "\xD0\x9C\xD0\xB0\xD1\x80\xD0\xBA\xD0\xBE|1501#|1403#|340#|20000.75#|0#"}));
        EXPECT_EQ(read.sheet.emptyRows, 1);
        const ImportPlan plan = planImport(read.sheet, mappingOf(read.sheet), {{}, "03"}, {});
        EXPECT_EQ(failures(plan), std::vector<std::string>{});
        if (first.empty())
            first = plan.goodRecords();
        EXPECT_EQ(plan.goodRecords(), first);
    }
    ASSERT_EQ(first.size(), 3u);
    EXPECT_EQ(first[0].line().substr(0, 35), "03" "0000000189" "0101980450008" "1234567897");
    EXPECT_EQ(first[0].line().substr(static_cast<std::size_t>(fieldOffset(Field::PeriodOd))),
              "010131121200208800123455000000000     0000");
    EXPECT_EQ(first[2].value(Field::Mesec), "0200");
    EXPECT_EQ(first[2].value(Field::Denari), "002000075");
}

struct ImportAppend : ::testing::Test {
    MemoryFileSystem fs;
    ScriptedBoxes boxes;
    // A report of three records, and a sheet of five rows of which two fail.
    const std::string oldFile = fileOf(records(3));
    const std::string sheetText = kHeader + row("1111111181", "0101980450008", "Ana")
                                  + row("1111111181", "123", "\"B\"\"ad\"")
                                  + row("0000000189", "2305853450009", "Mia") + row("1111111181", "2305853450009", "Ivo")
                                  + "1111111181;3112704450021;Zoe;0101;3112;2088;12345,505\r\n";

    std::unique_ptr<CustomerDataSource> load()
    {
        fs.files[kReport] = oldFile;
        return std::make_unique<CustomerDataSource>(CustomerDataSource::Options{kReport, false}, fs, boxes);
    }
};

TEST_F(ImportAppend, GoodRowsAfterTheOldLinesAndTheRejectedRowsBeside)
{
    auto store = load();
    const Sheet sheet = sheetOf(sheetText);
    ImportPlan plan = planImport(sheet, mappingOf(sheet), {{}, "03"}, store->rsCustomers.records());
    ASSERT_EQ(plan.good, 3);
    ASSERT_TRUE(appendGoodRows(*store, plan, boxes));
    const std::string written = fs.files.at(kReport);
    EXPECT_EQ(written.substr(0, oldFile.size()), oldFile);
    const std::vector<std::string> lines = linesOf(written);
    ASSERT_EQ(lines.size(), 6u);
    // The good rows in the sheet's order; the plan's rows marked appended are
    // shown by the import window's test.
    EXPECT_EQ(lines[5].substr(0, 25), "0311111111812305853450009");

    const std::string rejected = rejectedRowsCsv(sheet, plan);
    EXPECT_EQ(rejected,
              "\xEF\xBB\xBFLicen broj;EMBG;Ime i prezime;Period od;Period do;Casovi;Iznos;Greska\r\n"
              "1111111181;123;\"B\"\"ad\";1.1.2003;31.12.2003;2088;12345,50;MaticenBroj '0000000000123': "
              "MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11\r\n"
              "1111111181;3112704450021;Zoe;0101;3112;2088;12345,505;Denari '12345,505': poveke od dve decimali\r\n");
    // An empty sheet: the column of reasons alone.
    EXPECT_EQ(rejectedRowsCsv({}, {}), "\xEF\xBB\xBFGreska\r\n");
}

TEST_F(ImportAppend, AFailedWriteOrAFullFileLeavesTheFileAsItWas)
{
    const Sheet sheet = sheetOf(sheetText);
    // A commit that fails, a file changed meanwhile (the question answered No),
    // a file too full: the file and the store as they were.
    for (int failure = 1; failure < 4; ++failure) {
        SCOPED_TRACE(failure);
        fs = {};
        boxes.clear();
        auto store = load();
        if (failure == 1)
            fs.commitError = "Input/output error";
        if (failure == 2)
            fs.files[kReport] += recordLine(9) + "\r\n"; // changed meanwhile; the question is answered No
        ImportPlan plan = planImport(sheet, mappingOf(sheet), {{}, "03"}, store->rsCustomers.records());
        const std::string before = fs.files.at(kReport);
        if (failure == 3) {
            for (int i = 3; i < kMaxRecords - 2; ++i)
                store->rsCustomers.AddNew(), store->rsCustomers.Update();
        }
        EXPECT_FALSE(appendGoodRows(*store, plan, boxes));
        EXPECT_EQ(fs.files.at(kReport), before);
        EXPECT_EQ(plan.good, 3);
        EXPECT_EQ(store->rsCustomers.RecordCount(), failure == 3 ? kMaxRecords - 2 : 3);
        ASSERT_FALSE(boxes.shown().empty());
        if (failure == 3) {
            EXPECT_TRUE(isBox(boxes.shown().back(), "Dorvik",
                              "Datotekata ima 32765 prijavi; mozat da se dodadat najmnogu 2. Nisto ne e dodadeno.",
                              Icon::Exclamation));
        }
    }
}
