// dorvik-check as a script runs it: the real program on files in a
// temporary folder, today's date fixed with faketime.
#include "check/check_run.h"
#include "data/customer_data_source.h"
#include "records.h"
#include "run_tool.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace dorvik;
using namespace dorvik::testing;
namespace fs = std::filesystem;

namespace {

Outcome runTool(const TempDir& dir, const std::string& args)
{
    return runTool(dir, DORVIK_CHECK_PROGRAM, args);
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

using Environment = std::vector<std::pair<std::string, std::string>>;

// Starts dorvik-check on the files, its output dropped, with the variables
// set and the signal (if any) ignored; returns its process id.
pid_t startTool(const std::vector<std::string>& paths, const Environment& env, int ignored = 0)
{
    std::vector<char*> argv{const_cast<char*>(DORVIK_CHECK_PROGRAM)};
    for (const std::string& path : paths)
        argv.push_back(const_cast<char*>(path.c_str()));
    argv.push_back(nullptr);
    // The signals wait until the child has set what it ignores: a signal
    // sent at once must not find it between fork and SIG_IGN.
    sigset_t held, before;
    sigemptyset(&held);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&held, signal);
    sigprocmask(SIG_BLOCK, &held, &before);
    const pid_t pid = fork();
    if (pid == 0) {
        // As from a terminal, whatever this test inherited (nohup, a
        // background job's ignored SIGINT).
        for (const int signal : {SIGINT, SIGTERM, SIGHUP})
            std::signal(signal, SIG_DFL);
        if (ignored)
            std::signal(ignored, SIG_IGN);
        sigset_t none;
        sigemptyset(&none);
        sigprocmask(SIG_SETMASK, &none, nullptr);
        for (const auto& [name, value] : env)
            setenv(name.c_str(), value.c_str(), 1);
        const int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        execv(DORVIK_CHECK_PROGRAM, argv.data());
        _exit(127);
    }
    sigprocmask(SIG_SETMASK, &before, nullptr);
    return pid;
}

int waitFor(pid_t pid)
{
    int status = 0;
    waitpid(pid, &status, 0);
    return status;
}

} // namespace

TEST(DorvikCheck, ChecksEachFileAndSaysHowEveryOneWent)
{
    TempDir dir;
    const std::string dirPath = dir.path().string();
    writeBytes(dir.file("DOBAR.TXT"), fileOf(records(2)));
    writeBytes(dir.file("LOS.TXT"), fileOf({recordLine(1), lineWith(2, {{Field::Godina, "04"}})}));
    writeBytes(dir.file("-X.TXT"), fileOf(records(1)));
    Outcome run = runTool(dir, "DOBAR.TXT LOS.TXT -- -X.TXT");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, std::string(kCheckPassedMessage) + "\n" + dirPath + "/DOBAR.err\n"
                           + kCheckFailedMessage + "\n" + dirPath + "/LOS.err\n"
                           + kCheckPassedMessage + "\n" + dirPath + "/-X.err\n");
    // The list's lines, and that the report is never written: the check run's test.
}

