#include "data/customer_data_source.h"

#include "platform/file_system.h"
#include "platform/user_boxes.h"

#include <algorithm>
#include <new>

namespace dorvik {

// --- Recordset --------------------------------------------------------------

void Recordset::setCursor(int cursor)
{
    cursor_ = cursor;
    notify();
}

void Recordset::notify()
{
    // A listener may remove itself; walk a copy. A walk without listeners
    // (a check run of the batch checker) copies nothing.
    if (listeners_.empty())
        return;
    const auto listeners = listeners_;
    for (const auto& entry : listeners)
        entry.second();
}

int Recordset::addCursorListener(std::function<void()> listener)
{
    listeners_.emplace_back(nextListenerId_, std::move(listener));
    return nextListenerId_++;
}

void Recordset::removeCursorListener(int id)
{
    std::erase_if(listeners_, [id](const auto& entry) { return entry.first == id; });
}

bool Recordset::MoveFirst()
{
    if (records_.empty())
        return false;
    Update();
    setCursor(0);
    return true;
}

bool Recordset::MoveLast()
{
    if (records_.empty())
        return false;
    Update();
    setCursor(RecordCount() - 1);
    return true;
}

bool Recordset::MoveNext()
{
    if (Eof())
        return false;
    Update();
    setCursor(cursor_ + 1);
    return true;
}

bool Recordset::MovePrevious()
{
    if (Bof())
        return false;
    Update();
    setCursor(cursor_ - 1);
    return true;
}

bool Recordset::MoveTo(int index)
{
    if (index < 0 || index >= RecordCount())
        return false;
    Update();
    setCursor(index);
    return true;
}

bool Recordset::AddNew()
{
    Update();
    if (RecordCount() >= kMaxRecords)
        return false;
    cursorBeforeNew_ = cursor_;
    records_.emplace_back();
    pendingNew_ = true;
    setCursor(RecordCount() - 1);
    return true;
}

bool Recordset::setField(Field f, std::string_view value)
{
    if (!hasCurrent())
        return false;
    ReportRecord& current = records_[cursor_];
    if (value.size() > static_cast<std::size_t>(fieldWidth(f)))
        return false;
    if (!pendingNew_ && !pendingEdit_)
        pendingEdit_ = current;
    return current.setValue(f, value);
}

bool Recordset::setField(std::string_view name, std::string_view value)
{
    const auto f = fieldByName(name);
    return f && setField(*f, value);
}

std::string_view Recordset::field(Field f) const
{
    if (!hasCurrent())
        return {};
    return records_[cursor_].value(f);
}

void Recordset::Update()
{
    pendingNew_ = false;
    pendingEdit_.reset();
}

void Recordset::CancelUpdate()
{
    if (pendingNew_) {
        records_.pop_back();
        pendingNew_ = false;
        setCursor(std::min(cursorBeforeNew_, RecordCount()));
        return;
    }
    if (pendingEdit_ && hasCurrent()) {
        records_[cursor_] = *pendingEdit_;
        pendingEdit_.reset();
        notify();
    }
}

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

CustomerDataSource::CustomerDataSource(Options options, FileSystem& fs, UserBoxes& boxes)
    : fileName_(std::move(options.fileName)), fs_(fs), boxes_(boxes)
{
    if (!options.newReportFile)
        load(fs);
    // After loading the cursor stands on the first record, or at EOF.
    rsCustomers.cursor_ = 0;
}

void CustomerDataSource::load(FileSystem& fs)
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
                cutter_.feed(block, [this](std::string_view line, std::uint64_t length) {
                    return take(line, length);
                });
            return true;
        }

        void finish()
        {
            if (!overLimit_)
                cutter_.finish([this](std::string_view line, std::uint64_t length) {
                    return take(line, length);
                });
        }

        bool overLimit() const { return overLimit_; }

    private:
        bool take(std::string_view line, std::uint64_t length)
        {
            if (length != static_cast<std::uint64_t>(kRecordLength)) {
                ++store_.rejected_;
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
        bool overLimit_ = false;
    };

    Loader loader(*this);
    const ReadStatus read = fs.readBlocks(fileName_, loader);
    loader.finish();

    if (!read.ok) {
        complete_ = false;
        tell(boxes_, read.error);
        return;
    }
    if (loader.overLimit()) {
        complete_ = false;
        tell(boxes_, kRecordLimitMessage, Icon::Critical, "KONTROLA");
    }
    // Lines were read but none was a record (typically line-feed-only line
    // ends): saving would replace the file with nothing but new records.
    if (accepted_ == 0 && rejected_ > 0)
        complete_ = false;
    showSummary();
}

void CustomerDataSource::showSummary()
{
    if (rejected_ == 0)
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

bool CustomerDataSource::WriteToFile()
{
    if (!complete_) {
        tell(boxes_, kIncompleteSaveMessage, Icon::Critical);
        return false;
    }
    rsCustomers.Update();
    const std::string contents = composeFile();
    std::string error;
    bool ok = false;
    if (auto out = fs_.openForWrite(fileName_, error)) {
        ok = out->write(contents) && out->commit();
        if (!ok)
            error = out->errorString();
    }
    rsCustomers.setCursor(rsCustomers.RecordCount());
    if (!ok)
        tell(boxes_, error);
    return ok;
}

} // namespace dorvik
