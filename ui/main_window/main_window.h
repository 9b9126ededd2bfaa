// The main window: a menu bar from which every calculation is opened.
#pragma once

#include "ui/main_window/menu_table.h"
#include "ui/main_window/program_windows.h"

#include <QMainWindow>
#include <QPointer>

#include <map>
#include <string>
#include <string_view>

class QDialog;
class QMenu;

namespace quillon {

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(WindowRegistry windows = programWindows(), QWidget* parent = nullptr);

    // Opens the named window over this one, modal to it and prepared from scratch; a window that
    // is already open is only brought to the front.
    void openWindow(std::string_view name);

    // The named window while it is open, or nullptr.
    QDialog* openedWindow(std::string_view name) const;

protected:
    // Closes every other window in a fixed order; the program ends with the last window.
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenu();
    QMenu* addMenu(QWidget* container, std::string_view name, std::string_view caption);
    void addFixedMenu(const FixedMenu& fixed);
    void addItem(QWidget* container, const MenuItem& item);
    void exitProgram();
    void showHelpContents();

    WindowRegistry windows_;
    std::map<std::string, QPointer<QDialog>, std::less<>> opened_;
};

} // namespace quillon
