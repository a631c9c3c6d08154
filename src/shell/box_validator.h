// What a box lets the user put into it, whether typed, pasted, dropped or
// composed through an input method:
// - no control character (below U+0020, and U+007F): pasted into a box, a
//   line break would end its record early in the file. A line break (CR LF
//   counted as one) or a TAB becomes one blank, any other is taken out of
//   what the user inserts;
// - only characters of the report file's code page; an insertion with any
//   other is refused whole, and a tooltip at the box names the character;
// - with a width, never more characters than that: stored values are
//   blank-padded to full width, so a box is usually full, and a character
//   typed into it pushes out as many trailing blanks behind the cursor as it
//   needs (a name is corrected without deleting first). Anything else that
//   would overflow is refused. Boxes without a width have a maximum length.
// Only what the user inserts is judged: text the program puts into the box
// (a record read from the file, an auto-fill value) is taken as it is, and a
// box showing a byte of the file that the rules above would refuse still
// edits normally.
#pragma once

#include <QValidator>

class QLineEdit;

namespace dorvik {

// "Znakot 'Ž' go nema vo kodnata strana na datotekata"
QString refusedCharacterMessage(const QString& character);

class BoxValidator : public QValidator {
    Q_OBJECT
public:
    // Becomes the box's validator. width 0: the box's maximum length keeps
    // it short.
    BoxValidator(QLineEdit* box, int width = 0);

    State validate(QString& input, int& pos) const override;

private:
    void refuse(const QString& character) const;

    QLineEdit* box_;
    int width_;
    QString before_; // the box's text before the change being judged
};

} // namespace dorvik