// A file that is not records alone, each ended by CR LF, never passes; -v
// prints every box of the run. The list's lines for such lines and line
// ends are the check run's, held against a model in the report file property.
TEST(DorvikCheck, LinesThatAreNoRecordsAndOtherLineEndsFail)
{
    TempDir dir;
    const std::string r = recordLine();
    std::string joined; // one record, then 99 joined by bare LFs
    for (int i = 0; i < 99; ++i)
        joined += r + "\n";
    writeBytes(dir.file("LF.TXT"), r + "\r\n" + joined);
    writeBytes(dir.file("KRATOK.TXT"), r + "\r\n" + r.substr(1) + "\r\n");
    for (const char* file : {"LF.TXT", "KRATOK.TXT"}) {
        const Outcome run = runTool(dir, std::string("-v ") + file);
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_NE(run.out.find(std::string("KONTROLA\t") + kCheckFailedMessage + "\n"), std::string::npos) << file;
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
    // A device reached through a name in the folder: its list would land
    // here, where the check below sees it, and never in the shared /dev.
    fs::create_symlink("/dev/null", dir.file("NULL.TXT"));
    const struct {
        std::string args;
        std::string err;
    } cases[] = {
        {"NEMA.TXT LOS.TXT", "dorvik-check: NEMA.TXT: takva datoteka ili papka ne postoi\n"},
        {"FOLDER.TXT", "dorvik-check: FOLDER.TXT: ova e papka, a ne datoteka\n"},
        // Refused at once: no wait for a writer, no read of a device, no list.
        {"FIFO.TXT", "dorvik-check: FIFO.TXT: ne e obicna datoteka\n"},
        {"NULL.TXT", "dorvik-check: NULL.TXT: ne e obicna datoteka\n"},
        {"X.ERR", "dorvik-check: " + dir.path().string() + "/X.err: " + kListNameClashMessage + "\n"},
        {"--bogus", "dorvik-check: nepoznata opcija --bogus\nUpotreba: dorvik-check"},
        {"", ""},
    };
    for (const auto& c : cases) {
        const Outcome run = runTool(dir, c.args);
        EXPECT_EQ(run.status, 2) << c.args;
        EXPECT_EQ(run.err.substr(0, c.err.size()), c.err) << c.args;
    }
    EXPECT_EQ(namesIn(dir),
              (std::vector<std::string>{"FIFO.TXT", "FOLDER.TXT", "LOS.TXT", "LOS.err", "NULL.TXT", "X.ERR"}));
    // A full standard output is trouble too.
    const std::string command = "cd '" + dir.path().string() + "' && " DORVIK_CHECK_PROGRAM
                                " LOS.TXT >/dev/full 2>'" + dir.file("e") + "'";
    const int raw = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 2);
    EXPECT_EQ(readBytes(dir.file("e")), "dorvik-check: standardniot izlez: nema mesto na diskot\n");
}

TEST(DorvikCheck, AnswersHelpAndVersion)
{
    TempDir dir;
    for (const char* version : {"--version", "-V"})
        EXPECT_EQ(runTool(dir, version).out, "dorvik-check 1.0.0\n") << version;
    for (const char* help : {"--help", "-h"}) {
        const Outcome run = runTool(dir, help);
        EXPECT_EQ(run.status, 0) << help;
        EXPECT_TRUE(run.out.starts_with("Upotreba: dorvik-check [-v] DATOTEKA...\nGi")) << help;
    }
}

TEST(DorvikCheck, ANameOfUpTo255BytesGetsItsList)
{
    TempDir dir;
    for (const std::size_t length : {247, 248, 255}) {
        const std::string stem(length - 4, 'A');
        writeBytes(dir.file(stem + ".TXT"), fileOf(records(1)));
        EXPECT_EQ(runTool(dir, stem + ".TXT").status, 0) << length;
        EXPECT_EQ(readBytes(dir.file(stem + ".err")).substr(0, 9), "ELMARIN\r\n") << length;
    }
}

