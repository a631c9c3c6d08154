#include "report_lines.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>

namespace dorvik {
using dorvik::testing::withField;
using dorvik::testing::joinLines;

namespace {

using testing::readBytes;
using testing::recordLine;
using testing::TempDir;
using testing::writeBytes;

const std::string kFooter = "_______________________________________________________________________________\r\n";

std::string header(const std::string& stem)
{
    return "ELMARIN\r\n"
           "A  R  H  I  V  A\r\n"
           "_______________\r\n"
           "\r\n\r\n\r\n"
           "Kontrola na podatocite na datotekata:\r\n"
           + stem + "\r\n"
           "\r\n\r\n\r\n"
           "Slog # ,  Opis na greskite...\r\n"
           "_______________________________________________________________________________\r\n";
}

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the program in the folder with today's date fixed.
Outcome runTool(const TempDir& dir, const std::string& args, const std::string& today = "2003-06-15")
{
    const std::string out = dir.file(".stdout");
    const std::string err = dir.file(".stderr");
    const std::string command = "cd '" + dir.path().string() + "' && " FAKETIME_PROGRAM " '" + today
                                + " 12:00:00' " DORVIK_CHECK_PROGRAM " " + args + " >'" + out
                                + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome;
    outcome.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    outcome.out = readBytes(out);
    outcome.err = readBytes(err);
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return outcome;
}

const std::string kPassed = "KONTROLATA USPESNO E IZVRSENA";
const std::string kFailed = "Kontrolata ne e uspesna. Procitajte ja listata <IME>.ERR za "
                            "pojasnuvanje i popravete gi gresnite prijavi.";

// Offsets of the fields the tests change.
constexpr int kGodina = 0;
constexpr int kLicenBroj = 2;
constexpr int kRegBroj = 25;

TEST(DorvikCheck, WritesTheListOfTheExampleFilesAndSaysWhetherTheFilePassed)
{
    TempDir dir;
    const std::string good = recordLine();
    std::vector<std::string> lines(7, good);
    lines[0] = withField(good, kLicenBroj, "1111111191");
    lines[2] = withField(good, kGodina, "9A");
    lines[6] = withField(withField(good, kRegBroj, "1234567890"), kGodina, "10");
    const std::string report = joinLines(lines);
    writeBytes(dir.file("PRIJAVA.TXT"), report);
    struct stat before{};
    ::stat(dir.file("PRIJAVA.TXT").c_str(), &before);

    const Outcome outcome = runTool(dir, "PRIJAVA.TXT");
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.out, kFailed + "\n" + dir.file("PRIJAVA.err") + "\n");
    EXPECT_EQ(outcome.err, "");
    EXPECT_EQ(readBytes(dir.file("PRIJAVA.err")),
              header(dir.file("PRIJAVA"))
                  + "000001 ,1111111191 Gr. mod 10 ,\r\n"
                    "000003 ,9A Gr. slog  numerickiot podatok ne e vo red,\r\n"
                    "000007 ,1234567890 Gr. mod.10 ,10       Gr. godina ,\r\n"
                  + kFooter);
    // The report itself is untouched.
    EXPECT_EQ(readBytes(dir.file("PRIJAVA.TXT")), report);
    struct stat after{};
    ::stat(dir.file("PRIJAVA.TXT").c_str(), &after);
    EXPECT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
    EXPECT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);

    // Without the wrong year, only findings that do not fail the file.
    lines.pop_back();
    writeBytes(dir.file("PRIJAVA.TXT"), joinLines(lines));
    const Outcome second = runTool(dir, "PRIJAVA.TXT");
    EXPECT_EQ(second.status, 0);
    EXPECT_EQ(second.out, kPassed + "\n" + dir.file("PRIJAVA.err") + "\n");
    EXPECT_EQ(readBytes(dir.file("PRIJAVA.err")),
              header(dir.file("PRIJAVA"))
                  + "000001 ,1111111191 Gr. mod 10 ,\r\n"
                    "000003 ,9A Gr. slog  numerickiot podatok ne e vo red,\r\n"
                  + kFooter);
}

