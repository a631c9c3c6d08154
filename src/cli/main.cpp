// dorvik-check: checks report files from the command line with the same
// check run as the review screen, every box confirmed.
#include "check/check_run.h"
#include "check/store_check_view.h"
#include "cli/batch_boxes.h"
#include "data/customer_data_source.h"
#include "platform/clock.h"
#include "platform/error_text.h"
#include "platform/posix_file_system.h"
#include "version.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace dorvik;

constexpr int kAllPassed = 0;
constexpr int kSomeFailed = 1;
constexpr int kTrouble = 2;

constexpr const char* kUsage =
    "Usage: dorvik-check [-v] FILE...\n"
    "Checks report files as the check run of the review screen does, answering\n"
    "Yes to its question and OK to every other box, and writes each file's error\n"
    "list beside it (the name less its last four characters, then \".err\").\n"
    "Report files themselves are never changed.\n"
    "\n"
    "For each FILE it prints the summary of the load when one is due, the closing\n"
    "message and the path of the error list.\n"
    "\n"
    "  -v, --verbose  also print every box of the run, one a line: title, TAB, text\n"
    "      --help     print this help and exit\n"
    "      --version  print the version and exit\n"
    "\n"
    "A line that is not a record (any length but 147) and a line end other than\n"
    "CR LF fail the check and are named in the list after the records' lines.\n"
    "\n"
    "Exit status: 0 when every file passed, 1 when a file failed its check,\n"
    "2 when a file could not be read whole (also one of more than 32767 records,\n"
    "or one that is not a regular file) or its error list could not be written\n"
    "(2 wins over 1).\n";

void printLine(std::string_view text)
{
    std::fwrite(text.data(), 1, text.size(), stdout);
    std::fputc('\n', stdout);
}

// A failure, naming its file, on standard error.
void complain(const std::string& message)
{
    std::fflush(stdout);
    std::fprintf(stderr, "dorvik-check: %s\n", message.c_str());
}

int checkFile(const std::string& path, bool verbose, PosixFileSystem& files,
              const Clock& clock)
{
    cli::CollectingBoxes loadBoxes;
    CustomerDataSource store({path, false}, files, loadBoxes);
    if (store.readError()) {
        complain(namedFailure(path, *store.readError()));
        return kTrouble;
    }
    for (const MessageRequest& box : loadBoxes.shown) {
        if (verbose)
            cli::printBox(stdout, box);
        else
            printLine(box.text);
    }
    // Records past the limit were never read: no verdict can speak for them.
    if (store.overRecordLimit()) {
        complain(namedFailure(path, kRecordLimitMessage));
        return kTrouble;
    }

    StoreCheckView view(store.rsCustomers);
    cli::ConfirmingBoxes boxes(stdout, verbose);
    const CheckRunResult result = runCheck(store, view, boxes, files, clock);
    switch (result.verdict) {
    case CheckVerdict::Passed:
    case CheckVerdict::Failed:
        printLine(result.verdict == CheckVerdict::Passed ? kCheckPassedMessage
                                                         : kCheckFailedMessage);
        printLine(result.listPath);
        return result.verdict == CheckVerdict::Passed ? kAllPassed : kSomeFailed;
    case CheckVerdict::Aborted:
    case CheckVerdict::Declined:
        break;
    }
    // The run's last box said why it ended early, mostly naming the list.
    const std::string& why = boxes.lastText();
    complain(why.starts_with(result.listPath) ? why : namedFailure(result.listPath, why));
    return kTrouble;
}

} // namespace

int main(int argc, char** argv)
{
    bool verbose = false;
    std::vector<std::string> paths;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
            paths.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "-v" || arg == "--verbose") {
            verbose = true;
        } else if (arg == "--help" || arg == "-h") {
            std::fputs(kUsage, stdout);
            return kAllPassed;
        } else if (arg == "--version") {
            std::printf("dorvik-check %s\n", kVersion);
            return kAllPassed;
        } else {
            std::fprintf(stderr, "dorvik-check: unknown option %s\n%s", arg.c_str(), kUsage);
            return kTrouble;
        }
    }
    if (paths.empty()) {
        std::fputs(kUsage, stderr);
        return kTrouble;
    }

    PosixFileSystem files;
    const SystemClock clock;
    int status = kAllPassed;
    for (const std::string& path : paths)
        status = std::max(status, checkFile(path, verbose, files, clock));

    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "dorvik-check: standard output: %s\n",
                     describeSystemError(errno).c_str());
        return kTrouble;
    }
    return status;
}
