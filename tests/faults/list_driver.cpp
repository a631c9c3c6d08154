// Loads a report file and runs the check over it as the review screen does,
// writing the error list through the program's real file layer, every box
// answered Yes or OK and printed on stdout. Exit status 0 when the run gave
// a verdict, 1 when it was aborted. Run by the fault injection tests.
//
//   list_driver [--vanish | --dir=PATH] REPORT
//
// The option changes the folder between the load and the run.
#include "check/check_run.h"
#include "check/store_check_view.h"
#include "data/customer_data_source.h"
#include "driver_boxes.h"
#include "platform/clock.h"
#include "platform/qt_file_system.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    const bool option = argc == 3;
    if (argc != 2 && !option) {
        std::fprintf(stderr, "usage: list_driver [--vanish | --dir=PATH] REPORT\n");
        return 2;
    }
    const std::string report = argv[option ? 2 : 1];
    dorvik::faults::PrintingBoxes boxes;
    dorvik::QtFileSystem files;
    dorvik::CustomerDataSource store({report, false}, files, boxes);
    if (option && !dorvik::faults::applyOption(argv[1], report))
        return 2;
    dorvik::StoreCheckView view(store.rsCustomers);
    const dorvik::SystemClock clock;
    const dorvik::CheckRunResult result = dorvik::runCheck(store, view, boxes, files, clock);
    return result.verdict == dorvik::CheckVerdict::Aborted ? 1 : 0;
}