TEST(DorvikCheck, VerbosePrintsEveryBoxAndTheLoadSummaryIsAlwaysPrinted)
{
    TempDir dir;
    std::vector<std::string> lines(11, recordLine());
    lines[1] = withField(recordLine(), kLicenBroj, "1111111191");
    lines.push_back("a line of another length");
    writeBytes(dir.file("P.TXT"), joinLines(lines));
    const std::string summary =
        "REKAPITULACIJA: Broj na slogovi na disketata 12 ot tie  1  slog-a ne se so regularna "
        "dolzina i nema da se zemat vo predvid vo ponatamoznata obrabotka";

    const Outcome quiet = runTool(dir, "P.TXT");
    EXPECT_EQ(quiet.status, 0);
    EXPECT_EQ(quiet.out, summary + "\n" + kPassed + "\n" + dir.file("P.err") + "\n");

    const Outcome verbose = runTool(dir, "-v P.TXT");
    EXPECT_EQ(verbose.status, 0);
    EXPECT_EQ(verbose.out, "KONTROLA\t" + summary + "\n"
                               "Dorvik\tDALI ZAPOCNUVATE KONTROLA NA PRIJAVITE  DA/NE\n"
                               "Kontrola\tLICNIOT  BROJ E GRESEN  PO MODUL 10\n"
                               "KONTROLA\t" + kPassed + "\n"
                               + kPassed + "\n" + dir.file("P.err") + "\n");
}

TEST(DorvikCheck, TodaysYearComesFromTheSystemClock)
{
    TempDir dir;
    writeBytes(dir.file("P.TXT"), joinLines({withField(recordLine(), kGodina, "04")}));
    EXPECT_EQ(runTool(dir, "P.TXT", "2003-12-31").status, 1);
    EXPECT_EQ(readBytes(dir.file("P.err")),
              header(dir.file("P")) + "000001 ,04       Gr. godina ,\r\n" + kFooter);
    EXPECT_EQ(runTool(dir, "P.TXT", "2004-01-01").status, 0);
    EXPECT_EQ(readBytes(dir.file("P.err")), header(dir.file("P")) + kFooter);
}

TEST(DorvikCheck, ListNameComesFromTheNormalisedAbsolutePath)
{
    TempDir dir;
    std::filesystem::create_directory(dir.path() / "sub");
    writeBytes(dir.file("sub/prijava.txt"), joinLines({recordLine()}));
    writeBytes(dir.file("ABC"), ""); // a name of four characters or fewer
    const Outcome outcome = runTool(dir, "./sub/../sub/prijava.txt ABC");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, kPassed + "\n" + dir.file("sub/prijava.err") + "\n" + kPassed + "\n"
                               + dir.file("ABC.err") + "\n");
    EXPECT_EQ(readBytes(dir.file("sub/prijava.err")), header(dir.file("sub/prijava")) + kFooter);
    EXPECT_EQ(readBytes(dir.file("ABC.err")), header(dir.file("ABC")) + kFooter);
}

TEST(DorvikCheck, TroubleWithAFileOrItsListWinsOverAFailure)
{
    TempDir dir;
    writeBytes(dir.file("GOOD.TXT"), joinLines({recordLine()}));
    writeBytes(dir.file("BAD.TXT"), joinLines({withField(recordLine(), kGodina, "10")}));
    // A report named like its own list, and a list that cannot be written.
    const std::string clash = joinLines({recordLine()});
    writeBytes(dir.file("X.ERR"), clash);
    writeBytes(dir.file("LOCKED.TXT"), joinLines({recordLine()}));
    std::filesystem::create_directory(dir.path() / "LOCKED.err");
    writeBytes(dir.file("LOCKED.err/keep"), "x");

    const Outcome outcome = runTool(dir, "GOOD.TXT MISSING.TXT BAD.TXT X.ERR LOCKED.TXT");
    EXPECT_EQ(outcome.status, 2);
    EXPECT_EQ(outcome.out, kPassed + "\n" + dir.file("GOOD.err") + "\n" + kFailed + "\n"
                               + dir.file("BAD.err") + "\n");
    EXPECT_EQ(outcome.err,
              "dorvik-check: MISSING.TXT: No such file or directory\n"
              "dorvik-check: " + dir.file("X.err")
                  + ": Imeto na listata na greski e isto so imeto na datotekata so prijavite. "
                    "Preimenuvajte ja datotekata i pocnete odnovo.\n"
                    "dorvik-check: " + dir.file("LOCKED.err") + ": Is a directory\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("MISSING.err")));
    EXPECT_EQ(readBytes(dir.file("X.ERR")), clash);
    // Nothing else was left in the folder (no temporary files).
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"BAD.TXT", "BAD.err", "GOOD.TXT", "GOOD.err",
                                               "LOCKED.TXT", "LOCKED.err", "X.ERR"}));

    EXPECT_EQ(runTool(dir, "BAD.TXT GOOD.TXT").status, 1);
}

