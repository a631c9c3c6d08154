#include "app/command_line.h"

#include <QCommandLineParser>

namespace dorvik {

CommandLineOptions describeCommandLine(QCommandLineParser& parser)
{
    // The wording follows the other tools' (src/cli/usage.h).
    parser.setApplicationDescription(QStringLiteral(
        "Gi podgotvuva i kontrolira godisnite prijavi za osiguran staz, rabotni casovi i\n"
        "plati na vrabotenite. Sekoja DATOTEKA se otvora za pregled i korekcija, kako sto\n"
        "komandata \"Kontrola i korekcija na prijavi...\" ja otvora datotekata izbrana vo\n"
        "svojot dijalog."));
    CommandLineOptions options{
        {{QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("?")},
         QStringLiteral("Ja pecati ovaa pomos i zavrsuva.")},
        {{QStringLiteral("V"), QStringLiteral("version")},
         QStringLiteral("Ja pecati verzijata i zavrsuva.")},
    };
    parser.addOption(options.help);
    parser.addOption(options.version);
    parser.addPositionalArgument(QStringLiteral("DATOTEKA"),
                                 QStringLiteral("Datoteka so prijavi za pregled."),
                                 QStringLiteral("[DATOTEKA...]"));
    return options;
}

} // namespace dorvik
