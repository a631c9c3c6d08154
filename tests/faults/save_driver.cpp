// Loads a report file, changes the first record's Firma and saves it through
// the program's real file layer. Prints every message box on stdout. Run by
// the fault injection tests under a shim that fails chosen system calls.
//
//   save_driver [--vanish | --dir=PATH] REPORT NEW-FIRMA
//
// The option changes the folder between the load and the save.
#include "data/customer_data_source.h"
#include "driver_boxes.h"
#include "platform/qt_file_system.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv)
{
    const bool option = argc == 4;
    if (argc != 3 && !option) {
        std::fprintf(stderr, "usage: save_driver [--vanish | --dir=PATH] REPORT NEW-FIRMA\n");
        return 2;
    }
    const std::string report = argv[option ? 2 : 1];
    dorvik::faults::PrintingBoxes boxes;
    dorvik::QtFileSystem files;
    dorvik::CustomerDataSource store({report, false}, files, boxes);
    if (!store.rsCustomers.MoveFirst())
        return 2;
    store.rsCustomers.setField(dorvik::Field::Firma, argv[option ? 3 : 2]);
    store.rsCustomers.Update();
    if (option && !dorvik::faults::applyOption(argv[1], report))
        return 2;
    return store.WriteToFile() ? 0 : 1;
}
