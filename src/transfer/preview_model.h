// The preview of an import: one line per row of the sheet, its number, its
// status, the fifteen values as they will be stored and what is wrong with
// it; a failing value in red with its reason, an added zero in yellow with
// what was added. A model over the rows, so that a sheet of 32767 rows
// scrolls as one of ten.
#pragma once

#include "import/import_plan.h"

#include <QAbstractTableModel>

#include <vector>

namespace dorvik {

class PreviewModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum class Filter { All, FailedOnly };
    static constexpr int kRowColumn = 0;
    static constexpr int kStatusColumn = 1;
    static constexpr int kFirstFieldColumn = 2;
    static constexpr int kProblemsColumn = kFirstFieldColumn + kFieldCount;

    explicit PreviewModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

    // The plan shown; it must live as long as it is shown (nullptr: none).
    void setPlan(const import::ImportPlan* plan);
    void setFilter(Filter filter);
    // Tells the views that the statuses changed (rows appended).
    void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    void selectRows();

    const import::ImportPlan* plan_ = nullptr;
    Filter filter_ = Filter::All;
    std::vector<int> shown_; // indexes into the plan's rows
};

} // namespace dorvik
