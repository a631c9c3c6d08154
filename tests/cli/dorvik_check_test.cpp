// dorvik-check as a script runs it: the real program on files in a
// temporary folder, today's date fixed with faketime.
#include "check/check_run.h"
#include "check/error_list.h"
#include "data/customer_data_source.h"
#include "records.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/wait.h>

using namespace dorvik;
using namespace dorvik::testing;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

Outcome runTool(const TempDir& dir, const std::string& args)
{
    const std::string out = dir.file(".out"), err = dir.file(".err-text");
    const std::string command = "cd '" + dir.path().string() + "' && " FAKETIME_PROGRAM
                                " '2003-06-15 12:00:00' " DORVIK_CHECK_PROGRAM " " + args + " >'"
                                + out + "' 2>'" + err + "'";
    const int raw = std::system(command.c_str());
    Outcome outcome{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, readBytes(out), readBytes(err)};
    std::filesystem::remove(out);
    std::filesystem::remove(err);
    return outcome;
}

} // namespace

TEST(DorvikCheck, ChecksEachFileAndSaysHowEveryOneWent)
{
    TempDir dir;
    const std::string dirPath = dir.path().string();
    writeBytes(dir.file("DOBAR.TXT"), fileOf(records(2)));
    const std::string bad = fileOf({recordLine(1), lineWith(2, {{Field::Godina, "04"}})});
    writeBytes(dir.file("LOS.TXT"), bad);
    writeBytes(dir.file("KRATOK.TXT"), recordLine() + "\r\n" + std::string(148, 'x') + "\r\n");

    writeBytes(dir.file("-X.TXT"), fileOf(records(1)));
    Outcome run = runTool(dir, "DOBAR.TXT LOS.TXT KRATOK.TXT -- -X.TXT");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, std::string(kCheckPassedMessage) + "\n" + dirPath + "/DOBAR.err\n"
                           + kCheckFailedMessage + "\n" + dirPath + "/LOS.err\n"
                           + tooManyBadLinesMessage(1, 1) + "\n" + kCheckPassedMessage + "\n"
                           + dirPath + "/KRATOK.err\n" + kCheckPassedMessage + "\n" + dirPath
                           + "/-X.err\n");
    EXPECT_EQ(readBytes(dir.file("LOS.err")), errorListHeader(dirPath + "/LOS")
                                                 + "000002 ,04       Gr. godina ,\r\n"
                                                 + std::string(kErrorListFooter));
    EXPECT_EQ(readBytes(dir.file("LOS.TXT")), bad);
    EXPECT_EQ(runTool(dir, "DOBAR.TXT").status, 0);

    // The load's summary, and every box with -v.
    run = runTool(dir, "-v KRATOK.TXT");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "KONTROLA\t" + tooManyBadLinesMessage(1, 1) + "\nDorvik\t" + kCheckQuestion
                           + "\nKONTROLA\t" + kCheckPassedMessage + "\n" + kCheckPassedMessage + "\n"
                           + dirPath + "/KRATOK.err\n");
}

TEST(DorvikCheck, TroubleWinsOverAFailure)
{
    TempDir dir;
    writeBytes(dir.file("LOS.TXT"), fileOf({lineWith(1, {{Field::Godina, "04"}})}));
    writeBytes(dir.file("X.ERR"), fileOf(records(1)));
    std::filesystem::create_directory(dir.file("FOLDER.TXT"));
    const struct {
        std::string args;
        std::string err;
    } cases[] = {
        {"NEMA.TXT LOS.TXT", "dorvik-check: NEMA.TXT: No such file or directory\n"},
        {"FOLDER.TXT", "dorvik-check: FOLDER.TXT: Is a directory\n"},
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
