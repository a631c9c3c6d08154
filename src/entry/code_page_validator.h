// Keeps characters that the report file's code page cannot hold out of a
// box, typed or pasted: such a text could not be saved byte for byte.
#pragma once

#include <QValidator>

namespace dorvik {

class CodePageValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace dorvik
