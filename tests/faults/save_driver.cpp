// Loads a report file, changes the first record's Firma and saves it through
// the program's real file layer; then writes an error-list-sized second file
// the same way. Prints every message box on stdout. Run by the fault
// injection tests under a shim that fails chosen system calls.
#include "data/customer_data_source.h"
#include "platform/qt_file_system.h"
#include "platform/user_boxes.h"

#include <cstdio>
#include <string>

namespace {
class PrintingBoxes : public dorvik::UserBoxes {
public:
    dorvik::Answer message(const dorvik::MessageRequest& request) override
    {
        std::printf("%s\t%s\n", request.title.c_str(), request.text.c_str());
        return dorvik::Answer::Ok;
    }
    std::string input(const dorvik::InputRequest&) override { return {}; }
    std::string openFile(const dorvik::FileDialogRequest&) override { return {}; }
};
} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: save_driver REPORT NEW-FIRMA\n");
        return 2;
    }
    PrintingBoxes boxes;
    dorvik::QtFileSystem files;
    dorvik::CustomerDataSource store({argv[1], false}, files, boxes);
    if (!store.rsCustomers.MoveFirst())
        return 2;
    store.rsCustomers.setField(dorvik::Field::Firma, argv[2]);
    store.rsCustomers.Update();
    return store.WriteToFile() ? 0 : 1;
}
