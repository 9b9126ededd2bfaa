// Saves a picture of every window, opened with a worked example, into a folder: for looking at the
// windows at a scale factor (QT_SCALE_FACTOR) or in a colour scheme, not a test. With -refusals,
// pictures of refusals instead, each with its reason showing; with -report, the windows that have
// a report or a figure show them below the answer.
// Usage: window_gallery FOLDER [-dark | -high-contrast] [-refusals] [-report]
#include "tests/ui/refusal_examples.h"
#include "tests/ui/ui_test_support.h"
#include "tests/ui/window_tour.h"
#include "ui/calculator/calculator_window.h"
#include "ui/common/report_settings.h"
#include "ui/common/visible_edges_style.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QStyleFactory>

#include <cstdio>
#include <memory>

using namespace quillon;

namespace {

void save(const QDir& folder, const QString& name, QWidget* window) {
    QApplication::processEvents();
    const QString file = folder.filePath(name + QStringLiteral(".png"));
    if (!window->grab().save(file))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
}

std::unique_ptr<CalculationWindow> openForRefusal(const testing::RefusalExample& example) {
    if (std::holds_alternative<SheetInputs>(findByWindow(example.window)->inputs)) {
        auto window = std::make_unique<DataSheetWindow>(testing::standInLayout(example.window));
        window->show();
        static_cast<void>(QTest::qWaitForWindowExposed(window.get()));
        for (std::size_t r = 0; r < example.rows.size(); ++r) {
            for (std::size_t c = 0; c < example.rows[r].size(); ++c) {
                window->editor().setCellText({static_cast<int>(r) + 1, static_cast<int>(c) + 1},
                                             QString::fromLatin1(example.rows[r][c]));
            }
        }
        return window;
    }
    auto window = std::make_unique<CalculatorWindow>(testing::standInDefinition(example.window));
    window->prepare();
    window->show();
    static_cast<void>(QTest::qWaitForWindowExposed(window.get()));
    for (std::size_t i = 0; i < example.inputs.size(); ++i) {
        window->findChild<QLineEdit*>(QStringLiteral("Input%1").arg(i + 1))
            ->setText(QString::fromLatin1(example.inputs[i]));
    }
    return window;
}

void saveRefusals(const QDir& folder) {
    // The "Error" boxes are recorded, not shown: the picture is of what stays once one is closed.
    testing::RecordingAlerts recorded;
    AlertsOverride quiet(recorded);
    for (const testing::RefusalExample& example : testing::refusalExamples()) {
        testing::StandIn::behaviour = [&](InputTexts) -> Outcome { return example.refusal; };
        testing::SheetStandIn::behaviour = [&](const DataSheetInput&) -> Outcome {
            return example.refusal;
        };
        std::unique_ptr<CalculationWindow> window = openForRefusal(example);
        window->activateWindow();
        window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        save(folder, QString::fromLatin1(example.picture), window.get());
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() < 2) {
        std::fputs("usage: window_gallery FOLDER [-dark | -high-contrast] [-refusals] [-report]\n",
                   stderr);
        return 64;
    }
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    useVisibleEdgesStyle();
    if (arguments.contains(QStringLiteral("-dark")))
        QApplication::setPalette(testing::darkPalette());
    else if (arguments.contains(QStringLiteral("-high-contrast")))
        QApplication::setPalette(testing::highContrastPalette());
    reportSettings().setShown(arguments.contains(QStringLiteral("-report")));
    QDir folder(arguments.at(1));
    folder.mkpath(QStringLiteral("."));
    if (arguments.contains(QStringLiteral("-refusals"))) {
        saveRefusals(folder);
        return 0;
    }

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
