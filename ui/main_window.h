// The main window: a menu bar from which every calculation is opened.
#pragma once

#include <QMainWindow>

namespace quillon {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
};

} // namespace quillon
