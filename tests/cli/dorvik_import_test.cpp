// dorvik-import as a script runs it: the real program on files in a
// temporary folder, today's date fixed with faketime.
#include "records.h"
#include "run_tool.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

Outcome runImport(const TempDir& dir, const std::string& args)
{
    return runTool(dir, DORVIK_IMPORT_PROGRAM, args);
}

const std::string kSet = "--set Godina=03 --set RegistarskiBroj=1234567897 --set 'Firma=Firma DOO Skopje' ";

// Five rows; the third and the fifth fail.
const std::string kSheet =
    "Licen broj;EMBG;Ime i prezime;Period od;Period do;Casovi;Iznos\r\n"
    "1111111181;0101980450008;Ana;1.1.2003;31.12.2003;2088;12345,50\r\n"
    "0000000189;2305853450009;Mia;0101;3112;2088;100\r\n"
    "1111111181;123;Ivo;0101;3112;2088;100\r\n"
    "1111111181;3112704450021;Zoe;0101;3006;1040;100\r\n"
    "1111111181;1206881450039;Eva;0101;3112;2088;1,2345\r\n";

} // namespace

TEST(DorvikImport, AllOrNothingUnlessToldAndEveryFailureALine)
{
    TempDir dir;
    writeBytes(dir.file("plata.csv"), kSheet);
    writeBytes(dir.file("P.TXT"), fileOf(records(3)));
    const std::string failures = "red 4: MaticenBroj '0000000000123': MATICNIOT BROJ NA GRAGANINOT E GRESEN PO MODUL OD 11\n"
                                 "red 6: Denari '1,2345': poveke od dve decimali\n";

    // All or nothing; a try; the good rows alone; again, when every row is
    // in the file already, or fails. The records a row gives and that the old
    // lines stay as they were: the import core's test.
    const struct {
        const char* options;
        std::string out;
        int records; // in the file after
        bool again = false;
    } runs[] = {
        {"", "Nisto ne e dodadeno: 2 redovi so greski.\n", 3},
        {"--dry-run --skip-bad --rejected odbieni.csv ", "Proba: bi bile dodadeni 3 prijavi vo P.TXT.\n", 3},
        {"--skip-bad ", "Dodadeni se 3 prijavi vo P.TXT.\n", 6},
        {"--skip-bad ", "Dodadeni se 0 prijavi vo P.TXT.\n", 6, true},
    };
    for (const auto& r : runs) {
        const Outcome run = runImport(dir, kSet + r.options + "plata.csv P.TXT");
        EXPECT_EQ(run.status, 1) << r.options;
        EXPECT_TRUE(r.again || run.err == failures) << run.err;
        EXPECT_EQ(run.out, r.out);
        EXPECT_EQ(linesOf(readBytes(dir.file("P.TXT"))).size(), static_cast<std::size_t>(r.records)) << r.options;
    }
    EXPECT_EQ(linesOf(readBytes(dir.file("odbieni.csv"))).size(), 3u);
}

TEST(DorvikImport, ColumnsByHeaderOrLetterAndANewReportFile)
{
    TempDir dir;
    // No header: the columns by letter, the name from two of them; TAB-separated UTF-16.
    std::string sheet = "\xFF\xFE";
    for (const char c : std::string("x\tAna\t1111111181\t2305853450009\t0101\t3112\t2088\t12345\tPetrova\r\n"))
        sheet += std::string{c, '\0'};
    writeBytes(dir.file("plata.txt"), sheet);
    Outcome run = runImport(dir, kSet + "--column LicenBroj=C --column MaticenBroj=d --column ImePrezime=I+B "
                                        "--column=PeriodOd=E --column PeriodDo=F --column VkRabCasovi=G "
                                        "--column Denari=H --amounts field --separator '\\t' --encoding UTF-16LE "
                                        "plata.txt NOVA.TXT");
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "Dodadeni se 1 prijavi vo NOVA.TXT.\n");
    const std::vector<std::string> lines = linesOf(readBytes(dir.file("NOVA.TXT")));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(fieldOf(lines[0], Field::ImePrezime), "Petrova Ana" + std::string(24, ' '));
    EXPECT_EQ(fieldOf(lines[0], Field::Denari), "000012345");
}

TEST(DorvikImport, WrongOptionsAndUnreadableFilesExitTwo)
{
    TempDir dir;
    writeBytes(dir.file("plata.csv"), kSheet);
    writeBytes(dir.file("stara.xls"), std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8));
    writeBytes(dir.file("LOS.TXT"), "kratok\r\n");
    std::filesystem::create_directory(dir.file("FOLDER"));
    const struct {
        std::string args;
        std::string err; // a line of it
    } cases[] = {
        {"plata.csv", "dorvik-import: potrebni se TABELA i DATOTEKA\nUpotreba: dorvik-import"},
        {"--set Plata=1 plata.csv P.TXT", "dorvik-import: 'Plata=1' ne e POLE=VREDNOST so edno od polinjata Godina, LicenBroj, ..., SifraStaz"},
        {"--separator ab plata.csv P.TXT", "dorvik-import: razdelnikot mora da bide eden znak (ili tab): 'ab'"},
        {"--encoding latin1 plata.csv P.TXT", "dorvik-import: nepoznato kodiranje 'latin1' (utf-8, utf-16le, utf-16be, windows-1251)"},
        {"--amounts deni plata.csv P.TXT", "dorvik-import: --amounts bara denari ili field, a ne 'deni'"},
        {"--rejected", "dorvik-import: opcijata --rejected bara vrednost"},
        {"plata.csv P.TXT --bogus", "dorvik-import: nepoznata opcija --bogus\nUpotreba: dorvik-import"},
        {"--column Denari=Bruto plata.csv P.TXT", "dorvik-import: plata.csv: nema kolona 'Bruto' za Denari"},
        {"nema.csv P.TXT", "dorvik-import: nema.csv: takva datoteka ili papka ne postoi"},
        {"stara.xls P.TXT", "dorvik-import: stara.xls: Ova e tabela vo star format. Zacuvajte ja kako CSV ili .xlsx."},
        {kSet + "plata.csv LOS.TXT", "dorvik-import: LOS.TXT: Datotekata ne e procitana celosno i nemoze da se snimi."},
        {kSet + "--skip-bad plata.csv FOLDER/", "dorvik-import: FOLDER/: ova e papka, a ne datoteka"},
        {kSet + "--rejected FOLDER plata.csv P.TXT", "dorvik-import: FOLDER: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const Outcome run = runImport(dir, c.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_NE(("\n" + run.err).find("\n" + c.err), std::string::npos) << run.err;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("P.TXT")));
    for (const char* help : {"--help", "-h"})
        EXPECT_TRUE(runImport(dir, help).out.starts_with("Upotreba: dorvik-import [OPCII] TABELA DATOTEKA\nGi"))
            << help;
    for (const char* version : {"--version", "-V"})
        EXPECT_EQ(runImport(dir, version).out, "dorvik-import 1.0.0\n") << version;
}
