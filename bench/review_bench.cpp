// The review screen's check run ("Kontrola") and "Rekap" on a clean file of
// 32767 records, on the offscreen platform, against dorvik-check on the same
// file in the same run. Prints the medians and the ratios.
//
//   review_bench [RUNS]
#include "data/customer_data_source.h"
#include "platform/clock.h"
#include "platform/qt_file_system.h"
#include "platform/user_boxes.h"
#include "report_generator.h"
#include "review/frm_kontrola.h"
#include "screen_bench.h"

#include <QApplication>
#include <QToolButton>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace dorvik;

// Yes to the opening question, OK to everything else; counts what it saw.
struct ConfirmingBoxes : UserBoxes {
    int messages = 0;
    std::string last;
    Answer message(const MessageRequest& request) override
    {
        ++messages;
        last = request.text;
        return request.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
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
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    const std::filesystem::path folder = bench::benchFolder("review-bench");
    const std::string report = (folder / "PRIJAVA.TXT").string();
    {
        const std::string firm = bench::padded("Firma DOO Skopje", 35);
        std::ofstream out(report, std::ios::binary);
        for (int i = 1; i <= kMaxRecords; ++i)
            out << bench::correctRecord(i, firm, "1234567897").line() << "\r\n";
    }

    ConfirmingBoxes boxes;
    SystemClock clock;
    frmKontrola screen({boxes, applicationFileSystem(), clock}, {report, false});
    screen.setAttribute(Qt::WA_DeleteOnClose, false);
    screen.show();
    QApplication::processEvents();
    auto* kontrola = screen.findChild<QToolButton*>("cmdKontrola");
    auto* rekap = screen.findChild<QToolButton*>("cmdRekap");

    const std::string command = std::string(DORVIK_CHECK_PATH) + " '" + report + "' >/dev/null";
    std::vector<double> screenRun, batchRun, rekapRun, openRun;
    for (int i = 0; i < runs; ++i) {
        openRun.push_back(bench::milliseconds([&] {
            frmKontrola another({boxes, applicationFileSystem(), clock}, {report, false});
            another.setAttribute(Qt::WA_DeleteOnClose, false);
            another.show();
        }));
        boxes.messages = 0;
        screenRun.push_back(bench::milliseconds([&] { kontrola->click(); }));
        if (boxes.messages != 2 || boxes.last != "KONTROLATA USPESNO E IZVRSENA") {
            std::fprintf(stderr, "the check run did not pass cleanly: %s\n", boxes.last.c_str());
            return 2;
        }
        batchRun.push_back(bench::milliseconds([&] {
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "dorvik-check did not pass the file\n");
        }));
        rekapRun.push_back(bench::milliseconds([&] { rekap->click(); }));
    }
    std::filesystem::remove_all(folder);

    const double screenMs = bench::median(screenRun);
    const double batchMs = bench::median(batchRun);
    const double rekapMs = bench::median(rekapRun);
    const double openMs = bench::median(openRun);
    std::printf("records                     %d\n", kMaxRecords);
    std::printf("runs                        %d\n", runs);
    std::printf("screen check run (median)   %.1f ms\n", screenMs);
    std::printf("dorvik-check (median)       %.1f ms\n", batchMs);
    std::printf("screen / dorvik-check       %.2f (aim: at most 10)\n", screenMs / batchMs);
    std::printf("opening the screen (load)   %.1f ms\n", openMs);
    std::printf("(open + check) / dorvik-check %.2f\n", (openMs + screenMs) / batchMs);
    std::printf("Rekap (median)              %.1f ms\n", rekapMs);
    std::printf("Rekap / dorvik-check        %.2f\n", rekapMs / batchMs);
    return 0;
}
