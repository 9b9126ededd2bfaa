#include "main_window.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Help and other files are looked up beside the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    quillon::MainWindow window;
    window.show();
    return app.exec();
}
