#include "ui/main_window/command_line.h"

#include "ui/information/information_parts.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <array>
#include <vector>

namespace quillon {

namespace {

// Qt's own options of QGuiApplication, its X11 platform and QApplication: the program leaves
// them to Qt, unlisted in its usage.
constexpr std::array kQtOptionsWithValue = {"platform",        "platformpluginpath",
                                            "platformtheme",   "plugin",
                                            "qwindowgeometry", "qwindowicon",
                                            "qwindowtitle",    "session",
                                            "display",         "name",
                                            "title",           "geometry",
                                            "visual",          "style",
                                            "stylesheet",      "qmljsdebugger",
                                            "dialogs"};
constexpr std::array kQtFlags = {"reverse", "widgetcount", "sync", "nograb", "dograb"};

void addQtOptions(QCommandLineParser& parser) {
    for (const char* name : kQtOptionsWithValue) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

QString usageError(const QString& error, const QString& usage) {
    return QCoreApplication::applicationName() + QStringLiteral(": ") + error +
           QStringLiteral("\n\n") + usage;
}

} // namespace

std::optional<CommandLineAnswer> answerCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Quillon: statistical calculators for probabilities and critical values,\n"
                       "tests on means, percents and counts, sample sizes and correlation."));
    // Qt's options are single-dash words (-platform offscreen), not bundles of letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    // The program's own two options; Qt's --help-all would promise Qt's options, which the
    // usage leaves out.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Prints this help and exits."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Prints the version and exits."));
    parser.addOption(help);
    parser.addOption(version);
    addQtOptions(parser);

    if (!parser.parse(arguments)) {
        return CommandLineAnswer{kUsageError, QString(),
                                 usageError(parser.errorText(), parser.helpText())};
    }
    if (parser.isSet(help))
        return CommandLineAnswer{0, parser.helpText(), QString()};
    if (parser.isSet(version)) {
        return CommandLineAnswer{0, QStringLiteral("Quillon ") + versionLine() + QLatin1Char('\n'),
                                 QString()};
    }
    if (!parser.positionalArguments().isEmpty()) {
        const QString error = QStringLiteral("Unexpected argument '%1'.")
                                  .arg(parser.positionalArguments().constFirst());
        return CommandLineAnswer{kUsageError, QString(), usageError(error, parser.helpText())};
    }
    return std::nullopt;
}

std::optional<CommandLineAnswer> answerCommandLine(int argc, char* argv[]) {
    if (argc <= 1)
        return std::nullopt;
    // The usage names the program as it is typed, without the folder it was started from.
    QByteArray name = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName().toLocal8Bit();
    std::vector<char*> named(argv, argv + argc);
    named.front() = name.data();
    int namedCount = argc;
    const QCoreApplication application(namedCount, named.data());
    return answerCommandLine(QCoreApplication::arguments());
}

} // namespace quillon