// A run ended by a signal at any instant leaves the earlier list or the
// new one, whole, and no temporary file: the list is written nameless, or
// under a name that SIGINT, SIGTERM and SIGHUP remove (SIGKILL cannot be
// caught, so a named temporary is not tried against it). The one thing a
// SIGKILL may leave is a complete new list under its hidden name, between
// the link and the rename that follows it at once: no link can replace a
// file. A signal ignored when the run starts (nohup) stays ignored. Four
// small reports with longer names go first, so that the large one's list is
// the fifth written: every hidden name is let go once it is renamed, and a
// shorter one keeps nothing of a longer one before it.
TEST(DorvikCheck, ARunEndedBySignalLeavesTheOldOrTheNewListAndNoTemporary)
{
    TempDir dir;
    const std::string report = dir.file("BIG.TXT"), list = dir.file("BIG.err");
    std::vector<std::string> lines;
    for (int i = 1; i <= 32767; ++i)
        lines.push_back(lineWith(i, {{Field::PeriodOd, "3101"}}));
    writeBytes(report, fileOf(lines));
    std::vector<std::string> reports;
    for (int i = 1; i <= 4; ++i) {
        reports.push_back(dir.file("EARLIER-REPORT-" + std::to_string(i) + ".TXT"));
        writeBytes(reports.back(), fileOf(records(1)));
    }
    reports.push_back(report);
    const std::string earlier = "An earlier list\r\n";

    // The new list, and how long a run takes (the middle of three).
    using Clock = std::chrono::steady_clock;
    std::vector<Clock::duration> runs;
    for (int i = 0; i < 3; ++i) {
        const auto start = Clock::now();
        EXPECT_EQ(WEXITSTATUS(waitFor(startTool(reports, {}))), 1);
        runs.push_back(Clock::now() - start);
    }
    std::sort(runs.begin(), runs.end());
    const Clock::duration run = runs[1];
    const std::string finished = readBytes(list);
    std::map<std::string, std::string> finishedLists; // the reports and their lists
    for (const std::string& name : namesIn(dir))
        finishedLists[name] = readBytes(dir.file(name));
    ASSERT_GT(linesOf(finished).size(), 32767u); // a finding on every record

#ifdef FAULT_SHIM
    // The shim has the file system refuse nameless files.
    const Environment named = {{"LD_PRELOAD", FAULT_SHIM},
                               {"DORVIK_FAULT_DIR", dir.path().string()},
                               {"DORVIK_FAULT", "notmpfile"}};
#else
    const Environment named; // no shim in this build
#endif
    // Where this file system has no nameless files either, SIGKILL leaves
    // a named temporary, and is not tried.
    const int probe = open(dir.path().c_str(), O_TMPFILE | O_WRONLY, 0600);
    const bool namelessHere = probe >= 0;
    if (namelessHere)
        close(probe);
    const struct {
        int signal;
        bool nameless;
        bool ignored;
    } cases[] = {
        {SIGKILL, true, false}, {SIGINT, true, false},  {SIGINT, false, false},
        {SIGTERM, false, false}, {SIGHUP, false, false}, {SIGHUP, false, true},
    };
    constexpr int kInstants = 12;
    for (const auto& c : cases) {
        if ((!c.nameless && named.empty()) || (c.signal == SIGKILL && !namelessHere))
            continue;
        int ended = 0;
        for (int i = 0; i < kInstants; ++i) {
            writeBytes(list, earlier);
            const pid_t pid =
                startTool(reports, c.nameless ? Environment{} : named, c.ignored ? c.signal : 0);
            std::this_thread::sleep_for(run * (2 * i + 1) / (2 * kInstants));
            kill(pid, c.signal);
            const int status = waitFor(pid);
            const std::string what = strsignal(c.signal) + std::string(c.nameless ? "" : ", named")
                                     + " at " + std::to_string(2 * i + 1) + "/"
                                     + std::to_string(2 * kInstants) + " of the run";
            // Ended by the signal, or finished before it came.
            ASSERT_TRUE(WIFSIGNALED(status) ? WTERMSIG(status) == c.signal
                                            : WEXITSTATUS(status) == 1)
                << what;
            ended += WIFSIGNALED(status);
            const std::string found = readBytes(list);
            EXPECT_TRUE(found == earlier || found == finished) << what;
            for (const std::string& name : namesIn(dir)) {
                if (finishedLists.contains(name))
                    continue;
                // ".NAME.err.XXXXXX" holding the whole new NAME.err
                const std::string target = name.substr(1, name.size() - 8);
                const bool linkedNotRenamed =
                    WIFSIGNALED(status) && c.signal == SIGKILL && name.size() > 8
                    && name[0] == '.' && name[name.size() - 7] == '.'
                    && finishedLists.contains(target)
                    && readBytes(dir.file(name)) == finishedLists.at(target);
                EXPECT_TRUE(linkedNotRenamed) << what << " left " << name;
                fs::remove(dir.file(name));
            }
        }
        // Many instants fall inside a run, so the runs above were cut short
        // (on a machine whose load changes, not every one of them).
        if (c.ignored)
            EXPECT_EQ(ended, 0) << strsignal(c.signal);
        else
            EXPECT_GE(ended, kInstants / 4) << strsignal(c.signal) << ": of " << kInstants << " runs";
    }
}
