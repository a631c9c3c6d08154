// Where everything of the report form stands: every printed text and cell
// and the box of each field, in the screen's pixels (at 96 dots per inch).
// The screens build their form from it, and the record is printed from it.
#pragma once

#include "data/report_record.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <array>
#include <vector>

namespace dorvik {

enum class FormKind {
    Review, // boxes txtGodina ... txtSifraStaz
    Entry,  // boxes txtGodinaV ... txtSifraStazV
};

struct FormCell {
    enum class Look {
        Text,     // a printed text on the form's ground
        Framed,   // a text in a thin black frame (headings of the columns)
        Number,   // a column's number: framed, on light yellow
        Empty,    // a framed grey cell without a field (columns 6 and 7)
    };
    Look look = Look::Text;
    QString text;
    QRect rect;
    QFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    QString name; // the label's object name on the screen, where it has one
};

struct FormLayout {
    QSize size;
    std::vector<FormCell> cells;
    std::array<QRect, kFieldCount> boxes; // in field order
};

FormLayout reportFormLayout(FormKind kind);

// How a field's value stands in its box: the year to the left, the others
// centred.
Qt::Alignment boxAlignment(Field field);

// The form's font: bold Arial 9.75 pt.
QFont formFont();

} // namespace dorvik