TEST(DorvikCheck, EmptyFilesAndFilesWithoutAnyRecord)
{
    TempDir dir;
    writeBytes(dir.file("EMPTY.TXT"), "");
    EXPECT_EQ(runTool(dir, "EMPTY.TXT").status, 0);
    EXPECT_EQ(readBytes(dir.file("EMPTY.err")), header(dir.file("EMPTY")) + kFooter);

    // Line-feed line ends: one long line, no record. It must not pass.
    writeBytes(dir.file("UNIX.TXT"), recordLine() + "\n" + recordLine() + "\n");
    EXPECT_EQ(runTool(dir, "UNIX.TXT").status, 1);
    EXPECT_EQ(readBytes(dir.file("UNIX.err")), header(dir.file("UNIX")) + kFooter);

    // A folder cannot be read as a report.
    std::filesystem::create_directory(dir.path() / "FOLDER.TXT");
    const Outcome folder = runTool(dir, "FOLDER.TXT");
    EXPECT_EQ(folder.status, 2);
    EXPECT_EQ(folder.err, "dorvik-check: FOLDER.TXT: Is a directory\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("FOLDER.err")));
}

TEST(DorvikCheck, EarlierListIsReplacedWholeKeepingItsPermissions)
{
    TempDir dir;
    writeBytes(dir.file("P.TXT"), joinLines({recordLine()}));
    writeBytes(dir.file("P.err"), std::string(5000, 'x'));
    ::chmod(dir.file("P.err").c_str(), 0640);
    EXPECT_EQ(runTool(dir, "P.TXT").status, 0);
    EXPECT_EQ(readBytes(dir.file("P.err")), header(dir.file("P")) + kFooter);
    struct stat info{};
    ::stat(dir.file("P.err").c_str(), &info);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
}

TEST(DorvikCheck, CommandLine)
{
    TempDir dir;
    const Outcome help = runTool(dir, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.rfind("Usage: dorvik-check [-v] FILE...\n", 0), 0u);
    const Outcome version = runTool(dir, "--version");
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("dorvik-check ", 0), 0u);

    for (const char* wrong : {"", "-x P.TXT", "-v"}) {
        const Outcome outcome = runTool(dir, wrong);
        EXPECT_EQ(outcome.status, 2) << wrong;
        EXPECT_EQ(outcome.out, "") << wrong;
        EXPECT_NE(outcome.err.find("Usage: dorvik-check"), std::string::npos) << wrong;
    }

    // After "--" a name that looks like an option is a file.
    writeBytes(dir.file("-v"), "");
    const Outcome dashed = runTool(dir, "-- -v");
    EXPECT_EQ(dashed.status, 0);
    EXPECT_EQ(dashed.out, kPassed + "\n" + dir.file("-v.err") + "\n");
}

