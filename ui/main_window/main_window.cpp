#include "ui/main_window/main_window.h"

#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"
#include "ui/help/help_viewer.h"
#include "ui/main_window/menu_table.h"
#include "ui/main_window/placement.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <vector>

namespace quillon {

namespace {

constexpr int kMainWidth = 8110;
constexpr int kMainHeight = 7290;

using Command = void (MainWindow::*)();

} // namespace

MainWindow::MainWindow(WindowRegistry windows, QWidget* parent)
    : QMainWindow(parent), windows_(std::move(windows)) {
    setObjectName(QStringLiteral("MainMenu"));
    setWindowTitle(QStringLiteral("Quillon"));
    resize(fromTwips(kMainWidth), fromTwips(kMainHeight));
    if (const QScreen* display = screen()) {
        move(centredOver(display->geometry(), size()));
    }
    buildMenu();
}

void MainWindow::buildMenu() {
    const std::map<std::string_view, Command> commands = {
        {"FileExit", &MainWindow::exitProgram},
        {"HelpContents", &MainWindow::showHelpContents},
        {"HelpSearch", &MainWindow::showHelpContents},
    };
    const auto entries = menuEntries();
    // containers[d] holds the entries of depth d: the menu bar, then the open menu at each depth.
    std::vector<QWidget*> containers = {menuBar()};
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const MenuEntry& entry = entries[i];
        containers.resize(static_cast<std::size_t>(entry.depth) + 1);
        QWidget* container = containers.back();
        const bool isMenu = i + 1 < entries.size() && entries[i + 1].depth > entry.depth;
        if (isMenu) {
            auto* menu = new QMenu(toQString(entry.caption), container);
            menu->setObjectName(toQString(entry.name));
            container->addAction(menu->menuAction());
            containers.push_back(menu);
            continue;
        }
        auto* action = new QAction(this);
        action->setObjectName(toQString(entry.name));
        if (entry.caption == "-") {
            action->setSeparator(true);
        } else {
            action->setText(toQString(entry.caption));
        }
        if (!entry.shortcut.empty()) {
            action->setShortcut(QKeySequence(toQString(entry.shortcut)));
        }
        if (!entry.window.empty()) {
            action->setEnabled(windows_.find(entry.window) != nullptr);
            connect(action, &QAction::triggered, this,
                    [this, window = entry.window] { openWindow(window); });
        } else if (const auto command = commands.find(entry.name); command != commands.end()) {
            connect(action, &QAction::triggered, this, command->second);
        }
        container->addAction(action);
    }
}

void MainWindow::openWindow(std::string_view name) {
    if (QDialog* open = openedWindow(name); open != nullptr && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    const WindowEntry* entry = windows_.find(name);
    if (entry == nullptr) {
        return;
    }
    QDialog* window = entry->create(this);
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The new window's frame is not known before it shows; assume it matches this one's.
    const QSize frame = frameGeometry().size() - size();
    window->move(centredOver(frameGeometry(), window->size() + frame, fromTwips(entry->dropTwips)));
    opened_.insert_or_assign(std::string(name), QPointer<QDialog>(window));
    window->open();
}

QDialog* MainWindow::openedWindow(std::string_view name) const {
    const auto found = opened_.find(name);
    return found == opened_.end() ? nullptr : found->second.data();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    for (const std::string_view name : windowCloseOrder()) {
        if (QDialog* window = openedWindow(name)) {
            window->close();
        }
    }
    closeHelpViewer();
    event->accept();
}

void MainWindow::exitProgram() {
    QCoreApplication::exit(0);
}

void MainWindow::showHelpContents() {
    showHelpTopic(0);
}

} // namespace quillon
