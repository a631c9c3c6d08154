#include "shell/record_binding.h"

#include "platform/code_page.h"

#include <QLineEdit>

namespace dorvik {

RecordBinding::RecordBinding(Recordset& records, const std::array<QLineEdit*, kFieldCount>& boxes,
                             QObject* parent)
    : QObject(parent), records_(records), boxes_(boxes)
{
    listenerId_ = records_.addCursorListener([this] {
        if (deferred_)
            stale_ = true;
        else
            refresh();
    });
    for (int i = 0; i < kFieldCount; ++i) {
        // textEdited fires for the user's typing and pasting only, never for setText.
        connect(boxes_[i], &QLineEdit::textEdited, this, [this, i] { onUserEdit(i); });
    }
    refresh();
}

RecordBinding::~RecordBinding()
{
    records_.removeCursorListener(listenerId_);
}

void RecordBinding::refresh()
{
    stale_ = false;
    show(records_.hasCurrent() ? &records_.record(records_.cursor()) : nullptr);
}

void RecordBinding::show(const ReportRecord* record)
{
    refreshing_ = true;
    // Every box is set, also where the text stays the same: setting it ends
    // the box's undo history, which must never reach into another record.
    for (int i = 0; i < kFieldCount; ++i)
        boxes_[i]->setText(record ? bytesToText(record->value(fieldAt(i))) : QString());
    refreshing_ = false;
}

void RecordBinding::setDeferred(bool deferred)
{
    deferred_ = deferred;
    if (!deferred_ && stale_)
        refresh();
}

void RecordBinding::flush()
{
    if (stale_)
        refresh();
}

void RecordBinding::onUserEdit(int fieldIndex)
{
    QLineEdit* box = boxes_[fieldIndex];
    const Field field = fieldAt(fieldIndex);
    if (!records_.hasCurrent())
        return;
    const auto bytes = textToBytes(box->text());
    if (!bytes || !records_.setField(field, *bytes)) {
        // Cannot be held by the field: show the stored value again.
        refreshing_ = true;
        box->setText(bytesToText(records_.field(field)));
        refreshing_ = false;
    }
}

} // namespace dorvik
