// The main window: its menu, the windows each item opens, where they open, and the end.
#include "tests/ui/ui_test_support.h"
#include "ui/help/help_topics.h"
#include "ui/help/help_viewer.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTextBrowser>
#include <QtTest>

using namespace quillon;
using namespace quillon::testing;

namespace {

// The menu as the user reads it: one line per entry, indented by depth, "name caption", with
// "(off)" for a disabled item and the shortcut in brackets.
void outline(const QList<QAction*>& actions, int depth, QStringList& lines) {
    for (const QAction* action : actions) {
        const QString indent(depth * 2, QLatin1Char(' '));
        if (QMenu* menu = action->menu()) {
            lines << indent + menu->objectName() + ' ' + action->text();
            outline(menu->actions(), depth + 1, lines);
            continue;
        }
        QString line = indent + action->objectName() + ' ' +
                       (action->isSeparator() ? QStringLiteral("-") : action->text());
        if (!action->shortcut().isEmpty())
            line += " [" + action->shortcut().toString() + ']';
        lines << line;
    }
}

bool isCalculationItem(const QString& name) {
    return std::any_of(
        catalogue().begin(), catalogue().end(),
        [&](const CatalogueEntry& row) { return toQString(row.menuItem) == name; });
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    QDialog* trigger(MainWindow& window, const QString& item, const QString& opened) {
        auto* action = window.findChild<QAction*>(item);
        if (action == nullptr)
            return nullptr;
        action->trigger();
        return window.openedWindow(opened.toStdString());
    }
    static void closeAndForget(QDialog* dialog) {
        dialog->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void main_window_is_titled_quillon_and_sized_in_twips() {
        MainWindow window;
        QCOMPARE(window.windowTitle(), QString("Quillon"));
        QCOMPARE(window.objectName(), QString("MainMenu"));
        QCOMPARE(window.size(), QSize(541, 486)); // 8110 x 7290 twips
        const QRect screen = window.screen()->geometry();
        QCOMPARE(window.geometry().center().x() - screen.center().x(), 0);
    }

    void menu_tree_reads_as_designed() {
        MainWindow window(standInWindows());
        QStringList lines;
        outline(window.menuBar()->actions(), 0, lines);
        const QStringList expected = {
            "File File",
            "  FileExit &Exit",
            "Distributions &Distributions",
            "  Z Normal distribution",
            "    Distrib_Z1 Probability of a z value",
            "    Distrib_Z2 Critical z for a given probability",
            "    Distrib_Z3 Probability of a defined range",
            "  T T distribution",
            "    Distrib_T1 Probability of a t value",
            "    Distrib_T2 Critical t for a given probability",
            "    Distrib_T3 Probability of a defined range",
            "  F F distribution",
            "    Distrib_F1 Probability of an F-ratio",
            "    Distrib_F2 Critical F for a given probability",
            "  ChiSquare2 Chi-square distribution",
            "    Distrib_C1 Probability of a chi-square value",
            "    Distrib_C2 Critical chi-square for a given prob.",
            "Counts &Counts",
            "  Count1 Chi-square test",
            "  Count2 Fisher's exact test",
            "  Count3 Binomial test",
            "  Count4 Poisson distribution events test",
            "Percents &Percents",
            "  Pct1 One sample t-test beween percents",
            "  Pct2 Two sample t-test between percents",
            "  Pct3 Confidence interval around a percent",
            "Means &Means",
            "  Mean0 Mean and standard deviation of a sample",
            "  Mean1 Matched pairs t-test between means",
            "  Mean2 Independent groups t-test between means",
            "  Mean3 Confidence interval around a mean",
            "  Mean4 Compare sample mean to a population mean",
            "  Mean5 Compare two standard deviations (F-Ratio)",
            "  Mean6 Compare three or more means (ANOVA)",
            "Correlation &Correlation",
            "Sampling &Sampling",
            "  SampleSize1 Determine sample size for percents",
            "  SampleSize2 Determine sample size for means",
            "  SampleSize3 Determine error for a given sample size",
            "Help &Help",
            "  HelpContents Contents [F1]",
            "  HelpSearch Search For Help On...",
            "  HelpLine1 -",
            "  HelpHelpAbout About Quillon",
            "  HelpLine2 -",
            "  HelpTech &Technical Support",
        };
        // A calculation added to the catalogue since this list was written is left out here; the
        // next test puts it in its menu.
        QSet<QString> known;
        for (const QString& line : expected)
            known.insert(line.trimmed().section(QLatin1Char(' '), 0, 0));
        QStringList shown;
        for (const QString& line : lines) {
            const QString name = line.trimmed().section(QLatin1Char(' '), 0, 0);
            if (known.contains(name) || !isCalculationItem(name))
                shown << line;
        }
        QCOMPARE(shown, expected);
    }

    void every_catalogue_row_is_an_item_of_its_menu_in_catalogue_order() {
        MainWindow window(standInWindows());
        QStringList lines;
        outline(window.menuBar()->actions(), 0, lines);
        qsizetype previous = -1;
        for (const CatalogueEntry& row : catalogue()) {
            const QString path = toQString(row.menuPath);
            const QStringList menus = path.isEmpty() ? QStringList() : path.split(QLatin1Char('/'));
            const QString item = QString(menus.size() * 2, QLatin1Char(' ')) +
                                 toQString(row.menuItem) + ' ' + toQString(row.menuCaption);
            const qsizetype at = lines.indexOf(item);
            QVERIFY2(at > previous, qPrintable(item));
            // Its menus are the nearest lines above it at each lesser depth.
            for (qsizetype depth = 0; depth < menus.size(); ++depth) {
                const QString indent(depth * 2, QLatin1Char(' '));
                qsizetype above = at - 1;
                while (above >= 0 && !(lines[above].startsWith(indent) &&
                                       lines[above][indent.size()] != QLatin1Char(' ')))
                    --above;
                QVERIFY2(above >= 0, qPrintable(item));
                QCOMPARE(lines[above].mid(indent.size()).section(QLatin1Char(' '), 0, 0),
                         menus[depth]);
            }
            previous = at;
        }
    }

    void items_of_windows_not_built_yet_are_disabled() {
        static const std::vector<CatalogueEntry> onlyDistr1a = {standInDefinition("Distr1a")};
        WindowRegistry some;
        registerCalculationWindows(some, onlyDistr1a);
        MainWindow window(std::move(some));
        QVERIFY(window.findChild<QAction*>("Distrib_Z1")->isEnabled());
        for (const char* item : {"Distrib_Z2", "Count1", "Count2", "Mean0", "Mean6", "Correlation",
                                 "HelpHelpAbout", "HelpTech"})
            QVERIFY2(!window.findChild<QAction*>(item)->isEnabled(), item);
        for (const char* item : {"FileExit", "HelpContents", "HelpSearch"})
            QVERIFY2(window.findChild<QAction*>(item)->isEnabled(), item);
    }

    void each_item_opens_its_window_with_title_and_questions_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("questions");
        const auto row = [](const char* item, const char* window, const char* title, int n) {
            QTest::newRow(item) << item << window << title << n;
        };
        row("Distrib_Z1", "Distr1a", "Probability of a z value", 1);
        row("Distrib_Z2", "Distr1b", "Critical z for a given probability", 1);
        row("Distrib_Z3", "Distr1c", "Probability of a defined range", 4);
        row("Distrib_T1", "Distr2a", "Probability of a t value", 2);
        row("Distrib_T2", "Distr2b", "Critical t for a given probability", 2);
        row("Distrib_T3", "Distr2c", "Probability of a defined range", 5);
        row("Distrib_F1", "Distr3a", "Probability of an F-ratio", 3);
        row("Distrib_F2", "Distr3b", "Critical F for a given probability", 3);
        row("Distrib_C1", "Distr4a", "Probability of a chi-square value", 2);
        row("Distrib_C2", "Distr4b", "Critical chi-square for a given probability", 2);
        row("Count1", "Counts1", "Chi-square test", 0);
        row("Count2", "Counts2", "Fisher's exact test", 0);
        row("Count3", "Counts3", "Binomial test", 3);
        row("Count4", "Counts4", "Poisson distribution events test", 2);
        row("Pct1", "Percent1", "One sample t-test between percents", 3);
        row("Pct2", "Percent2", "Two sample t-test between percents", 4);
        row("Pct3", "Percent3", "Confidence interval around a percent", 4);
        row("Mean0", "Means0", "Mean and standard deviation of a sample", 0);
        row("Mean1", "Means1", "Matched pairs t-test between means", 0);
        row("Mean2", "Means2", "Independent groups t-test between means", 6);
        row("Mean3", "Means3", "Confidence interval around a mean", 5);
        row("Mean4", "Means4", "Compare sample mean to a population mean", 5);
        row("Mean5", "Means5", "Compare two standard deviations", 4);
        row("Mean6", "Means6", "Compare three or more means", 0);
        row("Correlation", "Correl", "Linear regression", 0);
        row("SampleSize1", "Sample1", "Determine sample size for percents", 4);
        row("SampleSize2", "Sample2", "Determine sample size for means", 3);
        row("SampleSize3", "Sample3", "Determine error for a given sample size", 4);
    }
    void each_item_opens_its_window_with_title_and_questions() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(int, questions);
        MainWindow main(standInWindows());
        main.show();
        QDialog* opened = trigger(main, item, window);
        QVERIFY(opened);
        QCOMPARE(opened->objectName(), window);
        QCOMPARE(opened->windowTitle(), title);
        QVERIFY(opened->isVisible());
        QCOMPARE(opened->parentWidget(), &main);
        QCOMPARE(opened->windowModality(), Qt::WindowModal);
        if (questions > 0) {
            const auto& definition = askedOf(standInDefinition(window.toStdString()));
            for (int i = 1; i <= questions; ++i) {
                const auto* label = opened->findChild<QLabel*>(QStringLiteral("Question%1").arg(i));
                QVERIFY(label);
                QCOMPARE(label->text().toStdString(), definition.questions[std::size_t(i - 1)]);
            }
            QVERIFY(!opened->findChild<QLabel*>(QStringLiteral("Question%1").arg(questions + 1)));
        }
        closeAndForget(opened);
        QVERIFY(!main.openedWindow(window.toStdString()));
    }

