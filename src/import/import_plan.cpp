#include "import/import_plan.h"

#include "check/entry_rules.h"
#include "platform/user_boxes.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <vector>

namespace dorvik::import {

namespace {

constexpr std::array<Field, 3> kIdentifiers = {Field::LicenBroj, Field::MaticenBroj,
                                               Field::RegistarskiBroj};

// The entry screen's check-digit routines report on a screen through boxes;
// here nothing is painted, and the message a routine shows is the reason.
class UnseenScreen : public CheckedScreen {
public:
    std::string fieldText(Field) override { return {}; }
    void setColour(Field, BoxColour) override {}
};

// The surname and the given name, a blank between, into out.
void joinName(const SheetCell& surname, const SheetCell& given, std::string& out)
{
    out = cellValue(surname.text);
    const std::string b = cellValue(given.text);
    if (!out.empty() && !b.empty())
        out += ' ';
    out += b;
}

// Record lines and their numbers, found by their hash (open addressing:
// one table, no allocation per line).
class RecordIndex {
public:
    explicit RecordIndex(std::size_t lines)
    {
        std::size_t size = 16;
        while (size < lines * 2)
            size *= 2;
        slots_.resize(size);
    }

    // The number of the line already there, or number, now the line's.
    int add(std::string_view line, int number)
    {
        const std::size_t hash = std::hash<std::string_view>{}(line);
        for (std::size_t at = hash & (slots_.size() - 1);; at = (at + 1) & (slots_.size() - 1)) {
            Slot& slot = slots_[at];
            if (slot.number == 0) {
                slot = {hash, line, number};
                return number;
            }
            if (slot.hash == hash && slot.line == line)
                return slot.number;
        }
    }

private:
    struct Slot {
        std::size_t hash = 0;
        std::string_view line;
        int number = 0; // 0: empty
    };
    std::vector<Slot> slots_;
};

class RowPlanner {
public:
    RowPlanner(const Mapping& mapping, const PlanOptions& options)
        : mapping_(mapping), options_(options), context_{screen_, boxes_, NonDigit::LeaveToCaller}
    {
    }

    // Plans the row into r, a new result.
    void plan(const SheetRow& row, RowResult& r)
    {
        row_ = &row;
        result_ = &r;
        r.sheetRow = row.number;
        r.bytes.fill(' ');
        if (!row.unreadable.empty()) {
            std::string text;
            for (const SheetCell& c : row.cells) {
                if (!text.empty())
                    text += ' ';
                text += c.text;
            }
            r.problems.push_back({std::nullopt, text, row.unreadable});
            r.status = RowStatus::Failed;
            return;
        }
        normaliseAll();
        checkAsEntry();
        // In the order of the fields, as the report form shows them.
        std::stable_sort(r.problems.begin(), r.problems.end(), [](const RowProblem& a, const RowProblem& b) {
            return static_cast<int>(*a.field) < static_cast<int>(*b.field);
        });
        r.status = r.problems.empty() ? RowStatus::Good : RowStatus::Failed;
    }

private:
    const SheetCell& cellAt(int column) const
    {
        static const SheetCell kEmpty;
        return column >= 0 && static_cast<std::size_t>(column) < row_->cells.size()
                   ? row_->cells[static_cast<std::size_t>(column)]
                   : kEmpty;
    }

    // The field's cell in the row; a value or a joined name is put
    // together in made_.
    const SheetCell& source(Field f)
    {
        static const SheetCell kEmpty;
        const FieldSource& s = mapping_[f];
        switch (s.kind) {
        case SourceKind::None:
            return kEmpty;
        case SourceKind::Fixed:
            made_ = {s.value, false};
            return made_;
        case SourceKind::Column:
            if (s.secondColumn < 0)
                return cellAt(s.column);
            joinName(cellAt(s.column), cellAt(s.secondColumn), madeText_);
            made_ = {madeText_, false};
            return made_;
        }
        return kEmpty;
    }

    void fail(Field f, std::string value, std::string reason)
    {
        result_->failedFields |= static_cast<std::uint16_t>(1u << static_cast<int>(f));
        result_->problems.push_back({f, std::move(value), std::move(reason)});
    }

    void place(Field f, const FieldValue& v)
    {
        const std::string_view stored = v.stored();
        stored.copy(result_->bytes.data() + fieldOffset(f), stored.size());
        if (!v.note.empty())
            result_->notes.emplace_back(f, v.note);
    }

    void take(Field f, const SheetCell& cell, std::string_view reportYear)
    {
        const FieldValue v = normaliseField(f, cell, reportYear, options_.normalise);
        if (v.ok())
            place(f, v);
        else if (mapping_[f].kind == SourceKind::None && v.error == kEmptyReason)
            fail(f, {}, kNoSourceReason);
        else
            fail(f, cellValue(cell.text), v.error);
    }

