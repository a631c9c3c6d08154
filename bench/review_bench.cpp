// The review screen's check run ("Kontrola") and "Rekap" on a clean file of
// 32767 records, on the offscreen platform, against dorvik-check on the same
// file in the same run. Prints the medians and the ratios.
//
//   review_bench [RUNS]
#include "data/customer_data_source.h"
#include "platform/clock.h"
#include "platform/qt_file_system.h"
#include "platform/user_boxes.h"
#include "review/frm_kontrola.h"

#include <QApplication>
#include <QToolButton>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <unistd.h>
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
};

// A record that passes every rule: year 99, 0101-3112, 12 months, 2088 hours.
std::string cleanRecord(int number)
{
    std::string name = "Ime Prezime " + std::to_string(number);
    name.resize(35, ' ');
    std::string firm = "Firma DOO Skopje";
    firm.resize(35, ' ');
    return "99" "1111111181" "1111111111111" "1234567897" + name + firm
           + "0101" "3112" "1200" "2088" "000150000" "0000" "0000" "     " "0000";
}

double milliseconds(const std::function<void()>& run)
{
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;

    char folderPattern[] = "/tmp/dorvik-review-bench-XXXXXX";
    if (!mkdtemp(folderPattern)) {
        std::perror("mkdtemp");
        return 2;
    }
    const std::filesystem::path folder = folderPattern;
    const std::string report = (folder / "PRIJAVA.TXT").string();
    {
        std::ofstream out(report, std::ios::binary);
        for (int i = 1; i <= kMaxRecords; ++i)
            out << cleanRecord(i) << "\r\n";
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
        openRun.push_back(milliseconds([&] {
            frmKontrola another({boxes, applicationFileSystem(), clock}, {report, false});
            another.setAttribute(Qt::WA_DeleteOnClose, false);
            another.show();
        }));
        boxes.messages = 0;
        screenRun.push_back(milliseconds([&] { kontrola->click(); }));
        if (boxes.messages != 2 || boxes.last != "KONTROLATA USPESNO E IZVRSENA") {
            std::fprintf(stderr, "the check run did not pass cleanly: %s\n", boxes.last.c_str());
            return 2;
        }
        batchRun.push_back(milliseconds([&] {
            if (std::system(command.c_str()) != 0)
                std::fprintf(stderr, "dorvik-check did not pass the file\n");
        }));
        rekapRun.push_back(milliseconds([&] { rekap->click(); }));
    }
    std::filesystem::remove_all(folder);

    const double screenMs = median(screenRun);
    const double batchMs = median(batchRun);
    const double rekapMs = median(rekapRun);
    const double openMs = median(openRun);
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
