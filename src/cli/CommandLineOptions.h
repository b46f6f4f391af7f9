#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

namespace corvane {

// Every option the program takes: its own, Qt's (which the application
// object reads from the arguments), help and version. Parsing needs no
// application object, so a wrong command line is told without a display.
class CommandLineOptions {
public:
    CommandLineOptions();

    // False when the arguments do not parse; errorText() says why.
    bool parse(const QStringList& arguments);
    QString errorText() const { return parser_.errorText(); }

    bool isSet(const QString& name) const { return parser_.isSet(name); }
    QString value(const QString& name) const { return parser_.value(name); }
    QStringList positionalArguments() const { return parser_.positionalArguments(); }

    bool wantsHelp() const;
    bool wantsHelpAll() const;
    bool wantsVersion() const;
    // True when one of Qt's own options chooses the platform.
    bool choosesPlatform() const { return parser_.isSet(QStringLiteral("platform")); }

    // The names of the program's own options (jobs and their options).
    static QStringList programOptionNames();
    // An option's value as the usage line shows it ("WxH"); empty for a flag.
    static QString valueName(const QString& name);

    // The options and arguments part of the help, without its usage line.
    QString optionsHelp() const;
    // Qt's own options, for --help-all.
    static QString qtOptionsHelp();

private:
    QCommandLineParser parser_;
};

}  // namespace corvane
