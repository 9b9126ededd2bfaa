#include "ui/common/program_icon.h"
#include "ui/common/report_settings.h"
#include "ui/common/visible_edges_style.h"
#include "ui/information/deployment.h"
#include "ui/main_window/command_line.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QSettings>

#include <cstdio>

int main(int argc, char* argv[]) {
    // --help and --version answer before any display is opened.
    if (const auto answer = quillon::answerCommandLine(argc, argv)) {
        std::fputs(answer->standardOutput.toLocal8Bit().constData(), stdout);
        std::fputs(answer->standardError.toLocal8Bit().constData(), stderr);
        return answer->exitStatus;
    }
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Quillon"));
    QCoreApplication::setApplicationName(QStringLiteral("quillon"));
    // The report's choices are saved between runs, the one thing the program saves.
    quillon::rememberReportSettings(quillon::reportSettings(), new QSettings);
    app.setWindowIcon(quillon::programIcon());
    quillon::useVisibleEdgesStyle();
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(quillon::desktopFileName());
    // Whatever the program looks up by bare file name is found beside it.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    quillon::MainWindow window;
    window.show();
    return app.exec();
}
