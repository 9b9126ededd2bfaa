// Saves a picture of every window, opened with a worked example, into a folder: for looking at the
// windows at a scale factor (QT_SCALE_FACTOR) or in a colour scheme, not a test.
// Usage: window_gallery FOLDER [-dark]
#include "main_window.h"
#include "window_tour.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QStyleFactory>

#include <cstdio>

using namespace quillon;

namespace {

// A dark scheme like a desktop's: light text on dark ground, every group and role set.
QPalette darkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::AlternateBase, QColor(0x2e, 0x2e, 0x2e));
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(0x78, 0xae, 0xed));
    dark.setColor(QPalette::LinkVisited, QColor(0xc0, 0x9a, 0xed));
    dark.setColor(QPalette::ToolTipBase, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::ToolTipText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::PlaceholderText, QColor(0x99, 0x99, 0x99));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x88, 0x88, 0x88));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x88, 0x88, 0x88));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x88, 0x88, 0x88));
    return dark;
}

void save(const QDir& folder, const QString& name, QWidget* window) {
    QApplication::processEvents();
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(file)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: window_gallery FOLDER [-dark]\n", stderr);
        return 64;
    }
    if (arguments.contains(QStringLiteral("-dark"))) {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
    }
    QDir folder(arguments.at(1));
    folder.mkpath(QStringLiteral("."));

    MainWindow main;
    main.show();
    static_cast<void>(QTest::qWaitForWindowExposed(&main));
    save(folder, QStringLiteral("MainMenu"), &main);
    for (const testing::WindowExample& example : testing::windowExamples()) {
        if (QDialog* window = testing::openWithAnswer(main, example)) {
            save(folder, QString::fromLatin1(example.window), window);
            testing::closeWindow(window);
        }
    }
    testing::visitOtherWindows(
        main, [&](const QString& name, QWidget* window) { save(folder, name, window); });
    return 0;
}
