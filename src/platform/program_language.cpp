#include "platform/program_language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTranslator>

namespace dorvik {

bool installProgramLanguage()
{
    if (QLocale::system().language() == QLocale::C)
        QLocale::setDefault(QLocale(QLocale::Macedonian));
    // Built from resources/translations/dorvik_mk.ts into the resources.
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (!translator->load(QStringLiteral(":/i18n/dorvik_mk.qm"))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

} // namespace dorvik