TEST(DorvikCheck, BadInputIsListedAndNeverPasses)
{
    TempDir dir;
    // Every field blank, then every character a letter.
    const std::string blank(147, ' ');
    const std::string letters(147, 'A');
    writeBytes(dir.file("BLANK.TXT"), joinLines({blank, letters}));
    // Noise without a line end: one line of the wrong length.
    std::string noise(4096, '\0');
    for (size_t i = 0; i < noise.size(); ++i)
        noise[i] = static_cast<char>((i * 131 + 7) % 256 == '\r' ? 0 : (i * 131 + 7) % 256);
    writeBytes(dir.file("NOISE.BIN"), noise);
    // A folder with a blank and Cyrillic letters, and a name with both.
    std::filesystem::create_directory(dir.path() / "моја папка");
    writeBytes(dir.file("моја папка/ПРИЈАВА за 2003.TXT"), joinLines({recordLine()}));

    const Outcome outcome =
        runTool(dir, "BLANK.TXT NOISE.BIN 'моја папка/ПРИЈАВА за 2003.TXT'");
    EXPECT_EQ(outcome.status, 1);
    const std::string noRecord =
        "REKAPITULACIJA: Disketata ima premnogu gresni slogovi koj ne se so propisanata golemina "
        "i nemoze da se kontrolira.                 Broj na slogovi= 0            Broj na gresni "
        "slogovi= 1                                                    VRATETE ja disketata na "
        "popravka i prilozite tehnicko upatstvo za izrabotka na istata.\n";
    EXPECT_EQ(outcome.out, kFailed + "\n" + dir.file("BLANK.err") + "\n" + noRecord + kFailed
                               + "\n" + dir.file("NOISE") + ".err\n" + kPassed + "\n"
                               + dir.file("моја папка/ПРИЈАВА за 2003.err") + "\n");
    EXPECT_EQ(readBytes(dir.file("BLANK.err")),
              header(dir.file("BLANK"))
                  + "000001 ," + std::string(13, ' ') + "Gresen Mat.Br ," + std::string(10, ' ')
                  + "Gresen Reg.Br ,  " + "       Gr. godina ,    " + "        Prazno pole  ,,    "
                  + "        Prazno pole  ,    " + "3 i 4 se nuli ,\r\n"
                  + "000002 ,AAAAAAAAAA Gr. slog  numerickiot podatok ne e vo red,\r\n" + kFooter);
    EXPECT_EQ(readBytes(dir.file("NOISE.err")), header(dir.file("NOISE")) + kFooter);
    EXPECT_EQ(readBytes(dir.file("моја папка/ПРИЈАВА за 2003.err")),
              header(dir.file("моја папка/ПРИЈАВА за 2003")) + kFooter);
    // The reports themselves are never touched.
    EXPECT_EQ(readBytes(dir.file("BLANK.TXT")), joinLines({blank, letters}));
    EXPECT_EQ(readBytes(dir.file("NOISE.BIN")), noise);
}

// The tool reads in blocks of 64 KiB: a CR LF split between two blocks, and
// records on both sides of many block ends, load as when read whole.
TEST(DorvikCheck, LinesAcrossReadBlocksLoadWhole)
{
    TempDir dir;
    // One short line of 124 bytes first puts the CR of record 439 on the
    // last byte of the first block (126 + 438 * 149 + 147 = 65535).
    constexpr std::size_t kBlock = 1 << 16;
    std::string bytes = std::string(124, 'x') + "\r\n";
    for (int i = 0; i < 2000; ++i)
        bytes += (i == 1500 ? withField(recordLine(), kRegBroj, "1234567890") : recordLine())
                 + "\r\n";
    ASSERT_EQ(bytes.substr(kBlock - 1, 2), "\r\n");
    writeBytes(dir.file("P.TXT"), bytes);

    const Outcome outcome = runTool(dir, "P.TXT");
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.out, "REKAPITULACIJA: Broj na slogovi na disketata 2001 ot tie  1  slog-a "
                           "ne se so regularna dolzina i nema da se zemat vo predvid vo "
                           "ponatamoznata obrabotka\n"
                               + kPassed + "\n" + dir.file("P.err") + "\n");
    EXPECT_EQ(readBytes(dir.file("P.err")),
              header(dir.file("P")) + "001501 ,1234567890 Gr. mod.10 ,\r\n" + kFooter);
}

} // namespace
} // namespace dorvik
