#include "untranslated_texts.h"

#include <QMutexLocker>

#include <utility>

namespace dorvik::testing {

UntranslatedTexts::UntranslatedTexts()
{
    (void)program_.load(QStringLiteral(":/i18n/dorvik_mk.qm"));
}

QString UntranslatedTexts::translate(const char* context, const char* source,
                                     const char* disambiguation, int n) const
{
    if (source && *source && program_.translate(context, source, disambiguation, n).isEmpty()) {
        QMutexLocker lock(&mutex_);
        missing_.insert({context ? context : "", source, disambiguation ? disambiguation : ""});
    }
    return {};
}

std::set<QtText> UntranslatedTexts::take()
{
    QMutexLocker lock(&mutex_);
    return std::exchange(missing_, {});
}

std::string asTsEntries(const std::set<QtText>& texts)
{
    // One line each: line breaks as character references.
    auto xml = [](const std::string& text) {
        return QString::fromUtf8(text).toHtmlEscaped().replace('\n', "&#10;").toStdString();
    };
    std::string entries;
    for (const QtText& text : texts) {
        entries += "<context><name>" + xml(text.context) + "</name><message><source>"
                   + xml(text.source) + "</source>";
        if (!text.disambiguation.empty())
            entries += "<comment>" + xml(text.disambiguation) + "</comment>";
        entries += "<translation></translation></message></context>\n";
    }
    return entries;
}

} // namespace dorvik::testing
