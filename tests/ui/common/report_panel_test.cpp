// The report of effect sizes in the calculator and data sheet windows: off, every window is as it
// was built; on, it grows by the panel, which shows the calculation's report lines and published
// line, copies that line, and keeps the chosen level and exponent between runs.
#include "tests/ui/ui_test_support.h"
#include "ui/calculator/calculator_window.h"
#include "ui/common/figure_view.h"
#include "ui/common/report_panel.h"
#include "ui/common/report_settings.h"
#include "ui/data_sheet/data_sheet_window.h"

#include <QAction>
#include <QCheckBox>
#include <QClipboard>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <deque>
#include <memory>

using namespace quillon;
using namespace quillon::testing;

namespace {

// The same row without its report and figure: the window as it was before they existed.
const CatalogueEntry& withoutReport(const CatalogueEntry& row) {
    static std::deque<CatalogueEntry> copies;
    CatalogueEntry& copy = copies.emplace_back(row);
    copy.report = nullptr;
    copy.figure = FigureKind::None;
    return copy;
}

std::unique_ptr<CalculationWindow> makeWindow(const CatalogueEntry& row) {
    if (std::holds_alternative<QuestionInputs>(row.inputs)) {
        auto window = std::make_unique<CalculatorWindow>(row);
        window->prepare();
        return window;
    }
    return std::make_unique<DataSheetWindow>(row);
}

// The controls Tab visits, in order, by name.
QStringList tabChain(QWidget* window) {
    QStringList names;
    QWidget* widget = window;
    do {
        widget = widget->nextInFocusChain();
        if (widget != window && (widget->focusPolicy() & Qt::TabFocus) &&
            widget->isVisibleTo(window) && widget->isEnabled() && widget->focusProxy() == nullptr)
            names << widget->objectName();
    } while (widget != window);
    return names;
}

// Every child widget by name with its place, as a reader of the window sees it.
QStringList childPlaces(QWidget* window) {
    QStringList places;
    for (const QWidget* child : window->findChildren<QWidget*>()) {
        if (!child->isVisibleTo(window))
            continue;
        const QRect place(child->mapTo(window, QPoint(0, 0)), child->size());
        places << QStringLiteral("%1 %2,%3 %4x%5")
                      .arg(child->objectName())
                      .arg(place.x())
                      .arg(place.y())
                      .arg(place.width())
                      .arg(place.height());
    }
    return places;
}

// "Copy line" waits for a line to copy.
const QStringList kPanelChain{"ReportText", "ReportLevel", "ReportExponent"};

} // namespace

class ReportPanelTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AlertsOnRecord> alerts_;
    std::unique_ptr<CalculationWindow> window_;

    CalculationWindow& open(const char* name) {
        window_ = makeWindow(*findByWindow(name));
        window_->show();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qWarning("window did not become active");
        return *window_;
    }
    QLineEdit* input(int number) const {
        return window_->findChild<QLineEdit*>(QStringLiteral("Input%1").arg(number));
    }
    QPushButton* command(int number) const {
        return window_->findChild<QPushButton*>(QStringLiteral("Command%1").arg(number));
    }
    QString answer() const { return window_->findChild<QLabel*>("Answer")->text(); }
    QString reportText() const {
        auto* text = window_->findChild<QPlainTextEdit*>("ReportText");
        return text == nullptr ? QString() : text->toPlainText();
    }
    QAction* toggle() const { return window_->findChild<QAction*>("ReportToggle"); }
    // Values separated by blanks fill the boxes; rows separated by "/" fill a data sheet.
    void enter(const QString& values) {
        if (auto* sheet = qobject_cast<DataSheetWindow*>(window_.get())) {
            DataSheetEditor& editor = sheet->editor();
            editor.clear();
            editor.moveTo({90, 1});
            const QStringList rows = values.split(QLatin1Char('/'));
            for (int r = 0; r < rows.size(); ++r) {
                const QStringList cells = rows[r].split(QLatin1Char(' '), Qt::SkipEmptyParts);
                for (int c = 0; c < cells.size(); ++c)
                    editor.setCellText({r + 1, c + 1}, cells[c]);
            }
            return;
        }
        const QStringList texts = values.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < texts.size(); ++i)
            input(i + 1)->setText(texts[i]);
    }
    void calculate() { QTest::mouseClick(command(1), Qt::LeftButton); }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        alerts_ = std::make_unique<AlertsOnRecord>();
        QGuiApplication::clipboard()->setText("before");
    }
    void cleanup() {
        window_.reset();
        reportSettings().setShown(false);
        reportSettings().setLevelPercent(ReportSettings::kDefaultLevelPercent);
        reportSettings().setExponent(false);
        const QStringList boxes = alerts_->unexpectedBoxes();
        alerts_.reset();
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join('\n')));
    }

    // Off, a window with a report or a figure is the window without them; on, it grows by the
    // report's panel and the figure at its foot, whose controls follow the window's own in tab
    // order; off again, it is as before.
    void the_report_adds_a_panel_and_takes_it_away_data() {
        QTest::addColumn<QString>("name");
        for (const CatalogueEntry& row : catalogue())
            if (row.report != nullptr || row.figure != FigureKind::None)
                QTest::newRow(row.windowName.data()) << QString::fromLatin1(row.windowName);
    }
    void the_report_adds_a_panel_and_takes_it_away() {
        QFETCH(QString, name);
        const CatalogueEntry& row = *findByWindow(name.toStdString());
        const std::unique_ptr<CalculationWindow> plain = makeWindow(withoutReport(row));
        plain->show();
        window_ = makeWindow(row);
        window_->show();
        const QSize built = plain->size();
        const QStringList chain = tabChain(plain.get());
        const QStringList places = childPlaces(plain.get());
        QCOMPARE(window_->size(), built);
        QCOMPARE(tabChain(window_.get()), chain);
        QCOMPARE(childPlaces(window_.get()), places);
        QVERIFY(plain->findChild<QAction*>("ReportToggle") == nullptr);
        // The answer names the key; the panel lines up with it.
        const auto answerArea = [](QWidget* window) {
            QWidget* area = window->findChild<QLabel*>("Answer");
            return area != nullptr ? area : window->findChild<QWidget*>("Grid1");
        };
        QCOMPARE(answerArea(plain.get())->toolTip(), QString());
        QVERIFY(answerArea(window_.get())->toolTip().contains("Ctrl+R"));

        toggle()->trigger();
        QCOMPARE(window_->width(), built.width());
        int bottom = built.height();
        QStringList added;
        auto* panel = window_->findChild<ReportPanel*>();
        QCOMPARE(panel != nullptr, row.report != nullptr);
        if (panel != nullptr) {
            QVERIFY(panel->isVisible());
            QCOMPARE(panel->y(), built.height());
            QVERIFY(panel->height() > 0);
            QCOMPARE(panel->findChild<QWidget*>("ReportText")->x(), answerArea(window_.get())->x());
            bottom += panel->height();
            added << kPanelChain;
        }
        auto* figure = window_->findChild<FigureView*>();
        QCOMPARE(figure != nullptr, row.figure != FigureKind::None);
        if (figure != nullptr) {
            QVERIFY(figure->isVisible());
            QVERIFY(figure->y() >= bottom);
            QCOMPARE(figure->x(), answerArea(window_.get())->x());
            QVERIFY(figure->geometry().right() < built.width());
            bottom = figure->geometry().bottom() + 1;
            added << "FigureView";
        }
        QVERIFY(window_->height() >= bottom);
        QCOMPARE(tabChain(window_.get()), chain + added);

        toggle()->trigger();
        QCOMPARE(window_->size(), built);
        QCOMPARE(tabChain(window_.get()), chain);
        QCOMPARE(childPlaces(window_.get()), places);
    }

    // A window whose calculation has neither a report nor a figure offers none: no key, no menu
    // entry.
    void a_window_without_a_report_offers_none() {
        open("Sample1");
        QVERIFY(toggle() == nullptr);
        QVERIFY(!chooseFromContextMenu(window_.get(), "Report and figure"));
        QVERIFY(!chooseFromContextMenu(window_.get(), "Figure"));
        const QSize built = window_->size();
        input(1)->setFocus();
        QTest::keyClick(input(1), Qt::Key_R, Qt::ControlModifier);
        QCOMPARE(window_->size(), built);
        QCOMPARE(alerts_->recorded.beeps, 1); // the box refuses the key as before
    }

    // Calculate with the report showing: the report of those values below an answer and a
    // clipboard that are those of the report off.
    void the_report_shows_below_the_same_answer_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Means2") << "Means2"
                                << "10 2 10 12 2 10"
                                << "d = 1.00, 95% CI [0.05, 1.92]";
        QTest::newRow("Counts2") << "Counts2"
                                 << "3 1 1 3"
                                 << ".4857";
        QTest::newRow("Counts1 sheet") << "Counts1"
                                       << "12 5/4 11"
                                       << "φ = .44";
        QTest::newRow("Means6 table") << "Means6"
                                      << "10 2 10/12 2 10/14 2 10"
                                      << "η² = .43, 95% CI [.11, .60]";
    }
    void the_report_shows_below_the_same_answer() {
        QFETCH(QString, name);
        QFETCH(QString, values);
        QFETCH(QString, expected);
        open(name.toLatin1().constData());
        enter(values);
        calculate();
        const QString clipboard = QGuiApplication::clipboard()->text();
        const auto* label = window_->findChild<QLabel*>("Answer");
        const QString answered = label != nullptr ? label->text() : QString();

        QGuiApplication::clipboard()->setText("before");
        window_->findChild<QPushButton*>("Command2")->click();
        QCOMPARE(reportText(), QString());
        reportSettings().setShown(true);
        enter(values);
        calculate();
        QVERIFY2(reportText().contains(expected), qPrintable(reportText()));
        QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
        if (label != nullptr)
            QCOMPARE(label->text(), answered);
    }

    // Shown after an answer, or at another level, the report is formed from the values answered,
    // whatever the boxes hold now; the answer and the clipboard stay.
    void the_report_is_formed_later_from_the_values_answered() {
        open("Means2");
        enter("10 2 10 12 2 10");
        calculate();
        const QString answered = answer();
        QGuiApplication::clipboard()->setText("mine");
        input(1)->setText("99");
        toggle()->trigger();
        QVERIFY2(reportText().contains("d = 1.00, 95% CI [0.05, 1.92]"), qPrintable(reportText()));
        window_->findChild<QDoubleSpinBox*>("ReportLevel")->setValue(90);
        QVERIFY2(reportText().contains("90% CI"), qPrintable(reportText()));
        QCOMPARE(reportSettings().options().level, 0.9);
        QCOMPARE(answer(), answered);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mine"));
    }

    // A refusal leaves the report as it leaves the answer; Clear takes both away.
    void the_report_follows_the_answer_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("values");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<bool>("kept");
        QTest::newRow("calculator keeps its answer") << "Means2"
                                                     << "10 2 10 12 2 10"
                                                     << "10 2 10 12 2" << true;
        QTest::newRow("data sheet empties its answer") << "Counts1"
                                                       << "12 5/4 11"
                                                       << "12 5/4" << false;
        QTest::newRow("table stays") << "Means6"
                                     << "10 2 10/12 2 10"
                                     << "10 2 10/12 2" << true;
    }
    void the_report_follows_the_answer() {
        QFETCH(QString, name);
        QFETCH(QString, values);
        QFETCH(QString, refused);
        QFETCH(bool, kept);
        reportSettings().setShown(true);
        open(name.toLatin1().constData());
        enter(values);
        calculate();
        const QString formed = reportText();
        QVERIFY(!formed.isEmpty());
        if (auto* box = input(6))
            box->clear();
        enter(refused);
        calculate();
        QCOMPARE(alerts_->recorded.beeps + alerts_->recorded.errors.size(), 1);
        QCOMPARE(reportText(), kept ? formed : QString());
        enter(values);
        calculate();
        command(2)->click();
        QCOMPARE(reportText(), QString());
        toggle()->trigger();
        toggle()->trigger();
        QCOMPARE(reportText(), QString()); // nothing kept to form it from
    }

    // The published line reaches the clipboard in one step: the key, the button; the key does
    // nothing while the report is off.
    void the_copy_puts_the_published_line_on_the_clipboard() {
        open("Means2");
        enter("10 2 10 12 2 10");
        calculate();
        QGuiApplication::clipboard()->setText("mine");
        input(1)->setFocus();
        QTest::keyClick(input(1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mine"));
        QCOMPARE(alerts_->recorded.beeps, 1); // refused by the box as before

        QTest::keyClick(input(1), Qt::Key_R, Qt::ControlModifier);
        QVERIFY(reportSettings().shown());
        const QString published =
            QStringLiteral("t(18) = 2.24, p = .038, d = 1.00, 95% CI [0.05, 1.92]");
        QTest::keyClick(input(1), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), published);
        QGuiApplication::clipboard()->setText("mine");
        window_->findChild<QPushButton*>("ReportCopy")->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), published);
        QCOMPARE(alerts_->recorded.beeps, 1);
    }

    // The menu of the answer, of the window and of a box (the menu key) offers the report.
    void the_menus_offer_the_report_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("control");
        QTest::newRow("answer") << "Means2"
                                << "Answer";
        QTest::newRow("box") << "Means2"
                             << "Input1";
        QTest::newRow("button") << "Means2"
                                << "Command1";
        QTest::newRow("window") << "Means2"
                                << "";
        QTest::newRow("cell box") << "Counts1"
                                  << "Floater";
        QTest::newRow("grid") << "Counts1"
                              << "Sheet1";
        QTest::newRow("option") << "Correl"
                                << "CorrelType";
        QTest::newRow("answer table") << "Means6"
                                      << "Grid1";
    }
    void the_menus_offer_the_report() {
        QFETCH(QString, name);
        QFETCH(QString, control);
        open(name.toLatin1().constData());
        QWidget* widget = control.isEmpty() ? window_.get() : window_->findChild<QWidget*>(control);
        QVERIFY(widget != nullptr);
        QVERIFY(chooseFromContextMenu(widget, "Report and figure"));
        QVERIFY(reportSettings().shown());
        QVERIFY(window_->findChild<ReportPanel*>()->isVisible());
    }

    // The exponent box asks the calculation for small probabilities with an exponent.
    void the_exponent_box_reaches_the_calculation() {
        reportSettings().setShown(true);
        open("Counts3");
        enter("100 .5 95");
        calculate();
        const QString plain = reportText();
        window_->findChild<QCheckBox*>("ReportExponent")->setChecked(true);
        QVERIFY(reportSettings().exponent());
        QVERIFY2(reportText() != plain && reportText().contains("e-"), qPrintable(reportText()));
    }

    // The choices are written at each change and read at the next start; a value that cannot be
    // read leaves the default, a level beyond the range takes its nearest end.
    void the_choices_persist() {
        QTemporaryDir directory;
        const QString file = directory.filePath("quillon.conf");
        {
            ReportSettings settings;
            rememberReportSettings(settings, new QSettings(file, QSettings::IniFormat));
            ReportPanel panel(settings, nullptr);
            settings.setShown(true);
            panel.findChild<QDoubleSpinBox*>("ReportLevel")->setValue(99);
            panel.findChild<QCheckBox*>("ReportExponent")->setChecked(true);
        }
        ReportSettings next;
        rememberReportSettings(next, new QSettings(file, QSettings::IniFormat));
        QVERIFY(next.shown());
        QCOMPARE(next.levelPercent(), 99.0);
        QVERIFY(next.exponent());
    }
    void unreadable_choices_keep_the_defaults_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("level");
        QTest::addColumn<bool>("expectedShown");
        QTest::addColumn<double>("expectedLevel");
        QTest::newRow("as written") << "true"
                                    << "90" << true << 90.0;
        QTest::newRow("words") << "perhaps"
                               << "high" << false << 95.0;
        QTest::newRow("above the range") << "false"
                                         << "120" << false << 99.99;
        QTest::newRow("below the range") << "1"
                                         << "10" << true << 50.0;
        QTest::newRow("not a number") << "0"
                                      << "nan" << false << 95.0;
    }
    void unreadable_choices_keep_the_defaults() {
        QFETCH(QString, shown);
        QFETCH(QString, level);
        QFETCH(bool, expectedShown);
        QFETCH(double, expectedLevel);
        QTemporaryDir directory;
        QSettings store(directory.filePath("quillon.conf"), QSettings::IniFormat);
        store.setValue("report/shown", shown);
        store.setValue("report/level", level);
        ReportSettings settings;
        loadReportSettings(settings, store);
        QCOMPARE(settings.shown(), expectedShown);
        QCOMPARE(settings.levelPercent(), expectedLevel);
        QVERIFY(settings.options().level <= kHighestReportLevel);
    }
};

QTEST_MAIN(ReportPanelTest)
#include "report_panel_test.moc"
