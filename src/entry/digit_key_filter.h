// The key filter of the entry screen's digit boxes: of the keys that type a
// character only "0" to "9" pass; Backspace and the other control
// characters are discarded. Keys that type nothing (Delete, the arrows) and
// the focus keys Tab and Shift+Tab keep their effect. What an input method
// composes (a dead key, compose sequences) is held to the same rule. Pasted
// text does not come through here.
#pragma once

#include <QObject>

namespace dorvik {

class DigitKeyFilter : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace dorvik
