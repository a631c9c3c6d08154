// The check run over a generated file of 32767 records: load, check, list
// written, as dorvik-check does it without starting a process.
#include "check/check_run.h"
#include "check/field_rules.h"
#include "check/store_check_view.h"
#include "platform/posix_file_system.h"
#include "data/customer_data_source.h"
#include "platform/clock.h"
#include "platform/user_boxes.h"
#include "report_generator.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace {

using namespace dorvik;

class SilentBoxes : public UserBoxes {
public:
    Answer message(const MessageRequest& request) override
    {
        ++count;
        return request.buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
    }
    std::string input(const InputRequest&) override { return {}; }
    std::string openFile(const FileDialogRequest&) override { return {}; }
    std::string saveFile(const FileDialogRequest&) override { return {}; }
    long count = 0;
};

// A folder holding the generated report, removed at exit.
struct ReportFolder {
    std::filesystem::path folder;
    std::string report;

    ReportFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "dorvik-bench-XXXXXX").string();
        folder = ::mkdtemp(pattern.data());
        report = (folder / "PRIJAVA.TXT").string();
        const std::string bytes = bench::generateReport(kMaxRecords, 5);
        std::FILE* out = std::fopen(report.c_str(), "wb");
        std::fwrite(bytes.data(), 1, bytes.size(), out);
        std::fclose(out);
    }
    ~ReportFolder() { std::filesystem::remove_all(folder); }
};

ReportFolder& folder()
{
    static ReportFolder instance;
    return instance;
}

void BM_LoadCheckAndWriteList(benchmark::State& state)
{
    PosixFileSystem files;
    const FixedClock clock{std::chrono::year{2003} / 6 / 15};
    SilentBoxes boxes;
    for (auto _ : state) {
        CustomerDataSource store({folder().report, false}, files, boxes);
        StoreCheckView view(store.rsCustomers);
        const CheckRunResult result = runCheck(store, view, boxes, files, clock);
        benchmark::DoNotOptimize(result.verdict);
    }
    state.counters["boxes/run"] = static_cast<double>(boxes.count) / state.iterations();
}
BENCHMARK(BM_LoadCheckAndWriteList)->Unit(benchmark::kMillisecond);

// Loading alone: reading the file and keeping its records.
void BM_Load(benchmark::State& state)
{
    PosixFileSystem files;
    SilentBoxes boxes;
    for (auto _ : state) {
        CustomerDataSource store({folder().report, false}, files, boxes);
        benchmark::DoNotOptimize(store.rsCustomers.RecordCount());
    }
}
BENCHMARK(BM_Load)->Unit(benchmark::kMillisecond);

// Reading alone, as the store reads: a block at a time.
void BM_ReadBlocks(benchmark::State& state)
{
    struct Counting : ByteSink {
        std::size_t bytes = 0;
        bool consume(std::string_view block) override
        {
            bytes += block.size();
            return true;
        }
    };
    PosixFileSystem files;
    for (auto _ : state) {
        Counting sink;
        files.readBlocks(folder().report, sink);
        benchmark::DoNotOptimize(sink.bytes);
    }
}
BENCHMARK(BM_ReadBlocks)->Unit(benchmark::kMillisecond);

// A view that lends no whole line: every field is read through the
// interface, as on a screen that holds its texts itself.
class FieldByFieldView : public StoreCheckView {
public:
    using StoreCheckView::StoreCheckView;
    std::string_view recordLine() override { return {}; }
};

// The eleven rules alone, over every record of the loaded store.
template <typename View>
void BM_FieldRules(benchmark::State& state)
{
    PosixFileSystem files;
    SilentBoxes boxes;
    CustomerDataSource store({folder().report, false}, files, boxes);
    View view(store.rsCustomers);
    RecordCheckState record;
    record.errorLine.reserve(1024);
    FieldRules rules({view, boxes, "03"});
    for (auto _ : state) {
        store.rsCustomers.MoveFirst();
        while (!store.rsCustomers.Eof()) {
            record.errorLine.clear();
            record.faultCode = 0;
            benchmark::DoNotOptimize(rules.apply(record));
            store.rsCustomers.MoveNext();
        }
    }
    state.SetItemsProcessed(state.iterations() * store.rsCustomers.RecordCount());
}
BENCHMARK_TEMPLATE(BM_FieldRules, StoreCheckView)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(BM_FieldRules, FieldByFieldView)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
