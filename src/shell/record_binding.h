// Keeps 15 line edits and the store's current record in step both ways: a
// cursor move refreshes the boxes, and what the user types into a bound box
// edits the current record. Text the program itself puts into a box (a
// refresh, an emptying, a wiped value) never writes back to the store.
#pragma once

#include "data/recordset.h"

#include <QObject>

#include <array>

class QLineEdit;

namespace dorvik {

class RecordBinding : public QObject {
    Q_OBJECT
public:
    // boxes are in field order (Godina first, SifraStaz last). The boxes show
    // the current record at once.
    RecordBinding(Recordset& records, const std::array<QLineEdit*, kFieldCount>& boxes,
                  QObject* parent = nullptr);
    ~RecordBinding() override;

    // Shows the current record again (all boxes empty without one).
    void refresh();
    // Shows this record's values in the boxes (all empty for nullptr).
    void show(const ReportRecord* record);

    // While deferred, cursor moves only mark the boxes stale; flush() (or
    // leaving deferred mode) shows the current record. Long walks use this
    // to repaint at a bounded rate instead of once per record.
    void setDeferred(bool deferred);
    void flush();

    // True while the binding itself is putting text into the boxes.
    bool refreshing() const { return refreshing_; }

private:
    void onUserEdit(int fieldIndex);

    Recordset& records_;
    std::array<QLineEdit*, kFieldCount> boxes_;
    int listenerId_ = 0;
    bool refreshing_ = false;
    bool deferred_ = false;
    bool stale_ = false;
};

} // namespace dorvik
