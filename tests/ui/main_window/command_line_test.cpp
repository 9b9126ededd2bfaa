// The command line: what --help, --version and unknown options answer, read in the process and
// from the real program started without any display.
#include "ui/main_window/command_line.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QtTest>

#include <vector>

using namespace quillon;

class CommandLineTest : public QObject {
    Q_OBJECT

private slots:
    void answers_each_command_line_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");

        const QString usage = QStringLiteral("Usage: quillon [options]");
        const QString version = QStringLiteral("Quillon Version %1.%2\n")
                                    .arg(QUILLON_VERSION_MAJOR)
                                    .arg(QUILLON_VERSION_MINOR);
        QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << QString();
        QTest::newRow("-h") << QStringList{"-h"} << 0 << usage << QString();
        QTest::newRow("-help, as Qt programs take it")
            << QStringList{"-help"} << 0 << usage << QString();
        QTest::newRow("--help-all is not Qt's here")
            << QStringList{"--help-all"} << kUsageError << QString()
            << QStringLiteral("Unknown option 'help-all'.");
        QTest::newRow("help before an unknown option wins")
            << QStringList{"--help", "--frobnicate"} << kUsageError << QString() << usage;
        QTest::newRow("--version") << QStringList{"--version"} << 0 << version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << 0 << version << QString();
        QTest::newRow("help and version: help")
            << QStringList{"-v", "-h"} << 0 << usage << QString();
        QTest::newRow("unknown long option")
            << QStringList{"--frobnicate"} << kUsageError << QString()
            << QStringLiteral("quillon: Unknown option 'frobnicate'.");
        QTest::newRow("unknown short option") << QStringList{"-x"} << kUsageError << QString()
                                              << QStringLiteral("quillon: Unknown option 'x'.");
        QTest::newRow("a file name") << QStringList{"data.txt"} << kUsageError << QString()
                                     << QStringLiteral("quillon: Unexpected argument 'data.txt'.");
        QTest::newRow("a value given to --version")
            << QStringList{"--version=2"} << kUsageError << QString() << usage;
        QTest::newRow("a Qt option without its value")
            << QStringList{"-platform"} << kUsageError << QString()
            << QStringLiteral("Missing value after '-platform'.");
    }

    void answers_each_command_line() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, output);
        QFETCH(QString, error);

        arguments.prepend(QStringLiteral("quillon"));
        const std::optional<CommandLineAnswer> answer = answerCommandLine(arguments);
        QVERIFY(answer.has_value());
        QCOMPARE(answer->exitStatus, status);
        if (output.isEmpty())
            QVERIFY(answer->standardOutput.isEmpty());
        else
            QVERIFY2(answer->standardOutput.contains(output), qPrintable(answer->standardOutput));
        if (error.isEmpty())
            QVERIFY(answer->standardError.isEmpty());
        else
            QVERIFY2(answer->standardError.contains(error), qPrintable(answer->standardError));
        // A usage error shows the usage too, so that the user sees what is known.
        if (status == kUsageError)
            QVERIFY(answer->standardError.contains(QStringLiteral("--version")));
    }

    void help_lists_the_programs_options_and_not_qts() {
        const auto answer = answerCommandLine(QStringList{"quillon", "--help"});
        QVERIFY(answer.has_value());
        QVERIFY(answer->standardOutput.contains(QStringLiteral("-h, --help")));
        QVERIFY(answer->standardOutput.contains(QStringLiteral("-v, --version")));
        QVERIFY(!answer->standardOutput.contains(QStringLiteral("platform")));
        QVERIFY(!answer->standardOutput.contains(QStringLiteral("stylesheet")));
    }

    void qt_options_and_no_options_open_the_program_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("nothing") << QStringList{};
        QTest::newRow("-platform") << QStringList{"-platform", "offscreen"};
        QTest::newRow("--platform=") << QStringList{"--platform=xcb"};
        QTest::newRow("-style") << QStringList{"-style", "Fusion"};
        QTest::newRow("-reverse and -display")
            << QStringList{"-reverse", "-display", ":0", "-qwindowgeometry", "640x480+0+0"};
    }

    void qt_options_and_no_options_open_the_program() {
        QFETCH(QStringList, arguments);
        arguments.prepend(QStringLiteral("quillon"));
        QVERIFY(!answerCommandLine(arguments).has_value());
    }

    // The installed program answers in a terminal with no display at all.
    void the_program_answers_without_a_display_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QByteArray>("error");
        QTest::newRow("--help") << QStringList{"--help"} << 0
                                << QByteArray("Usage: quillon [options]") << QByteArray();
        QTest::newRow("--version")
            << QStringList{"--version"} << 0 << QByteArray("Quillon Version ") << QByteArray();
        QTest::newRow("--bogus") << QStringList{"--bogus"} << kUsageError << QByteArray()
                                 << QByteArray("quillon: Unknown option 'bogus'.");
    }

    void the_program_answers_without_a_display() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QByteArray, output);
        QFETCH(QByteArray, error);

        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(QUILLON_PROGRAM), arguments);
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), status);
        const QByteArray standardOutput = program.readAllStandardOutput();
        const QByteArray standardError = program.readAllStandardError();
        QCOMPARE(standardOutput.isEmpty(), output.isEmpty());
        QVERIFY2(standardOutput.contains(output), standardOutput.constData());
        QCOMPARE(standardError.isEmpty(), error.isEmpty());
        QVERIFY2(standardError.contains(error), standardError.constData());
    }
};

// The usage names the program by the first argument, as the program's own main() gives it.
int main(int argc, char* argv[]) {
    std::vector<char*> arguments(argv, argv + argc);
    char name[] = "quillon";
    arguments.front() = name;
    const QCoreApplication application(argc, arguments.data());
    CommandLineTest test;
    return QTest::qExec(&test, argc, arguments.data());
}
#include "command_line_test.moc"
