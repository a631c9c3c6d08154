#include "data/recordset.h"

#include <algorithm>

namespace dorvik {

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
    changedBeforeNew_ = changed_;
    changed_ = true;
    setCursor(RecordCount() - 1);
    return true;
}

bool Recordset::setField(Field f, std::string_view value)
{
    if (!hasCurrent())
        return false;
    ReportRecord& current = records_[cursor_];
    if (value.find_first_of("\r\n") != std::string_view::npos || !current.setValue(f, value))
        return false;
    changed_ = true;
    return true;
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
}

void Recordset::CancelUpdate()
{
    if (!pendingNew_)
        return;
    records_.pop_back();
    pendingNew_ = false;
    changed_ = changedBeforeNew_;
    setCursor(std::min(cursorBeforeNew_, RecordCount()));
}

} // namespace dorvik
