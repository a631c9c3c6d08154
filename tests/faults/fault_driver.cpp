// Writes through the program's real file layer, for the fault injection
// tests (run_faults.sh). Loads REPORT, runs COMMAND with the shell when one
// is given (to change the folder between loading and writing), then
//   save    changes the first record's Firma and saves the report, as both
//           screens do;
//   check   runs the check over it as the review screen does, writing its
//           error list.
// Every message box is printed on stdout (title, TAB, text) and answered Yes
// or OK, as dorvik-check -v does. Exit status 0 when the write was done, 1
// when it was not.
//
//   fault_driver save|check REPORT [COMMAND]
#include "check/check_run.h"
#include "check/store_check_view.h"
#include "cli/batch_boxes.h"
#include "data/customer_data_source.h"
#include "platform/clock.h"
#include "platform/qt_file_system.h"

#include <cstdio>
#include <cstdlib>
#include <string_view>

int main(int argc, char** argv)
{
    const std::string_view what = argc > 2 ? argv[1] : "";
    if ((what != "save" && what != "check") || argc > 4) {
        std::fprintf(stderr, "usage: fault_driver save|check REPORT [COMMAND]\n");
        return 2;
    }
    dorvik::cli::ConfirmingBoxes boxes(stdout, true);
    dorvik::QtFileSystem files;
    dorvik::CustomerDataSource store({argv[2], false}, files, boxes);
    if (argc == 4 && std::system(argv[3]) != 0)
        return 2;
    if (what == "save") {
        store.rsCustomers.MoveFirst();
        store.rsCustomers.setField(dorvik::Field::Firma, "Nova firma");
        store.rsCustomers.Update();
        return store.WriteToFile() ? 0 : 1;
    }
    dorvik::StoreCheckView view(store.rsCustomers);
    const dorvik::SystemClock clock;
    const dorvik::CheckRunResult result = dorvik::runCheck(store, view, boxes, files, clock);
    return result.verdict == dorvik::CheckVerdict::Aborted ? 1 : 0;
}
