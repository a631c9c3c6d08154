// dorvik-check as a script runs it: the real program on files in a
// temporary folder, today's date fixed with faketime.
#include "check/check_run.h"
#include "check/error_list.h"
#include "data/customer_data_source.h"
#include "records.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>

using namespace dorvik;
using namespace dorvik::testing;
namespace fs = std::filesystem;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome runTool(const TempDir& dir, const std::string& args)
{
    const std::string out = dir.file(".out"), err = dir.file(".err-text");
    // A run that hangs is ended, and fails its test.
    const std::string command = "cd '" + dir.path().string() + "' && timeout -s KILL 20 "
                                FAKETIME_PROGRAM " '2003-06-15 12:00:00' " DORVIK_CHECK_PROGRAM
                                " " + args + " >'" + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
    fs::remove(out);
    fs::remove(err);
    return outcome;
}

// The names in the folder, sorted.
std::vector<std::string> namesIn(const TempDir& dir)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

TEST(DorvikCheck, ChecksEachFileAndSaysHowEveryOneWent)
{
    TempDir dir;
    const std::string dirPath = dir.path().string();
    writeBytes(dir.file("DOBAR.TXT"), fileOf(records(2)));
    const std::string bad = fileOf({recordLine(1), lineWith(2, {{Field::Godina, "04"}})});
    writeBytes(dir.file("LOS.TXT"), bad);
    writeBytes(dir.file("-X.TXT"), fileOf(records(1)));
    Outcome run = runTool(dir, "DOBAR.TXT LOS.TXT -- -X.TXT");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, std::string(kCheckPassedMessage) + "\n" + dirPath + "/DOBAR.err\n"
                           + kCheckFailedMessage + "\n" + dirPath + "/LOS.err\n"
                           + kCheckPassedMessage + "\n" + dirPath + "/-X.err\n");
    EXPECT_EQ(readBytes(dir.file("LOS.err")), errorListHeader(dirPath + "/LOS")
                                                 + "000002 ,04       Gr. godina ,\r\n"
                                                 + std::string(kErrorListFooter));
    EXPECT_EQ(readBytes(dir.file("LOS.TXT")), bad);
    EXPECT_EQ(runTool(dir, "DOBAR.TXT").status, 0);
}

// A file that is not records alone, each ended by CR LF, never passes: the
// lines that are no records and the line ends are listed after the records'
// lines, numbered by their place in the file.
TEST(DorvikCheck, LinesThatAreNoRecordsAndOtherLineEndsFail)
{
    TempDir dir;
    const std::string dirPath = dir.path().string();
    const std::string r = recordLine();
    std::string joined; // one record, then 99 joined by bare LFs
    for (int i = 0; i < 99; ++i)
        joined += r + "\n";
    writeBytes(dir.file("LF.TXT"), r + "\r\n" + joined);
    writeBytes(dir.file("KRATOK.TXT"), r + "\r\n\r\n" + r + "\r\n" + r.substr(1) + "\r\n");
    writeBytes(dir.file("PRAZNI.TXT"), r + "\r\n\r\n\r\n");
    const struct {
        const char* file;
        int status;
        std::string list; // the lines after the records'
    } cases[] = {
        {"LF.TXT", 1, "99 linii ne zavrsuvaat so CR LF (prvata: linija 2); Snimi gi zapisuva so CR LF,\r\n"},
        {"KRATOK.TXT", 1, "Linija 4: 146 znaci namesto 147,\r\n"},
        {"PRAZNI.TXT", 0, ""},
    };
    for (const auto& c : cases) {
        const std::string stem = std::string(c.file).substr(0, std::string(c.file).size() - 4);
        const Outcome run = runTool(dir, std::string("-v ") + c.file);
        EXPECT_EQ(run.status, c.status) << c.file;
        EXPECT_EQ(readBytes(dir.file(stem + ".err")),
                  errorListHeader(dirPath + "/" + stem) + c.list + std::string(kErrorListFooter));
        EXPECT_NE(run.out.find(std::string("KONTROLA\t")
                               + (c.status ? kCheckFailedMessage : kCheckPassedMessage)),
                  std::string::npos);
    }
    // The load says once what the line ends are.
    EXPECT_TRUE(runTool(dir, "LF.TXT").out.starts_with(otherLineEndsMessage({{}, 0, 99, 2}) + "\n"));

    // More records than a file holds: not read whole, so no verdict.
    writeBytes(dir.file("GOLEM.TXT"), fileOf(records(kMaxRecords + 1)));
    const Outcome big = runTool(dir, "GOLEM.TXT");
    EXPECT_EQ(big.status, 2);
    EXPECT_EQ(big.err, "dorvik-check: GOLEM.TXT: " + std::string(kRecordLimitMessage) + "\n");
    EXPECT_FALSE(std::filesystem::exists(dir.file("GOLEM.err")));
}

TEST(DorvikCheck, TroubleWinsOverAFailure)
{
    TempDir dir;
    writeBytes(dir.file("LOS.TXT"), fileOf({lineWith(1, {{Field::Godina, "04"}})}));
    writeBytes(dir.file("X.ERR"), fileOf(records(1)));
    fs::create_directory(dir.file("FOLDER.TXT"));
    mkfifo(dir.file("FIFO.TXT").c_str(), 0644);
    const struct {
        std::string args;
        std::string err;
    } cases[] = {
        {"NEMA.TXT LOS.TXT", "dorvik-check: NEMA.TXT: No such file or directory\n"},
        {"FOLDER.TXT", "dorvik-check: FOLDER.TXT: Is a directory\n"},
        // Refused at once: no wait for a writer, no endless read, no list.
        {"FIFO.TXT", "dorvik-check: FIFO.TXT: ne e obicna datoteka\n"},
        {"/dev/zero", "dorvik-check: /dev/zero: ne e obicna datoteka\n"},
        {"/dev/null", "dorvik-check: /dev/null: ne e obicna datoteka\n"},
        {"X.ERR", "dorvik-check: " + dir.path().string() + "/X.err: Imeto na listata na greski e isto "
                  "so imeto na datotekata so prijavite. Preimenuvajte ja datotekata i pocnete odnovo.\n"},
        {"--bogus", "dorvik-check: unknown option --bogus\n"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const Outcome run = runTool(dir, c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << c.args;
    }
    EXPECT_EQ(readBytes(dir.file("X.ERR")), fileOf(records(1)));
    EXPECT_EQ(namesIn(dir),
              (std::vector<std::string>{"FIFO.TXT", "FOLDER.TXT", "LOS.TXT", "LOS.err", "X.ERR"}));
    EXPECT_FALSE(fs::exists("/dev/null.err"));
    fs::remove("/dev/null.err");
    // A full standard output is trouble too.
    const std::string command = "cd '" + dir.path().string() + "' && " DORVIK_CHECK_PROGRAM
                                " LOS.TXT >/dev/full 2>'" + dir.file("e") + "'";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 2);
    EXPECT_EQ(readBytes(dir.file("e")), "dorvik-check: standard output: No space left on device\n");
}

TEST(DorvikCheck, AnswersHelpAndVersion)
{
    TempDir dir;
    EXPECT_EQ(runTool(dir, "--version").out, "dorvik-check 1.0.0\n");
    const Outcome help = runTool(dir, "--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_EQ(help.out.substr(0, 36), "Usage: dorvik-check [-v] FILE...\nChe");
}
