// Opening "Lista na greski" over a list of 32767 record lines, on the
// offscreen platform: from the menu item to the window painted. Prints the
// median and the slowest of the runs.
//
//   error_list_bench [RUNS]
#include "check/error_list.h"
#include "platform/clock.h"
#include "platform/qt_file_system.h"
#include "platform/user_boxes.h"
#include "report_generator.h"
#include "review/error_list_window.h"
#include "review/frm_kontrola.h"
#include "screen_bench.h"

#include <QApplication>
#include <QTableView>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

using namespace dorvik;

struct SilentBoxes : UserBoxes {
    Answer message(const MessageRequest&) override { return Answer::Ok; }
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
    std::string saveFile(const FileDialogRequest&) override { return {}; }
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    const std::filesystem::path folder = bench::benchFolder("list-bench");
    const std::string report = (folder / "PRIJAVA.TXT").string();
    const ErrorListName name = errorListName(report);
    {
        std::ofstream(report, std::ios::binary) << std::string(147, '0') << "\r\n";
        std::ofstream(name.path, std::ios::binary) << bench::generateFullErrorList(name.stem);
    }

    SilentBoxes boxes;
    SystemClock clock;
    std::vector<double> opening;
    for (int run = 0; run < runs; ++run) {
        frmKontrola screen({boxes, applicationFileSystem(), clock}, {report, false});
        screen.setAttribute(Qt::WA_DeleteOnClose, false);
        screen.show();
        QApplication::processEvents();
        opening.push_back(bench::milliseconds([&] {
            screen.showErrorList();
            QApplication::processEvents(); // the window painted
        }));
        if (!screen.errorList() || screen.errorList()->model().rowCount() != 32767) {
            std::fprintf(stderr, "the list did not open whole\n");
            return 2;
        }
    }
    std::filesystem::remove_all(folder);
    std::printf("list lines                  32767\n");
    std::printf("runs                        %d\n", runs);
    std::printf("opening the list (median)   %.1f ms\n", bench::median(opening));
    std::printf("opening the list (slowest)  %.1f ms\n",
                *std::max_element(opening.begin(), opening.end()));
    return 0;
}