    void a_window_opens_centred_over_the_main_window_and_lower_data() {
        QTest::addColumn<QPoint>("mainAt");
        QTest::newRow("top left") << QPoint(0, 0);
        QTest::newRow("moved") << QPoint(230, 170);
    }
    void a_window_opens_centred_over_the_main_window_and_lower() {
        QFETCH(QPoint, mainAt);
        MainWindow main(standInWindows());
        main.show();
        main.move(mainAt);
        QDialog* opened = trigger(main, "Distrib_T2", "Distr2b");
        QVERIFY(opened);
        const QRect outer = main.frameGeometry();
        const QPoint expected(outer.x() + (outer.width() - opened->frameGeometry().width()) / 2,
                              outer.y() + (outer.height() - opened->frameGeometry().height()) / 2 +
                                  20); // 300 twips
        QCOMPARE(opened->frameGeometry().topLeft(), expected);
        closeAndForget(opened);
    }

    void a_second_opening_starts_from_empty_boxes() {
        MainWindow main(standInWindows());
        StandIn::behaviour = [](InputTexts) -> Outcome { return Answer{.text = "answer"}; };
        main.show();
        QDialog* first = trigger(main, "Distrib_Z3", "Distr1c");
        QVERIFY(first);
        first->findChild<QLineEdit*>("Input1")->setText("12");
        first->findChild<QPushButton*>("Command1")->click();
        QCOMPARE(first->findChild<QLabel*>("Answer")->text(), QString("answer"));
        first->findChild<QPushButton*>("Command3")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QDialog* second = trigger(main, "Distrib_Z3", "Distr1c");
        QVERIFY(second);
        for (const QLineEdit* box : second->findChildren<QLineEdit*>())
            QCOMPARE(box->text(), QString());
        QCOMPARE(second->findChild<QLabel*>("Answer")->text(), QString());
        closeAndForget(second);
        StandIn::reset();
    }

    void closing_the_main_window_closes_the_others() {
        MainWindow main(standInWindows());
        main.show();
        QPointer<QDialog> opened = trigger(main, "Mean2", "Means2");
        showHelpTopic(59);
        QPointer<HelpViewer> viewer = helpViewer();
        QVERIFY(opened && viewer);
        QVERIFY(main.close());
        QVERIFY(!opened || !opened->isVisible());
        QVERIFY(!viewer || !viewer->isVisible());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!opened);
    }

    void contents_and_search_open_the_contents_page_data() {
        QTest::addColumn<QString>("item");
        QTest::newRow("contents") << "HelpContents";
        QTest::newRow("search") << "HelpSearch";
    }
    void contents_and_search_open_the_contents_page() {
        QFETCH(QString, item);
        MainWindow main;
        showHelpTopic(33);
        main.findChild<QAction*>(item)->trigger();
        QVERIFY(helpViewer() && helpViewer()->isVisible());
        QCOMPARE(helpViewer()->browser()->source(), helpContentsUrl());
        closeHelpViewer();
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
