#include "ui/main_window/main_window.h"

#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"
#include "ui/help/help_viewer.h"
#include "ui/main_window/menu_table.h"
#include "ui/main_window/placement.h"
#include "ui/main_window/start_page.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

#include <map>
#include <utility>
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
    if (const QScreen* display = screen())
        move(centredOver(display->geometry(), size()));
    buildMenu();
    // The page below the menu opens a calculation through its menu item, so that the window opens
    // exactly as the menu opens it.
    auto* start = new StartPage(this);
    setCentralWidget(start);
    connect(start, &StartPage::chosen, this, [this](const QString& menuItem) {
        if (auto* item = findChild<QAction*>(menuItem); item != nullptr && item->isEnabled())
            item->trigger();
    });
    start->setFocus();
}

void MainWindow::buildMenu() {
    addFixedMenu(fileMenu());
    // The calculations in catalogue order, each menu made where its first item comes: open[d] is
    // the menu at depth d + 1 that the previous row's item went into, with its path.
    std::vector<std::pair<std::string_view, QMenu*>> open;
    for (const CatalogueEntry& row : catalogue()) {
        std::size_t depth = 0;
        QWidget* container = menuBar();
        std::string_view rest = row.menuPath;
        while (!rest.empty()) {
            const std::size_t slash = rest.find('/');
            const std::string_view name = rest.substr(0, slash);
            const std::string_view path = row.menuPath.substr(
                0, static_cast<std::size_t>(name.data() + name.size() - row.menuPath.data()));
            rest = slash == std::string_view::npos ? std::string_view{} : rest.substr(slash + 1);
            if (depth >= open.size() || open[depth].first != path) {
                open.resize(depth);
                open.emplace_back(path, addMenu(container, name, menuCaption(path)));
            }
            container = open[depth].second;
            ++depth;
        }
        open.resize(depth);
        addItem(container, {row.menuItem, row.menuCaption, row.windowName, {}});
    }
    addFixedMenu(helpMenu());
}

QMenu* MainWindow::addMenu(QWidget* container, std::string_view name, std::string_view caption) {
    auto* menu = new QMenu(toQString(caption), container);
    menu->setObjectName(toQString(name));
    container->addAction(menu->menuAction());
    return menu;
}

void MainWindow::addFixedMenu(const FixedMenu& fixed) {
    QMenu* menu = addMenu(menuBar(), fixed.name, fixed.caption);
    for (const MenuItem& item : fixed.items)
        addItem(menu, item);
}

void MainWindow::addItem(QWidget* container, const MenuItem& item) {
    const std::map<std::string_view, Command> commands = {
        {"FileExit", &MainWindow::exitProgram},
        {"HelpContents", &MainWindow::showHelpContents},
        {"HelpSearch", &MainWindow::showHelpContents},
    };
    auto* action = new QAction(this);
    action->setObjectName(toQString(item.name));
    if (item.caption == "-")
        action->setSeparator(true);
    else
        action->setText(toQString(item.caption));
    if (!item.shortcut.empty())
        action->setShortcut(QKeySequence(toQString(item.shortcut)));
    if (!item.window.empty()) {
        action->setEnabled(windows_.find(item.window) != nullptr);
        connect(action, &QAction::triggered, this,
                [this, window = item.window] { openWindow(window); });
    } else if (const auto command = commands.find(item.name); command != commands.end()) {
        connect(action, &QAction::triggered, this, command->second);
    }
    container->addAction(action);
}

void MainWindow::openWindow(std::string_view name) {
    if (QDialog* open = openedWindow(name); open != nullptr && open->isVisible()) {
        open->raise();
        open->activateWindow();
        return;
    }
    const WindowEntry* entry = windows_.find(name);
    if (entry == nullptr)
        return;
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
    for (const std::string_view name : windowCloseOrder())
        if (QDialog* window = openedWindow(name))
            window->close();
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
