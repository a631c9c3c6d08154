// dorvik's command line: the report files to open, -h/--help and
// -V/--version, described in the program's language (Qt's own words of the
// help through the program's translation).
#pragma once

#include <QCommandLineOption>

class QCommandLineParser;

namespace dorvik {

struct CommandLineOptions {
    QCommandLineOption help;
    QCommandLineOption version;
};

// Describes the options and arguments to the parser; returns the two
// options the caller answers. They are the program's own rather than Qt's:
// Qt's version option is -v, and its help option adds --help-all, whose
// text of Qt's options no translation reaches.
CommandLineOptions describeCommandLine(QCommandLineParser& parser);

} // namespace dorvik
