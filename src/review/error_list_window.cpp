#include "review/error_list_window.h"

#include "platform/code_page.h"
#include "shell/row_list.h"

#include <QDateTime>
#include <QFile>
#include <QFontDatabase>
#include <QLabel>
#include <QLocale>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace dorvik {

void ErrorListModel::setList(std::string bytes)
{
    beginResetModel();
    bytes_ = std::move(bytes);
    rows_ = readErrorListRows(bytes_);
    longest_ = 0;
    for (const ErrorListRow& row : rows_)
        longest_ = std::max(longest_, static_cast<int>(row.text.size()));
    endResetModel();
}

std::optional<int> ErrorListModel::record(int row) const
{
    if (row < 0 || row >= rowCount())
        return std::nullopt;
    return rows_[static_cast<std::size_t>(row)].record;
}

int ErrorListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ErrorListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant ErrorListModel::data(const QModelIndex& index, int role) const
{
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const ErrorListRow& row = rows_[static_cast<std::size_t>(index.row())];
    if (index.column() == 0)
        return row.record ? QString::number(*row.record) : QString();
    return bytesToText(row.text);
}

QVariant ErrorListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || orientation != Qt::Horizontal)
        return {};
    return section == 0 ? QStringLiteral("Slog") : QStringLiteral("Opis na greskite");
}

std::optional<ReadResult> readErrorList(FileSystem& files, UserBoxes& boxes, const std::string& path)
{
    ReadResult read = readWhole(files, path);
    if (read.status.ok)
        return read;
    if (read.status.missing)
        tell(boxes, kNoErrorListMessage, Icon::Information, "KONTROLA");
    else
        tell(boxes, namedFailure(path, read.status.error));
    return std::nullopt;
}

ErrorListWindow::ErrorListWindow(QWidget* owner) : QWidget(owner, Qt::Window)
{
    setWindowTitle(QStringLiteral("Lista na greski"));

    source_ = new QLabel(this);
    source_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    model_ = new ErrorListModel(this);
    table_ = new QTableView(this);
    // The descriptions line up in their columns of blanks as in the file.
    table_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    table_->setModel(model_);
    setUpRowList(table_);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setColumnWidth(0, table_->fontMetrics().horizontalAdvance(QStringLiteral("000000")) + 16);
    connect(table_, &QTableView::activated, this, [this](const QModelIndex& index) {
        if (const auto record = model_->record(index.row()))
            emit recordChosen(*record);
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(source_);
    layout->addWidget(table_);
    resize(640, 420);
}

void ErrorListWindow::showList(const std::string& path, std::optional<std::time_t> written,
                               std::string bytes)
{
    QString line = QFile::decodeName(QByteArray::fromStdString(path));
    if (written) {
        const QDateTime when = QDateTime::fromSecsSinceEpoch(static_cast<qint64>(*written));
        line += QStringLiteral(", zapisana ") + QLocale().toString(when, QLocale::ShortFormat);
    }
    source_->setText(line);
    model_->setList(std::move(bytes));
    // The descriptions at their full length, side by side: scrolled, never
    // cut. Measured whole: a glyph's advance is fractional, and rounding it
    // once per character would fall short on a long line.
    const int characters = std::max(model_->longestText(), 40);
    const QString widest(characters, QLatin1Char('0'));
    table_->setColumnWidth(1, table_->fontMetrics().horizontalAdvance(widest) + 16);
    if (model_->rowCount() > 0)
        table_->setCurrentIndex(model_->index(0, 0));
}

QString ErrorListWindow::sourceLine() const
{
    return source_->text();
}

} // namespace dorvik
