// The mapping of an import as the user sets it: for each of the fifteen
// fields a column of the sheet or one value for every row (the name may take
// a second column, the given name after the surname).
#pragma once

#include "import/mapping.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QComboBox;
class QLineEdit;

namespace dorvik {

class MappingEditor : public QWidget {
    Q_OBJECT
public:
    explicit MappingEditor(QWidget* parent = nullptr);

    // The columns to choose from, as the user sees them ("A: Licen broj").
    void setColumns(const QStringList& columns);
    // Shows the mapping; changed() is not emitted.
    void setMapping(const import::Mapping& mapping);
    // The mapping shown (its header mark as last set).
    import::Mapping mapping() const;

    QComboBox* source(Field field) const { return rows_[static_cast<int>(field)].source; }
    QComboBox* secondColumn() const { return rows_[static_cast<int>(Field::ImePrezime)].second; }
    QLineEdit* value(Field field) const { return rows_[static_cast<int>(field)].value; }

signals:
    // A source was chosen, or a value finished (Enter, or the focus left it).
    void changed();
    // A key was typed into a value: more may follow.
    void valueTyped();

private:
    struct Row {
        QComboBox* source = nullptr;
        QComboBox* second = nullptr; // ImePrezime only
        QLineEdit* value = nullptr;
    };
    void fillSources(Field field);
    void showRow(Field field);

    std::array<Row, kFieldCount> rows_;
    QStringList columns_;
    import::Mapping mapping_;
    bool showing_ = false;
    bool typing_ = false;
};

} // namespace dorvik
