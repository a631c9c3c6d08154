// The facsimile of the printed yearly report form that both screens show:
// the header cells, the four group headings, the ten numbered columns and the
// 15 field boxes, in the form's colours (bold Arial, navy on silver). The
// screens add their own band of counters and buttons below it.
#pragma once

#include "check/checked_screen.h"
#include "data/report_record.h"
#include "shell/form_layout.h"

#include <QWidget>

#include <array>

class QLineEdit;

namespace dorvik {

class ReportForm : public QWidget {
    Q_OBJECT
public:
    using Kind = FormKind;

    explicit ReportForm(Kind kind, QWidget* parent = nullptr);

    QLineEdit* box(Field field) const { return boxes_[static_cast<int>(field)]; }
    // In field order, as a RecordBinding takes them.
    const std::array<QLineEdit*, kFieldCount>& boxes() const { return boxes_; }

    // The object name of a field's box ("txtCasovi", "txtRegBrojV", ...).
    static QString boxName(Field field, Kind kind);

private:
    std::array<QLineEdit*, kFieldCount> boxes_{};
};

// Paints a field box: silver (192,192,192), red (255,0,0) or yellow
// (255,255,0) behind navy text. Style sheets, since palettes are ignored once
// any style sheet is in use.
void paintBox(QLineEdit* box, BoxColour colour);

} // namespace dorvik