    void normaliseAll()
    {
        // The year first: a date in a period must fall in it.
        take(Field::Godina, source(Field::Godina), {});
        const std::string year =
            result_->fieldFailed(Field::Godina) ? std::string() : std::string(result_->stored(Field::Godina));
        for (int i = 1; i < kFieldCount; ++i) {
            const Field f = fieldAt(i);
            if (f != Field::Mesec)
                take(f, source(f), year);
        }
        // The months and days of service, when the sheet has none, from the period.
        const SheetCell& months = source(Field::Mesec);
        if (!isBlank(months.text)) {
            take(Field::Mesec, months, year);
        } else if (!result_->fieldFailed(Field::PeriodOd) && !result_->fieldFailed(Field::PeriodDo)) {
            const FieldValue v =
                serviceMonths(result_->stored(Field::PeriodOd), result_->stored(Field::PeriodDo));
            if (v.ok()) {
                place(Field::Mesec, v);
                result_->monthsWorkedOut = true;
            } else {
                fail(Field::Mesec, {}, v.error);
            }
        } else {
            fail(Field::Mesec, {}, "ne moze da se presmeta bez ispraven period");
        }
    }

    // The checks the entry screen applies to a full box, and its save test.
    void checkAsEntry()
    {
        RowResult& r = *result_;
        auto passed = [&](Field f) { return !r.fieldFailed(f); };
        if (passed(Field::Godina) && !yearPasses(r.stored(Field::Godina), options_.currentYear))
            fail(Field::Godina, std::string(r.stored(Field::Godina)), kYearMessage);
        for (const Field f : kIdentifiers) {
            if (!passed(f))
                continue;
            const std::string_view number = r.stored(f);
            boxes_.last.clear();
            std::int16_t faultCode = 0;
            const IdentifierVerdict verdict = checkIdentifier(f, number, context_, faultCode);
            if (verdict == IdentifierVerdict::Fails)
                fail(f, std::string(number), boxes_.last.empty() ? kZeroMasterNumberReason : boxes_.last);
            else if (verdict == IdentifierVerdict::NotDigits)
                fail(f, std::string(number), kEntryNonDigitMessage);
        }
        for (const Field f : {Field::PeriodOd, Field::PeriodDo})
            if (passed(f) && !periodPasses(r.stored(f)))
                fail(f, std::string(r.stored(f)), kPeriodMessage);
        ReportTextViews texts;
        for (int i = 0; i < kFieldCount; ++i)
            if (passed(fieldAt(i)))
                texts[i] = r.stored(fieldAt(i));
        if (const auto incomplete = firstIncompleteField(texts); incomplete && passed(*incomplete))
            fail(*incomplete, std::string(r.stored(*incomplete)), kIncompleteReportMessage);
    }

    const Mapping& mapping_;
    const PlanOptions& options_;
    UnseenScreen screen_;
    ReasonBoxes boxes_;
    CheckDigitContext context_;
    const SheetRow* row_ = nullptr;
    RowResult* result_ = nullptr;
    SheetCell made_;
    std::string madeText_;
};

} // namespace

std::string duplicateReason(int record)
{
    return "Istata prijava vekje postoi (slog " + std::to_string(record) + ")";
}

std::string describe(const RowProblem& problem)
{
    if (!problem.field)
        return problem.reason;
    return std::string(fieldName(*problem.field)) + " '" + problem.value + "': " + problem.reason;
}

std::string failureLine(const RowResult& row)
{
    std::string line = "red " + std::to_string(row.sheetRow) + ": ";
    for (std::size_t i = 0; i < row.problems.size(); ++i)
        line += (i > 0 ? "; " : "") + describe(row.problems[i]);
    return line;
}

std::vector<ReportRecord> ImportPlan::goodRecords() const
{
    std::vector<ReportRecord> records;
    records.reserve(static_cast<std::size_t>(good));
    for (const RowResult& r : rows)
        if (r.status == RowStatus::Good)
            records.push_back(ReportRecord::fromLine(r.line()));
    return records;
}

ImportPlan planImport(const Sheet& sheet, const Mapping& mapping, const PlanOptions& options,
                      const RecordTable& existing)
{
    ImportPlan plan;
    plan.emptyRows = sheet.emptyRows;
    plan.rows.reserve(sheet.rows.size());

    // Every record the file holds and every good row so far, by its line:
    // the number it has, or will have, in the file.
    RecordIndex records(existing.size() + sheet.rows.size());
    for (std::size_t i = 0; i < existing.size(); ++i)
        records.add(existing[i].fullLine(), static_cast<int>(i) + 1);
    int next = static_cast<int>(existing.size()) + 1;

    RowPlanner planner(mapping, options);
    const bool skipHeader = mapping.header && !sheet.rows.empty() && sheet.rows.front().unreadable.empty();
    for (std::size_t i = skipHeader ? 1 : 0; i < sheet.rows.size(); ++i) {
        RowResult& r = plan.rows.emplace_back();
        planner.plan(sheet.rows[i], r);
        if (r.status == RowStatus::Good) {
            if (const int earlier = records.add(r.line(), next); earlier == next) {
                ++next;
            } else {
                r.problems.push_back({Field::MaticenBroj, std::string(r.stored(Field::MaticenBroj)),
                                      duplicateReason(earlier)});
                r.status = RowStatus::Failed;
            }
        }
        ++(r.status == RowStatus::Good ? plan.good : plan.failed);
    }
    return plan;
}

} // namespace dorvik::import
