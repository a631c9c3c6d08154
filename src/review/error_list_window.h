// "Lista na greski": the error list of the review screen's file, read back
// and shown as a table (record number, description), from which the user
// goes to a record. Owned by the review screen, modeless, closing with it.
#pragma once

#include "check/error_list.h"
#include "platform/file_system.h"
#include "platform/user_boxes.h"

#include <QAbstractTableModel>
#include <QWidget>

#include <ctime>
#include <optional>
#include <string>
#include <vector>

class QLabel;
class QTableView;

namespace dorvik {

// The rows of a list as a table model: "Slog" (the record number without
// leading zeros, empty for a line without one) and "Opis na greskite" (the
// rest of the line through the code page). The model holds the list's
// bytes once and the rows as views into them.
class ErrorListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setList(std::string bytes);
    // The record number of a row, if its line has one.
    std::optional<int> record(int row) const;
    // The length of the longest description, in characters.
    int longestText() const { return longest_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::string bytes_;
    std::vector<ErrorListRow> rows_;
    int longest_ = 0;
};

inline constexpr const char* kNoErrorListMessage =
    "Listata na greski ne postoi. Pritisnete Kontrola za da ja napravite.";

// Reads the list at path whole; after telling the user why not, nothing: "Listata na
// greski ne postoi. ..." when there is no list, else the platform's message.
std::optional<ReadResult> readErrorList(FileSystem& files, UserBoxes& boxes, const std::string& path);

class ErrorListWindow : public QWidget {
    Q_OBJECT
public:
    explicit ErrorListWindow(QWidget* owner);

    // Shows the list read from path (file system bytes), last written then.
    void showList(const std::string& path, std::optional<std::time_t> written, std::string bytes);

    QTableView* table() const { return table_; }
    const ErrorListModel& model() const { return *model_; }
    // "PATH, zapisana DATE TIME"
    QString sourceLine() const;

signals:
    // A row with a record number was activated (double click, Enter).
    void recordChosen(int record);

private:
    QLabel* source_;
    QTableView* table_;
    ErrorListModel* model_;
};

} // namespace dorvik
