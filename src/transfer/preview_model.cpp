#include "transfer/preview_model.h"

#include "platform/code_page.h"

#include <QBrush>
#include <QColor>

namespace dorvik {

namespace {

using import::RowResult;
using import::RowStatus;

const QColor kFailed(255, 0, 0);
const QColor kOnFailed(255, 255, 255);
const QColor kNoted(255, 255, 0);

QString utf8(const std::string& text) { return QString::fromStdString(text); }

const import::RowProblem* problemOf(const RowResult& row, Field field)
{
    for (const import::RowProblem& p : row.problems)
        if (p.field == field)
            return &p;
    return nullptr;
}

const std::string* noteOf(const RowResult& row, Field field)
{
    for (const auto& [f, note] : row.notes)
        if (f == field)
            return &note;
    return nullptr;
}

bool isIdentifier(Field f)
{
    return f == Field::LicenBroj || f == Field::MaticenBroj || f == Field::RegistarskiBroj;
}

QString statusText(RowStatus status)
{
    switch (status) {
    case RowStatus::Good: return QStringLiteral("ispravna");
    case RowStatus::Failed: return QStringLiteral("greska");
    case RowStatus::Appended: return QStringLiteral("dodadena");
    }
    return {};
}

QStringList reasonsOf(const RowResult& row)
{
    QStringList reasons;
    for (const import::RowProblem& p : row.problems)
        reasons << utf8(import::describe(p));
    return reasons;
}

QVariant statusData(const RowResult& row, int role)
{
    switch (role) {
    case Qt::DisplayRole:
        return statusText(row.status);
    case Qt::ToolTipRole: {
        const QStringList reasons = reasonsOf(row);
        return reasons.isEmpty() ? QVariant() : QVariant(reasons.join(QLatin1Char('\n')));
    }
    case Qt::BackgroundRole:
        return row.status == RowStatus::Failed ? QVariant(QBrush(kFailed)) : QVariant();
    case Qt::ForegroundRole:
        return row.status == RowStatus::Failed ? QVariant(QBrush(kOnFailed)) : QVariant();
    default:
        return {};
    }
}

QVariant fieldData(const RowResult& row, Field field, int role)
{
    if (const import::RowProblem* problem = row.fieldFailed(field) ? problemOf(row, field) : nullptr) {
        switch (role) {
        // A value that is missing shows why.
        case Qt::DisplayRole: return utf8(problem->value.empty() ? problem->reason : problem->value);
        case Qt::ToolTipRole: return utf8(problem->reason);
        case Qt::BackgroundRole: return QBrush(kFailed);
        case Qt::ForegroundRole: return QBrush(kOnFailed);
        default: return {};
        }
    }
    const std::string* note = noteOf(row, field);
    switch (role) {
    case Qt::DisplayRole:
        // "615 -> 0000000615": the zeros an identifier gained are shown.
        if (note && isIdentifier(field))
            return utf8(*note);
        // Names and the firm without the blanks that pad them.
        return bytesToText(row.stored(field)).trimmed();
    case Qt::ToolTipRole:
        if (field == Field::Mesec && row.monthsWorkedOut)
            return QString::fromLatin1(import::kMonthsWorkedOutNote);
        return note ? QVariant(utf8(*note)) : QVariant();
    case Qt::BackgroundRole:
        return note && isIdentifier(field) ? QVariant(QBrush(kNoted)) : QVariant();
    default:
        return {};
    }
}

} // namespace

void PreviewModel::setPlan(const import::ImportPlan* plan)
{
    beginResetModel();
    plan_ = plan;
    selectRows();
    endResetModel();
}

void PreviewModel::setFilter(Filter filter)
{
    beginResetModel();
    filter_ = filter;
    selectRows();
    endResetModel();
}

void PreviewModel::refresh()
{
    if (!shown_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void PreviewModel::selectRows()
{
    shown_.clear();
    if (!plan_)
        return;
    shown_.reserve(plan_->rows.size());
    for (std::size_t i = 0; i < plan_->rows.size(); ++i)
        if (filter_ == Filter::All || plan_->rows[i].status == RowStatus::Failed)
            shown_.push_back(static_cast<int>(i));
}

int PreviewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int PreviewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kProblemsColumn + 1;
}

QVariant PreviewModel::data(const QModelIndex& index, int role) const
{
    if (!plan_ || !index.isValid() || index.row() >= rowCount())
        return {};
    const RowResult& row = plan_->rows[static_cast<std::size_t>(shown_[static_cast<std::size_t>(index.row())])];
    if (index.column() == kRowColumn)
        return role == Qt::DisplayRole ? QVariant(row.sheetRow) : QVariant();
    if (index.column() == kStatusColumn)
        return statusData(row, role);
    if (index.column() == kProblemsColumn)
        return role == Qt::DisplayRole || role == Qt::ToolTipRole ? QVariant(reasonsOf(row).join(QStringLiteral("; ")))
                                                                 : QVariant();
    return fieldData(row, fieldAt(index.column() - kFirstFieldColumn), role);
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (section == kRowColumn)
        return QStringLiteral("Red");
    if (section == kStatusColumn)
        return QStringLiteral("Status");
    if (section == kProblemsColumn)
        return QStringLiteral("Greska");
    const std::string_view name = fieldName(fieldAt(section - kFirstFieldColumn));
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace dorvik
