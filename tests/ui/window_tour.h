// Every window the program shows, opened from the main window's menu and filled with a worked
// example so that its answer is showing: the calculator and data sheet windows, About, Technical
// Support, the help viewer at a page and an "Error" message box. Shared by the tests that look at
// all of them and by the gallery that saves their pictures.
#pragma once

#include "calculations/common/arithmetic_error_text.h"
#include "ui/common/text_conversion.h"
#include "ui/data_sheet/data_sheet_window.h"
#include "ui/help/help_viewer.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTest>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace quillon::testing {

struct WindowExample {
    const char* item;                           // the menu item that opens the window
    const char* window;                         // its name
    std::vector<const char*> inputs;            // a calculator's boxes, Input1 first
    std::vector<std::vector<const char*>> rows; // a data sheet's cells, row by row
};

// One example a window, with its longest answer.
inline const std::vector<WindowExample>& windowExamples() {
    static const std::vector<WindowExample> examples = {
        {"Distrib_Z1", "Distr1a", {"1.96"}, {}},
        {"Distrib_Z2", "Distr1b", {".05"}, {}},
        {"Distrib_Z3", "Distr1c", {"100", "15", "85", "115"}, {}},
        {"Distrib_T1", "Distr2a", {"2.228", "10"}, {}},
        {"Distrib_T2", "Distr2b", {".05", "10"}, {}},
        {"Distrib_T3", "Distr2c", {"100", "15", "25", "85", "115"}, {}},
        {"Distrib_F1", "Distr3a", {"2", "3", "10"}, {}},
        {"Distrib_F2", "Distr3b", {".05", "3", "10"}, {}},
        {"Distrib_C1", "Distr4a", {"3.84", "1"}, {}},
        {"Distrib_C2", "Distr4b", {".05", "1"}, {}},
        {"Count1", "Counts1", {}, {{"22", "18", "10"}, {"15", "25", "20"}}},
        {"Count2", "Counts2", {"7", "2", "3", "8"}, {}},
        {"Count3", "Counts3", {"2000", ".5", "1100"}, {}},
        {"Count4", "Counts4", {"1100", "1000"}, {}},
        {"Pct1", "Percent1", {"45", "35", "200"}, {}},
        {"Pct2", "Percent2", {"45", "200", "35", "150"}, {}},
        {"Pct3", "Percent3", {"50", "100", "1000", "95"}, {}},
        {"Mean0", "Means0", {}, {{"12.1"}, {"14.3"}, {"11.8"}, {"15.2"}, {"13.0"}}},
        {"Mean1", "Means1", {}, {{"142", "138"}, {"156", "149"}, {"131", "133"}, {"148", "140"}}},
        {"Mean2", "Means2", {"24.3", "4.1", "12", "20.6", "3.8", "14"}, {}},
        {"Mean3", "Means3", {"72.4", "8.6", "30", "400", "95"}, {}},
        {"Mean4", "Means4", {"103.5", "12", "36", "", "100"}, {}},
        {"Mean5", "Means5", {"12.4", "10", "8.1", "15"}, {}},
        {"Mean6",
         "Means6",
         {},
         {{"24.5", "4.2", "12"}, {"27.1", "3.9", "15"}, {"30.8", "4.6", "11"}}},
        {"Correlation",
         "Correl",
         {},
         {{"2", "61"}, {"4", "68"}, {"5", "64"}, {"7", "75"}, {"8", "79"}}},
        {"SampleSize1", "Sample1", {"1000", "50", "5", "95"}, {}},
        {"SampleSize2", "Sample2", {"15", "2", "95"}, {}},
        {"SampleSize3", "Sample3", {"1000", "50", "200", "95"}, {}},
    };
    return examples;
}

