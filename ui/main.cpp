#include "main_window.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Whatever the program looks up by bare file name is found beside it.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    quillon::MainWindow window;
    window.show();
    return app.exec();
}
