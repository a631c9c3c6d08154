// dorvik-check: checks report files from the command line with the same
// check run as the review screen, every box confirmed.
#include "check/check_run.h"
#include "check/store_check_view.h"
#include "cli/batch_boxes.h"
#include "cli/usage.h"
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

using cli::kAllDone;
using cli::kSomeFailed;
using cli::kTrouble;

// In the words every tool uses (cli/usage.h).
const std::string kUsage = std::string(cli::kUsageWord) + " dorvik-check [-v] DATOTEKA...\n"
    "Gi kontrolira datotekite so prijavi kako sto gi kontrolira Kontrola na ekranot\n"
    "za pregled, so odgovor Da na nejzinoto prasanje i OK na sekoja druga poraka, i\n"
    "ja zapisuva listata na greski na sekoja datoteka pokraj nea (imeto bez\n"
    "poslednite cetiri znaci, pa \".err\"). Samite datoteki so prijavi ne se menuvaat.\n"
    "\n"
    "Za sekoja DATOTEKA go pecati izvestajot od citanjeto koga go ima, zavrsnata\n"
    "poraka i patekata na listata na greski.\n"
    "\n"
    "  -v, --verbose  Ja pecati i sekoja poraka od kontrolata, po edna vo red:\n"
    "                 naslov, TAB, tekst.\n"
    + cli::helpAndVersionOptions() +
    "\n"
    "Linija sto ne e prijava (so dolzina razlicna od 147) i kraj na linija razlicen od\n"
    "CR LF ja pravat kontrolata neuspesna i se navedeni vo listata po liniite na\n"
    "prijavite.\n"
    "\n"
    "Izlezen status: 0 koga site datoteki ja pominale kontrolata, 1 koga nekoja ne ja\n"
    "pominala, 2 koga nekoja datoteka ne mozela da se procita cela (i koga ima\n"
    "povekje od 32767 prijavi ili ne e obicna datoteka) ili nejzinata lista na greski\n"
    "ne mozela da se zapise (2 ima prednost pred 1).\n";

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
        return result.verdict == CheckVerdict::Passed ? kAllDone : kSomeFailed;
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
        } else if (cli::isHelpOption(arg)) {
            std::fputs(kUsage.c_str(), stdout);
            return kAllDone;
        } else if (cli::isVersionOption(arg)) {
            std::printf("dorvik-check %s\n", kVersion);
            return kAllDone;
        } else {
            complain(cli::unknownOption(arg));
            std::fputs(kUsage.c_str(), stderr);
            return kTrouble;
        }
    }
    if (paths.empty()) {
        std::fputs(kUsage.c_str(), stderr);
        return kTrouble;
    }

    PosixFileSystem files;
    const SystemClock clock;
    int status = kAllDone;
    for (const std::string& path : paths)
        status = std::max(status, checkFile(path, verbose, files, clock));

    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fprintf(stderr, "dorvik-check: standardniot izlez: %s\n",
                     describeSystemError(errno).c_str());
        return kTrouble;
    }
    return status;
}
