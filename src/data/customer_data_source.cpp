#include "data/customer_data_source.h"

#include "data/line_cutter.h"
#include "platform/file_system.h"
#include "platform/user_boxes.h"

#include <algorithm>
#include <filesystem>
#include <new>

namespace dorvik {

// --- Messages ---------------------------------------------------------------

std::string tooManyBadLinesMessage(std::int64_t accepted, std::int64_t rejected)
{
    return "REKAPITULACIJA: Disketata ima premnogu gresni slogovi koj ne se so propisanata "
           "golemina i nemoze da se kontrolira."
           + std::string(17, ' ') + "Broj na slogovi= " + std::to_string(accepted)
           + std::string(12, ' ') + "Broj na gresni slogovi= " + std::to_string(rejected)
           + std::string(52, ' ')
           + "VRATETE ja disketata na popravka i prilozite tehnicko upatstvo za izrabotka na istata.";
}

std::string someBadLinesMessage(std::int64_t accepted, std::int64_t rejected)
{
    return "REKAPITULACIJA: Broj na slogovi na disketata " + std::to_string(accepted + rejected)
           + " ot tie  " + std::to_string(rejected)
           + "  slog-a ne se so regularna dolzina i nema da se zemat vo predvid vo ponatamoznata "
             "obrabotka";
}

// --- CustomerDataSource -----------------------------------------------------

std::string otherLineEndsMessage(const FileFaults& faults)
{
    return std::to_string(faults.otherLineEnds) + " linii ne zavrsuvaat so CR LF (prvata: linija "
           + std::to_string(faults.firstOtherLineEnd)
           + "). Kontrolata ne ja pominuva datotekata dodeka ne se snimi; pri snimanjeto site "
             "linii se zapisuvaat so CR LF.";
}

CustomerDataSource::CustomerDataSource(Options options, FileSystem& fs, UserBoxes& boxes)
    : fileName_(std::move(options.fileName)), fs_(fs), boxes_(boxes)
{
    if (!options.newReportFile) {
        load();
    } else {
        // Nothing is loaded from a file just created empty; what is on the
        // disk is still known, so that a save notices another's writes.
        knownFingerprint_ = readThrough(fs, fileName_).fingerprint;
    }
    // After loading the cursor stands on the first record, or at EOF.
    rsCustomers.cursor_ = 0;
}

bool CustomerDataSource::reload()
{
    rsCustomers.records_.clear();
    rsCustomers.pendingNew_ = false;
    rsCustomers.changed_ = false;
    complete_ = true;
    overLimit_ = false;
    readError_.reset();
    accepted_ = rejected_ = rejectedNonEmpty_ = 0;
    faults_ = {};
    knownFingerprint_.clear();
    load();
    rsCustomers.setCursor(0);
    return complete_;
}

bool CustomerDataSource::changedOnDisk()
{
    const ReadStatus onDisk = readThrough(fs_, fileName_);
    return !onDisk.ok || onDisk.fingerprint != knownFingerprint_;
}

void CustomerDataSource::load()
{
    // The file arrives in blocks and is cut into lines as it comes, so that
    // only the records are held, never the whole file besides them.
    class Loader : public ByteSink {
    public:
        explicit Loader(CustomerDataSource& store) : store_(store) {}

        void expectSize(std::uint64_t size) override
        {
            // Room for every line that can be a record (CR LF or a lone CR
            // after each), so that the table is not moved while it grows.
            const std::uint64_t lines = size / (kRecordLength + 1) + 1;
            store_.rsCustomers.records_.reserve(
                static_cast<std::size_t>(std::min<std::uint64_t>(kMaxRecords, lines)));
        }

        bool consume(std::string_view block) override
        {
            // Past the record limit the rest is still read, so that a
            // failure to read it is reported as before; it is not kept.
            if (!overLimit_)
                cutter_.feed(block, [this](std::string_view line, std::uint64_t length,
                                           LineEnd end) { return take(line, length, end); });
            return true;
        }

        void finish()
        {
            if (!overLimit_)
                cutter_.finish([this](std::string_view line, std::uint64_t length, LineEnd end) {
                    return take(line, length, end);
                });
        }

        bool overLimit() const { return overLimit_; }

    private:
        bool take(std::string_view line, std::uint64_t length, LineEnd end)
        {
            ++lineNumber_;
            FileFaults& faults = store_.faults_;
            if (end == LineEnd::Cr || end == LineEnd::Lf) {
                if (faults.otherLineEnds++ == 0)
                    faults.firstOtherLineEnd = lineNumber_;
            }
            if (length != static_cast<std::uint64_t>(kRecordLength)) {
                ++store_.rejected_;
                if (length > 0) {
                    ++store_.rejectedNonEmpty_;
                    if (faults.nonRecordLineCount++ < kMaxRecords)
                        faults.nonRecordLines.push_back({lineNumber_, length});
                }
                return true;
            }
            if (store_.accepted_ >= kMaxRecords) {
                overLimit_ = true;
                return false;
            }
            store_.rsCustomers.records_.push_back(ReportRecord::fromLine(line));
            ++store_.accepted_;
            return true;
        }

        CustomerDataSource& store_;
        LineCutter cutter_;
        std::int64_t lineNumber_ = 0;
        bool overLimit_ = false;
    };

    Loader loader(*this);
    const ReadStatus read = fs_.readBlocks(fileName_, loader);
    loader.finish();

    if (!read.ok) {
        complete_ = false;
        readError_ = read.error;
        tell(boxes_, namedFailure(fileName_, read.error));
        return;
    }
    knownFingerprint_ = read.fingerprint;
    if (loader.overLimit()) {
        complete_ = false;
        overLimit_ = true;
        tell(boxes_, kRecordLimitMessage, Icon::Critical, "KONTROLA");
    }
    // Lines were read but none was a record (typically line-feed-only line
    // ends): saving would replace the file with nothing but new records.
    // Empty lines alone carry nothing: such a file is an empty file.
    if (accepted_ == 0 && rejectedNonEmpty_ > 0)
        complete_ = false;
    showSummary();
    if (faults_.otherLineEnds > 0)
        tell(boxes_, otherLineEndsMessage(faults_), Icon::Information, "KONTROLA");
}

void CustomerDataSource::showSummary()
{
    if (rejectedNonEmpty_ == 0 && (rejected_ == 0 || accepted_ == 0))
        return;
    // rejected >= accepted / 10, divided exactly.
    if (rejected_ * 10 >= accepted_)
        tell(boxes_, tooManyBadLinesMessage(accepted_, rejected_), Icon::Critical, "KONTROLA");
    else
        tell(boxes_, someBadLinesMessage(accepted_, rejected_), Icon::Information, "KONTROLA");
}

std::string CustomerDataSource::composeFile() const
{
    std::string out;
    out.reserve(rsCustomers.records().size() * (kRecordLength + 2));
    for (const ReportRecord& record : rsCustomers.records()) {
        record.appendLineTo(out);
        out += "\r\n";
    }
    return out;
}

std::string CustomerDataSource::freeBackupPath() const
{
    std::string path = fileName_ + ".bak";
    for (int n = 1; fs_.exists(path); ++n)
        path = fileName_ + "." + std::to_string(n) + ".bak";
    return path;
}

bool CustomerDataSource::WriteToFile()
{
    lastSave_ = {};
    if (!complete_) {
        tell(boxes_, kIncompleteSaveMessage, Icon::Critical);
        return false;
    }

    // What is on the disk now, against what this store last read or wrote;
    // its bytes too when they are to be kept beside it.
    const bool backupDue = rejectedNonEmpty_ > 0 && !backupWritten_;
    ReadResult onDisk;
    if (backupDue)
        onDisk = readWhole(fs_, fileName_);
    else
        onDisk.status = readThrough(fs_, fileName_);
    const bool vanished = !onDisk.status.ok && onDisk.status.missing;
    if (!onDisk.status.ok && !vanished) {
        tell(boxes_, namedFailure(fileName_, onDisk.status.error));
        return false;
    }
    if (!vanished && onDisk.status.fingerprint != knownFingerprint_) {
        if (!askYesNo(boxes_, kChangedOnDiskQuestion, Icon::Exclamation))
            return false;
    }
    if (backupDue && !vanished) {
        const std::string backup = freeBackupPath();
        if (const auto error = writeWhole(fs_, backup, onDisk.bytes)) {
            tell(boxes_, namedFailure(backup, *error));
            return false;
        }
        backupWritten_ = true;
        lastSave_.backupPath = backup;
    }

    const std::string contents = composeFile();
    std::string fingerprint;
    if (const auto error = writeWhole(fs_, fileName_, contents, &fingerprint)) {
        rsCustomers.setCursor(rsCustomers.RecordCount());
        tell(boxes_, namedFailure(fileName_, *error));
        return false;
    }
    rsCustomers.Update();
    rsCustomers.changed_ = false;
    // The file now holds records only, each ended by CR LF.
    faults_ = {};
    knownFingerprint_ = std::move(fingerprint);
    lastSave_.records = rsCustomers.RecordCount();
    rsCustomers.setCursor(rsCustomers.RecordCount());
    return true;
}

bool CustomerDataSource::AppendAndWrite(const std::vector<ReportRecord>& records)
{
    RecordTable& table = rsCustomers.records_;
    if (rsCustomers.pendingNew_ || table.size() + records.size() > static_cast<std::size_t>(kMaxRecords))
        return false;
    const std::size_t before = table.size();
    const bool changedBefore = rsCustomers.changed_;
    table.insert(table.end(), records.begin(), records.end());
    rsCustomers.changed_ = true;
    if (WriteToFile())
        return true;
    table.erase(table.begin() + static_cast<std::ptrdiff_t>(before), table.end());
    rsCustomers.changed_ = changedBefore;
    rsCustomers.setCursor(rsCustomers.RecordCount());
    return false;
}

} // namespace dorvik
