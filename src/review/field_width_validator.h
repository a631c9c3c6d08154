// Keeps a field box within its field's width and the code page. Stored
// values are blank-padded to full width, so a box is usually full: a
// character typed into it pushes out as many trailing blanks as it needs
// (a name can be corrected without deleting first). Anything else that would
// overflow, and any character the file cannot hold, is refused.
#pragma once

#include <QValidator>

namespace dorvik {

class FieldWidthValidator : public QValidator {
    Q_OBJECT
public:
    FieldWidthValidator(int width, QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;

    int width() const { return width_; }

private:
    int width_;
};

} // namespace dorvik
