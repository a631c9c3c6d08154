// Printing to PDF from the review screen's menu, on the offscreen platform:
// the recapitulation of a file of 32767 records and its error list of 32767
// record lines (32781 lines), each from the menu item to the PDF written.
// Prints the medians and the slowest runs against the aims, and the median
// processor time, which tells what an idle machine would take.
//
//   print_bench [RUNS]
#include "check/error_list.h"
#include "data/record_table.h"
#include "platform/clock.h"
#include "platform/print_boxes.h"
#include "platform/qt_file_system.h"
#include "platform/user_boxes.h"
#include "report_generator.h"
#include "review/frm_kontrola.h"
#include "screen_bench.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace dorvik;

// Every save dialog answers with the one path; any message is a failure.
struct SavingBoxes : UserBoxes {
    std::string pdf;
    int messages = 0;
    Answer message(const MessageRequest& request) override
    {
        ++messages;
        std::fprintf(stderr, "message: %s\n", request.text.c_str());
        return Answer::Ok;
    }
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
    std::string saveFile(const FileDialogRequest&) override { return pdf; }
};

// The progress box never cancels.
struct PatientPrintBoxes : PrintBoxes {
    PrintOutcome preview(const PrintRequest&) override { return {}; }
    bool withProgress(const ProgressRequest&, const std::function<bool(const ProgressStep&)>& work) override
    {
        return work([](int) { return true; });
    }
};

struct Runs {
    std::vector<double> wall, cpu;

    void time(const std::function<void()>& step)
    {
        double cpuMs = 0;
        wall.push_back(bench::milliseconds([&] { cpuMs = bench::cpuMilliseconds(step); }));
        cpu.push_back(cpuMs);
    }
};

void show(const char* what, const Runs& runs, double aimMs)
{
    std::printf("%-24s median %7.1f ms, slowest %7.1f ms, processor %7.1f ms (aim: under %.0f ms)\n",
                what, bench::median(runs.wall),
                *std::max_element(runs.wall.begin(), runs.wall.end()), bench::median(runs.cpu),
                aimMs);
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    const std::filesystem::path folder = bench::benchFolder("print-bench");
    const std::string report = (folder / "PRIJAVA.TXT").string();
    const ErrorListName name = errorListName(report);
    {
        const std::string firm = bench::padded("Firma DOO Skopje", 35);
        std::ofstream out(report, std::ios::binary);
        for (int i = 1; i <= kMaxRecords; ++i)
            out << bench::correctRecord(i, firm, "1234567897").line() << "\r\n";
        std::ofstream(name.path, std::ios::binary) << bench::generateFullErrorList(name.stem);
    }

    SavingBoxes boxes;
    PatientPrintBoxes printing;
    SystemClock clock;
    frmKontrola screen({boxes, applicationFileSystem(), clock, &printing}, {report, false});
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.show();
    QApplication::processEvents();

    Runs recap, list;
    for (int run = 0; run < runs; ++run) {
        boxes.pdf = (folder / "PRIJAVA-rekap.pdf").string();
        recap.time([&] { screen.recapitulationToPdf(); });
        boxes.pdf = (folder / "PRIJAVA-lista.pdf").string();
        list.time([&] { screen.errorListToPdf(); });
    }
    const bool written = std::filesystem::file_size(folder / "PRIJAVA-rekap.pdf") > 0
                         && std::filesystem::file_size(folder / "PRIJAVA-lista.pdf") > 0;
    std::printf("records, list lines         %d, %d\n", kMaxRecords, kMaxRecords + 14);
    std::printf("runs                        %d\n", runs);
    show("recapitulation to PDF", recap, 500);
    show("error list to PDF", list, 3000);
    std::printf("error list PDF size         %.1f MB\n",
                std::filesystem::file_size(folder / "PRIJAVA-lista.pdf") / 1e6);
    std::filesystem::remove_all(folder);
    if (!written || boxes.messages > 0) {
        std::fprintf(stderr, "a PDF was not written\n");
        return 2;
    }
    return 0;
}
