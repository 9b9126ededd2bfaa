#include "main_window.h"
#include "program_icon.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setWindowIcon(quillon::programIcon());
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("quillon"));
    // Whatever the program looks up by bare file name is found beside it.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    quillon::MainWindow window;
    window.show();
    return app.exec();
}
