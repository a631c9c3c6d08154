// The widgets both screens build their bands from, below the form: counter
// boxes with their labels, band buttons, and the look they share.
#pragma once

#include <QToolButton>

class QLineEdit;

namespace dorvik {

// The band's font: the form's, a little smaller.
QFont bandFont();

// A read-only counter box (txtRecords, txtPozicija, ...): yellow text on
// navy, never taking the focus.
QLineEdit* counterBox(const char* name, const char* tooltip, QWidget* parent);

// The counter with its caption under it, as on the printed form's band.
QWidget* counterWithCaption(QLineEdit* box, const char* caption, QWidget* parent);

// A band button of the review screen: a picture above its caption in its own
// colour; Enter presses it as the space bar does.
class BandButton : public QToolButton {
public:
    // colour: a style sheet colour ("rgb(255,255,0)"), or nullptr for the
    // style's own. Without a picture the caption stands alone.
    BandButton(const char* name, const char* caption, const char* tooltip, const char* colour,
               QWidget* parent);
    void setPicture(const QIcon& picture);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// A hidden widget keeps its place, so that its neighbours do not move when
// it comes and goes.
void keepPlaceWhenHidden(QWidget* widget);

} // namespace dorvik
