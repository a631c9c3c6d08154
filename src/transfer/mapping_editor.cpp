#include "transfer/mapping_editor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace dorvik {

namespace {

// What the source box holds besides the columns (0 on).
constexpr int kNoSource = -1;
constexpr int kFixedValue = -2;

QString nameOf(Field field)
{
    const std::string_view name = fieldName(field);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

} // namespace

MappingEditor::MappingEditor(QWidget* parent) : QWidget(parent)
{
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(3);
    for (int i = 0; i < kFieldCount; ++i) {
        const Field f = fieldAt(i);
        Row& row = rows_[i];
        auto* label = new QLabel(nameOf(f), this);
        row.source = new QComboBox(this);
        row.source->setObjectName(QStringLiteral("cboKolona") + nameOf(f));
        row.source->setToolTip(QStringLiteral("Od koja kolona se zema poleto ") + nameOf(f));
        label->setBuddy(row.source);
        row.value = new QLineEdit(this);
        row.value->setObjectName(QStringLiteral("txtVrednost") + nameOf(f));
        row.value->setToolTip(QStringLiteral("Vrednost za site redovi"));
        grid->addWidget(label, i, 0);
        grid->addWidget(row.source, i, 1);
        // Beside the source: the value, or for the name its second column;
        // only the one that counts is shown.
        grid->addWidget(row.value, i, 2);
        if (f == Field::ImePrezime) {
            row.second = new QComboBox(this);
            row.second->setObjectName(QStringLiteral("cboKolonaIme"));
            row.second->setToolTip(QStringLiteral("Imeto, od vtora kolona (prezimeto e vo prvata)"));
            grid->addWidget(row.second, i, 2);
            connect(row.second, &QComboBox::currentIndexChanged, this, [this, f] { showRow(f); });
        }
        connect(row.source, &QComboBox::currentIndexChanged, this, [this, f] { showRow(f); });
        // Typing a value makes the value the field's source.
        connect(row.value, &QLineEdit::textEdited, this, [this, f] {
            QComboBox* source = rows_[static_cast<int>(f)].source;
            if (source->currentData().toInt() == kNoSource) {
                const QSignalBlocker block(source);
                source->setCurrentIndex(source->findData(kFixedValue));
            }
            typing_ = true;
            showRow(f);
            typing_ = false;
        });
        connect(row.value, &QLineEdit::editingFinished, this, &MappingEditor::changed);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    setColumns({});
}

void MappingEditor::fillSources(Field field)
{
    Row& row = rows_[static_cast<int>(field)];
    const QSignalBlocker blockSource(row.source);
    row.source->clear();
    row.source->addItem(field == Field::Mesec ? QStringLiteral("(presmetaj od periodot)")
                                              : QStringLiteral("(nema)"),
                        kNoSource);
    for (int c = 0; c < columns_.size(); ++c)
        row.source->addItem(columns_[c], c);
    row.source->addItem(QStringLiteral("vrednost:"), kFixedValue);
    if (row.second) {
        const QSignalBlocker blockSecond(row.second);
        row.second->clear();
        row.second->addItem(QStringLiteral("(bez vtora kolona)"), kNoSource);
        for (int c = 0; c < columns_.size(); ++c)
            row.second->addItem(QStringLiteral("+ ") + columns_[c], c);
    }
}

void MappingEditor::setColumns(const QStringList& columns)
{
    columns_ = columns;
    for (int i = 0; i < kFieldCount; ++i)
        fillSources(fieldAt(i));
    setMapping(mapping_);
}

void MappingEditor::setMapping(const import::Mapping& mapping)
{
    mapping_ = mapping;
    showing_ = true;
    for (int i = 0; i < kFieldCount; ++i) {
        const import::FieldSource& s = mapping.fields[i];
        Row& row = rows_[i];
        const int wanted = s.kind == import::SourceKind::Column  ? s.column
                           : s.kind == import::SourceKind::Fixed ? kFixedValue
                                                                 : kNoSource;
        const int at = row.source->findData(wanted);
        row.source->setCurrentIndex(at >= 0 ? at : 0);
        if (row.second) {
            const int second = row.second->findData(s.kind == import::SourceKind::Column ? s.secondColumn : kNoSource);
            row.second->setCurrentIndex(second >= 0 ? second : 0);
        }
        row.value->setText(QString::fromStdString(s.value));
        showRow(fieldAt(i));
    }
    showing_ = false;
}

void MappingEditor::showRow(Field field)
{
    Row& row = rows_[static_cast<int>(field)];
    const int chosen = row.source->currentData().toInt();
    import::FieldSource& s = mapping_[field];
    s = {};
    if (chosen == kFixedValue) {
        s.kind = import::SourceKind::Fixed;
        s.value = row.value->text().toStdString();
    } else if (chosen >= 0) {
        s.kind = import::SourceKind::Column;
        s.column = chosen;
        if (row.second)
            s.secondColumn = row.second->currentData().toInt();
    }
    // The value box greyed while a column gives the field; the name's
    // second column in its place unless the name is a value.
    row.value->setEnabled(chosen < 0);
    if (row.second) {
        row.value->setVisible(chosen == kFixedValue);
        row.second->setVisible(chosen != kFixedValue);
        row.second->setEnabled(chosen >= 0);
    }
    if (!showing_)
        emit typing_ ? valueTyped() : changed();
}

import::Mapping MappingEditor::mapping() const
{
    return mapping_;
}

} // namespace dorvik
