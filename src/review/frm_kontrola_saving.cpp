// The review screen's corrections and new reports: "Nova Prijava", "Snimi",
// "Pregled" back from a new report, and the questions before its file is
// read or left with work not yet saved.

#include "data/customer_data_source.h"
#include "platform/code_page.h"
#include "review/frm_kontrola.h"
#include "shell/record_binding.h"
#include "shell/report_form.h"
#include "shell/screen_messages.h"

#include <QLineEdit>

#include <algorithm>
#include <array>

namespace dorvik {

void frmKontrola::addNew()
{
    if (busy_)
        return;
    Recordset& records = store_->rsCustomers;
    if (records.RecordCount() >= kMaxRecords) {
        tell(services().boxes, kStoreFullMessage, Icon::Exclamation);
        return;
    }
    // A second "Nova Prijava" before "Snimi" starts another new report,
    // once the one typed is saved or given up.
    if (!newReportSettled())
        return;
    if (newRecordPending_ == 0)
        positionBeforeNew_ = recordPosition_;
    unbind();
    clearFindings();
    newRecordPending_ = 1;
    newReportTyped_ = false;
    for (QLineEdit* box : form_->boxes())
        box->clear();
    recordTotal_ = static_cast<std::int16_t>(records.RecordCount() + 1);
    recordPosition_ = recordTotal_;
    enterMode();
    showCounters();
}

void frmKontrola::save()
{
    if (!busy_)
        saveNow();
}

bool frmKontrola::saveNow()
{
    Recordset& records = store_->rsCustomers;
    std::array<std::string, kFieldCount> values;
    for (int i = 0; i < kFieldCount; ++i)
        values[i] = textToBytes(form_->boxes()[i]->text()).value_or(std::string());

    if (newRecordPending_) {
        if (!records.AddNew()) {
            tell(services().boxes, kStoreFullMessage, Icon::Exclamation);
            return false;
        }
    } else if (!records.MoveTo(recordPosition_ - 1)) {
        return true; // no record to overwrite (an empty file)
    }
    for (int i = 0; i < kFieldCount; ++i)
        records.setField(fieldAt(i), values[i]);
    // The rewrite leaves the store after its last record; the boxes keep
    // showing the saved record meanwhile, also beside a failure message.
    if (binding_)
        binding_->setDeferred(true);
    const bool saved = store_->WriteToFile();
    if (saved) {
        newRecordPending_ = 0;
        newReportTyped_ = false;
        reportSave(*store_);
    } else {
        // A new report not written stays a new report, on the screen only,
        // for the next "Snimi".
        records.CancelUpdate();
        clearStatus();
    }
    records.MoveTo(recordPosition_ - 1);
    if (binding_)
        binding_->setDeferred(false);
    enterMode();
    return saved;
}

bool frmKontrola::newReportSettled()
{
    return !newReportTyped_ || mayLeaveNewReport(false, [this] { return saveNow(); });
}

void frmKontrola::preview()
{
    if (busy_ || reviewMode())
        return;
    if (!newReportSettled())
        return;
    newReportTyped_ = false;
    if (newRecordPending_) {
        // Abandoned: nothing was appended, so the counters go back as they were.
        newRecordPending_ = 0;
        recordTotal_ = static_cast<std::int16_t>(store_->rsCustomers.RecordCount());
        recordPosition_ = positionBeforeNew_;
    }
    store_->rsCustomers.MoveTo(recordPosition_ - 1);
    bind();
    enterMode();
    showCounters();
}

bool frmKontrola::checkWhatIsOnTheDisk(const char* question)
{
    if (store_->hasUnsavedChanges()) {
        MessageRequest ask;
        ask.text = question;
        ask.buttons = Buttons::YesNo;
        ask.defaultButton = Answer::Yes;
        return services().boxes.message(ask) == Answer::Yes && saveNow();
    }
    // A new report waiting in the boxes keeps the counters as they are.
    if (reviewMode() && store_->changedOnDisk()) {
        // Another window or program wrote the file; with nothing here to
        // lose, the screen takes the file as it is now.
        store_->reload();
        recordTotal_ = static_cast<std::int16_t>(store_->rsCustomers.RecordCount());
        moveTo(std::clamp<int>(recordPosition_, recordTotal_ > 0 ? 1 : 0, recordTotal_));
        showCounters();
        enterMode();
    }
    return true;
}

bool frmKontrola::mayClose()
{
    if (busy_)
        return false;
    if (!store_->hasUnsavedChanges() && !newReportTyped_)
        return true;
    MessageRequest question;
    question.text = unsavedChangesQuestion(reportFile().path);
    question.icon = Icon::Exclamation;
    question.buttons = Buttons::YesNoCancel;
    question.defaultButton = Answer::Yes;
    switch (services().boxes.message(question)) {
    case Answer::Yes:
        return saveNow();
    case Answer::No:
        return true;
    default:
        return false;
    }
}

} // namespace dorvik
