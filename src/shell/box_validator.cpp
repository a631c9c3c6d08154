#include "shell/box_validator.h"

#include "platform/code_page.h"

#include <QApplication>
#include <QLineEdit>
#include <QToolTip>

namespace dorvik {

namespace {

bool isControl(QChar c)
{
    return c.unicode() < 0x20 || c.unicode() == 0x7F;
}

} // namespace

BoxValidator::BoxValidator(QLineEdit* box, int width)
    : QValidator(box), box_(box), width_(width), before_(box->text())
{
    box->setValidator(this);
    connect(box, &QLineEdit::textChanged, this, [this](const QString& text) { before_ = text; });
}

void BoxValidator::refuse(const QString& character) const
{
    // Said at once where the user looks, so that "Žarko" never silently
    // becomes "arko".
    QToolTip::showText(box_->mapToGlobal(QPoint(0, box_->height())),
                       refusedCharacterMessage(character), box_);
    QApplication::beep();
}

QString refusedCharacterMessage(const QString& character)
{
    return QStringLiteral("Znakot '%1' go nema vo kodnata strana na datotekata").arg(character);
}

QValidator::State BoxValidator::validate(QString& input, int& pos) const
{
    // The program's own text: the line edit has just been set, so nothing
    // in it is the user's yet.
    if (!box_->isModified())
        return Acceptable;

    // What the user inserted: what stands between the beginning and the end
    // that the text before the change shares with the new one.
    const qsizetype most = std::min(input.size(), before_.size());
    qsizetype head = 0;
    while (head < most && input.at(head) == before_.at(head))
        ++head;
    qsizetype tail = 0;
    while (tail < most - head
           && input.at(input.size() - 1 - tail) == before_.at(before_.size() - 1 - tail))
        ++tail;
    const qsizetype insertedEnd = input.size() - tail;

    QString kept;
    for (qsizetype i = head; i < insertedEnd; ++i) {
        const QChar c = input.at(i);
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QLatin1Char('\t')) {
            // A line break (CR LF as one) or a TAB pasted between words
            // keeps them apart.
            if (!(c == QLatin1Char('\n') && i > head && input.at(i - 1) == QLatin1Char('\r')))
                kept += QLatin1Char(' ');
            continue;
        }
        if (isControl(c))
            continue;
        if (!isInCodePage(c)) {
            // A character beyond U+FFFF is named whole, not by its first half.
            refuse(input.mid(i, c.isHighSurrogate() && i + 1 < insertedEnd ? 2 : 1));
            return Invalid;
        }
        kept += c;
    }
    if (kept != QStringView(input).mid(head, insertedEnd - head)) {
        const qsizetype removed = insertedEnd - head - kept.size();
        input = input.left(head) + kept + input.mid(insertedEnd);
        if (pos >= insertedEnd)
            pos -= static_cast<int>(removed);
        else if (pos > head)
            pos = static_cast<int>(std::min<qsizetype>(pos, head + kept.size()));
    }

    if (width_ == 0)
        return Acceptable;
    const qsizetype excess = input.size() - width_;
    if (excess <= 0)
        return Acceptable;
    // Only blanks behind the cursor may go: what the user typed, and what
    // stands before it, is never cut.
    const qsizetype tailStart = input.size() - excess;
    if (tailStart < pos)
        return Invalid;
    for (qsizetype i = tailStart; i < input.size(); ++i)
        if (input.at(i) != QLatin1Char(' '))
            return Invalid;
    input.truncate(tailStart);
    return Acceptable;
}

} // namespace dorvik
