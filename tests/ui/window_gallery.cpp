// Saves a picture of every window, opened with a worked example, into a folder: for looking at the
// windows at a scale factor (QT_SCALE_FACTOR) or in a colour scheme, not a test.
// Usage: window_gallery FOLDER [-dark | -high-contrast]
#include "tests/ui/window_tour.h"
#include "ui/common/visible_edges_style.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include <cstdio>

using namespace quillon;

namespace {

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
        std::fputs("usage: window_gallery FOLDER [-dark | -high-contrast]\n", stderr);
        return 64;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    useVisibleEdgesStyle();
    if (arguments.contains(QStringLiteral("-dark"))) {
        QApplication::setPalette(testing::darkPalette());
    } else if (arguments.contains(QStringLiteral("-high-contrast"))) {
        QApplication::setPalette(testing::highContrastPalette());
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
