#include "main_window.h"

#include <QMenuBar>

namespace quillon {

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("MainMenu");
    setWindowTitle("Quillon");
    menuBar();
}

} // namespace quillon
