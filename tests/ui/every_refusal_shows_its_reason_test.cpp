// Every refusal of every calculation, through its real window: the values typed into its boxes or
// cells and its own control, then "Calculate". The beep or the "Error" box, the focus on what is at
// fault, the reason beside it and on it for screen readers, and the answer and clipboard left as
// they were; the first refusal of each kind of target then goes at a key typed into it.
#include "calculations/correlation/correlate.h"
#include "tests/calculations/refusal_tables.h"
#include "tests/ui/ui_test_support.h"
#include "ui/calculator/calculator_window.h"
#include "ui/common/notice_bubble.h"
#include "ui/data_sheet/data_sheet_window.h"

#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <set>

using namespace quillon;
using namespace quillon::testing;

namespace {

// What a refusal points at: a calculator's box, the population box, a cell, or the whole grid.
QString kindOf(const RefusalTable& table, std::size_t row) {
    if (!table.boxes.empty())
        return QStringLiteral("box");
    const SheetRefusal& refusal = table.sheets[row];
    const std::vector<SheetOption>& options =
        std::get<SheetInputs>(findByWindow(table.window)->inputs).options;
    if (refusal.focus == 1 && !options.empty() && options.front().kind == OptionKind::TextBox)
        return QStringLiteral("population");
    return refusal.cell ? QStringLiteral("cell") : QStringLiteral("grid");
}

} // namespace

class EveryRefusalShowsItsReasonTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AlertsOnRecord> alerts_;
    std::unique_ptr<CalculationWindow> window_;

    template <typename Window> Window& show(std::unique_ptr<Window> window) {
        Window& shown = *window;
        window_ = std::move(window);
        window_->show();
        if (!QTest::qWaitForWindowActive(window_.get()))
            qWarning("window did not become active");
        return shown;
    }
    // Fills a calculator window's boxes; the box at fault.
    QWidget* fillCalculator(std::string_view name, const BoxRefusal& row) {
        auto& window = show(std::make_unique<CalculatorWindow>(*findByWindow(name)));
        window.prepare();
        for (std::size_t i = 0; i < row.inputs.size(); ++i)
            box(static_cast<int>(i) + 1)->setText(QString::fromStdString(row.inputs[i]));
        return box(row.box);
    }
    // Fills a data sheet window's cells and its own control; the box that ends over the fault.
    QWidget* fillSheet(std::string_view name, const SheetRefusal& row) {
        auto& window = show(std::make_unique<DataSheetWindow>(*findByWindow(name)));
        DataSheetEditor& editor = window.editor();
        // The window gives the cell's box the focus once it shows; that must not come later.
        if (!QTest::qWaitFor([&] { return !editor.timer()->isActive(); }))
            return nullptr;
        for (int r = 1; r <= DataSheet::kRows; ++r) {
            for (int c = 1; c <= DataSheet::kColumns; ++c)
                if (const std::string& text = row.input.sheet.text(r, c); !text.empty())
                    editor.setCellText({r, c}, QString::fromStdString(text));
        }
        const auto given = [&](const char* key) {
            const auto value = row.input.options.find(key);
            return value == row.input.options.end() ? std::string() : value->second;
        };
        auto* population = window_->findChild<QLineEdit*>("Population");
        if (population != nullptr)
            population->setText(QString::fromStdString(given("population")));
        else if (!given("population").empty())
            return nullptr;
        if (auto* yates = window_->findChild<QCheckBox*>("UseYates"))
            yates->setChecked(given("yates") == kOptionOn);
        for (auto* option : window_->findChildren<QRadioButton*>("CorrelType"))
            if (option->property("index").toInt() ==
                static_cast<int>(chosenCorrelationMethod(row.input.options)))
                option->click();
        return row.focus == 1 && population != nullptr ? population
                                                       : static_cast<QWidget*>(editor.floater());
    }
    QLineEdit* box(int number) const {
        return window_->findChild<QLineEdit*>(QStringLiteral("Input%1").arg(number));
    }
    NoticeBubble* notice() const { return window_->findChild<NoticeBubble*>("Notice"); }

private slots:
    void init() {
        alerts_ = std::make_unique<AlertsOnRecord>();
        QGuiApplication::clipboard()->setText("before");
    }
    void cleanup() {
        window_.reset();
        const QStringList boxes = alerts_->unexpectedBoxes();
        alerts_.reset();
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join("; ")));
    }

    void every_refusal_shows_its_reason_data() {
        QTest::addColumn<int>("table");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("thenType");
        std::set<QString> kindsTyped;
        for (std::size_t t = 0; t < refusalTables().size(); ++t) {
            const RefusalTable& table = refusalTables()[t];
            const std::size_t count =
                table.boxes.empty() ? table.sheets.size() : table.boxes.size();
            for (std::size_t r = 0; r < count; ++r) {
                const bool first = kindsTyped.insert(kindOf(table, r)).second;
                QTest::addRow("%s row %d", table.window.data(), static_cast<int>(r))
                    << static_cast<int>(t) << static_cast<int>(r) << first;
            }
        }
        QCOMPARE(refusalTables().size(), catalogue().size());
        QCOMPARE(kindsTyped.size(), std::size_t{4});
    }
    void every_refusal_shows_its_reason() {
        QFETCH(int, table);
        QFETCH(int, row);
        QFETCH(bool, thenType);
        const RefusalTable& refusals = refusalTables()[static_cast<std::size_t>(table)];
        const auto at = static_cast<std::size_t>(row);
        const bool onBoxes = !refusals.boxes.empty();
        QWidget* fault = onBoxes ? fillCalculator(refusals.window, refusals.boxes[at])
                                 : fillSheet(refusals.window, refusals.sheets[at]);
        QVERIFY2(fault != nullptr, "the row's population size has no box, or the grid no focus");
        const QString reason = QString::fromStdString(onBoxes ? refusals.boxes[at].reason
                                                              : refusals.sheets[at].reason);
        const bool messageBox =
            onBoxes ? refusals.boxes[at].messageBox : refusals.sheets[at].messageBox;

        window_->findChild<QPushButton*>("Command1")->click();

        QCOMPARE(alerts_->recorded.errors, messageBox ? QStringList{reason} : QStringList{});
        QCOMPARE(alerts_->recorded.beeps, messageBox ? 0 : 1);
        QCOMPARE(QApplication::focusWidget(), fault);
        if (!onBoxes && refusals.sheets[at].cell) {
            QCOMPARE(static_cast<DataSheetWindow&>(*window_).editor().remembered(),
                     *refusals.sheets[at].cell);
        }
        QVERIFY(notice() != nullptr && notice()->isVisible());
        QCOMPARE(notice()->text(), reason);
        QCOMPARE(fault->accessibleDescription(), reason);
        if (auto* answer = window_->findChild<QLabel*>("Answer"))
            QCOMPARE(answer->text(), QString());
        if (auto* grid = window_->findChild<QWidget*>("Grid1"))
            QVERIFY(!grid->isVisible());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        if (thenType) {
            QTest::keyClick(fault, Qt::Key_5);
            QVERIFY(!notice()->isVisible());
            QCOMPARE(fault->accessibleDescription(), QString());
        }
    }
};

QTEST_MAIN(EveryRefusalShowsItsReasonTest)
#include "every_refusal_shows_its_reason_test.moc"