// Opens the example's window from the menu, fills it in and presses "Calculate".
inline QDialog* openWithAnswer(MainWindow& main, const WindowExample& example) {
    main.findChild<QAction*>(QString::fromLatin1(example.item))->trigger();
    QDialog* window = main.openedWindow(example.window);
    if (window == nullptr)
        return nullptr;
    static_cast<void>(QTest::qWaitForWindowExposed(window));
    for (std::size_t i = 0; i < example.inputs.size(); ++i) {
        const QString name = QStringLiteral("Input%1").arg(i + 1);
        if (auto* box = window->findChild<QLineEdit*>(name))
            box->setText(QString::fromLatin1(example.inputs[i]));
    }
    if (auto* sheet = qobject_cast<DataSheetWindow*>(window)) {
        for (std::size_t r = 0; r < example.rows.size(); ++r) {
            for (std::size_t c = 0; c < example.rows[r].size(); ++c) {
                sheet->editor().setCellText({static_cast<int>(r) + 1, static_cast<int>(c) + 1},
                                            QString::fromLatin1(example.rows[r][c]));
            }
        }
    }
    window->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    return window;
}

inline void closeWindow(QWidget* window) {
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The windows other than the calculations, by name: each is opened and handed to the visitor
// while it shows.
inline void visitOtherWindows(MainWindow& main,
                              const std::function<void(const QString&, QWidget*)>& visit) {
    for (const auto& [item, name] :
         {std::pair{"HelpHelpAbout", "Help3"}, std::pair{"HelpTech", "Support"}}) {
        main.findChild<QAction*>(QString::fromLatin1(item))->trigger();
        if (QDialog* window = main.openedWindow(name)) {
            static_cast<void>(QTest::qWaitForWindowExposed(window));
            visit(QString::fromLatin1(name), window);
            closeWindow(window);
        }
    }
    // The page of the analysis of variance has the widest table of all the help pages.
    showHelpTopic(63);
    if (HelpViewer* viewer = helpViewer()) {
        static_cast<void>(QTest::qWaitForWindowExposed(viewer));
        visit(QStringLiteral("HelpViewer"), viewer);
        closeHelpViewer();
    }
    // The message box of an arithmetic error, built as the program builds it.
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Error"),
                    toQString(arithmeticErrorText(ArithmeticFault::InvalidOperation)),
                    QMessageBox::Ok, &main);
    box.show();
    static_cast<void>(QTest::qWaitForWindowExposed(&box));
    visit(QStringLiteral("Error"), &box);
    box.close();
}

// A dark scheme like a desktop's: light text on dark ground, every role the windows use set.
inline QPalette darkPalette() {
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

// A high-contrast scheme like a desktop's: white text on black, a cyan highlight, yellow links.
inline QPalette highContrastPalette() {
    QPalette contrast(Qt::black, Qt::black);
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::ToolTipText})
        contrast.setColor(role, Qt::white);
    contrast.setColor(QPalette::Base, Qt::black);
    contrast.setColor(QPalette::AlternateBase, Qt::black);
    contrast.setColor(QPalette::ToolTipBase, Qt::black);
    contrast.setColor(QPalette::Highlight, QColor(0x1a, 0xeb, 0xff));
    contrast.setColor(QPalette::HighlightedText, Qt::black);
    contrast.setColor(QPalette::Link, Qt::yellow);
    contrast.setColor(QPalette::LinkVisited, Qt::yellow);
    contrast.setColor(QPalette::PlaceholderText, QColor(0xc0, 0xc0, 0xc0));
    for (const QPalette::ColorRole role :
         {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        contrast.setColor(QPalette::Disabled, role, QColor(0x3f, 0xf2, 0x3f));
    return contrast;
}

// The three colour schemes every window is looked at in, by name: the style's own light one, a
// dark one and a high-contrast one.
inline std::vector<std::pair<const char*, QPalette>> colourSchemes() {
    return {{"light", QApplication::style()->standardPalette()},
            {"dark", darkPalette()},
            {"high contrast", highContrastPalette()}};
}

} // namespace quillon::testing
