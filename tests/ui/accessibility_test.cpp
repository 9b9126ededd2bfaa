// What screen readers find in the windows: every control that takes input named, the boxes by
// their questions, the cells and their box by row and column heading, and the news of an answer
// or a refusal's reason told as it comes.
#include "tests/ui/ui_test_support.h"
#include "tests/ui/window_tour.h"
#include "ui/calculator/calculator_window.h"
#include "ui/common/announcement.h"
#include "ui/data_sheet/data_sheet_window.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QtTest>

#include <QSet>

#include <memory>
#include <vector>

using namespace quillon;
using namespace quillon::testing;

namespace {

// The roles that take input from the user, and a name for each in a fault.
const std::vector<std::pair<QAccessible::Role, const char*>>& inputRoles() {
    static const std::vector<std::pair<QAccessible::Role, const char*>> roles = {
        {QAccessible::EditableText, "box"},
        {QAccessible::CheckBox, "check box"},
        {QAccessible::RadioButton, "option button"},
        {QAccessible::Button, "button"},
    };
    return roles;
}

// The controls that take input and have no name, as "window: role object"; each is counted once.
// A disabled control takes none (the grid's corner, drawn as a heading).
void findUnnamed(QAccessibleInterface* node, const QString& window, QStringList& faults,
                 QSet<QObject*>& inputs) {
    if (node == nullptr)
        return;
    for (const auto& [role, what] : inputRoles()) {
        if (node->role() != role || node->state().invisible || node->state().disabled ||
            inputs.contains(node->object()))
            continue;
        inputs.insert(node->object());
        if (node->text(QAccessible::Name).trimmed().isEmpty()) {
            const QObject* object = node->object();
            faults << window + QStringLiteral(": ") + QLatin1String(what) + QLatin1Char(' ') +
                          (object != nullptr ? object->objectName() : QStringLiteral("?"));
        }
    }
    for (int i = 0; i < node->childCount(); ++i)
        findUnnamed(node->child(i), window, faults, inputs);
}

// The window's accessibility tree, then every widget of the window: the grid's tree lists its
// cells only, not the box that edits them.
void findUnnamedIn(QWidget* window, QStringList& faults, QSet<QObject*>& inputs) {
    findUnnamed(QAccessible::queryAccessibleInterface(window), window->objectName(), faults,
                inputs);
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisibleTo(window)) {
            QAccessibleInterface* node = QAccessible::queryAccessibleInterface(widget);
            if (node != nullptr && node->childCount() == 0)
                findUnnamed(node, window->objectName(), faults, inputs);
        }
    }
}

QString nameOf(QObject* object) {
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(object);
    return node == nullptr ? QStringLiteral("(none)") : node->text(QAccessible::Name);
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AlertsOnRecord> alerts_;

private slots:
    void init() { alerts_ = std::make_unique<AlertsOnRecord>(); }
    void cleanup() {
        const QStringList boxes = alerts_->unexpectedBoxes();
        alerts_.reset();
        StandIn::reset();
        SheetStandIn::reset();
        QVERIFY2(boxes.isEmpty(), qPrintable(boxes.join("; ")));
    }

    void no_window_has_a_box_or_button_without_a_name() {
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QStringList faults;
        int windows = 0;
        for (const WindowExample& example : windowExamples()) {
            QDialog* window = openWithAnswer(main, example);
            QVERIFY2(window != nullptr, example.window);
            QSet<QObject*> inputs;
            findUnnamedIn(window, faults, inputs);
            // The four buttons and at least one box or the cell box were found.
            QVERIFY2(inputs.size() >= 5, example.window);
            closeWindow(window);
            ++windows;
        }
        // Every calculation of the catalogue has its example.
        QCOMPARE(std::size_t(windows), catalogue().size());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    void each_box_is_named_by_its_question() {
        for (const CatalogueEntry& row : standInDefinitions()) {
            const QuestionInputs& definition = askedOf(row);
            CalculatorWindow window(row);
            window.prepare();
            const auto boxes = window.findChildren<QLineEdit*>();
            QCOMPARE(boxes.size(), definition.inputCount);
            for (int i = 0; i < definition.inputCount; ++i) {
                auto* box = window.findChild<QLineEdit*>(QStringLiteral("Input%1").arg(i + 1));
                QString expected;
                if (definition.layout == CalculatorLayout::FourfoldTable) {
                    expected = QStringLiteral("Observed frequency, row %1, column %2")
                                   .arg(i / 2 + 1)
                                   .arg(i % 2 + 1);
                } else {
                    expected = toQString(definition.questions[static_cast<std::size_t>(i)]);
                }
                QCOMPARE(nameOf(box), expected);
            }
        }
    }

    void the_data_sheet_controls_carry_their_names_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::newRow("population box") << "Means0"
                                        << "Population"
                                        << "Population Size";
        QTest::newRow("Yates box") << "Counts1"
                                   << "UseYates"
                                   << "Yate's correction";
        QTest::newRow("answer grid") << "Means6"
                                     << "Grid1"
                                     << "Answer";
        QTest::newRow("data grid") << "Means1"
                                   << "Sheet1"
                                   << "Enter both variables for each record:";
        QTest::newRow("cell box") << "Means6"
                                  << "Floater"
                                  << "Row 1, Mean";
        QTest::newRow("cell box, lettered columns") << "Counts1"
                                                    << "Floater"
                                                    << "Row 1, Column A";
    }
    void the_data_sheet_controls_carry_their_names() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(QString, name);
        DataSheetWindow sheet(standInLayout(window.toStdString()));
        QCOMPARE(nameOf(sheet.findChild<QWidget*>(control)), name);
    }

    void the_cell_box_is_renamed_as_it_moves_and_as_headings_change() {
        DataSheetWindow window(standInLayout("Correl"));
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QLineEdit* floater = window.editor().floater();
        QCOMPARE(nameOf(floater), QString("Row 1, IV"));
        window.editor().moveTo({3, 2});
        QCOMPARE(nameOf(floater), QString("Row 3, DV"));
        window.findChildren<QRadioButton*>().front()->click(); // Pearson's
        QCOMPARE(nameOf(floater), QString("Row 3, Var. 2"));
    }

    void each_cell_carries_its_row_and_column_heading() {
        DataSheetWindow window(standInLayout("Means6"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.editor().setCellText({3, 2}, QStringLiteral("4.1"));
        QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(window.editor().sheet());
        QVERIFY(grid != nullptr && grid->tableInterface() != nullptr);
        QAccessibleInterface* cell = grid->tableInterface()->cellAt(2, 1);
        QVERIFY(cell != nullptr && cell->tableCellInterface() != nullptr);
        QCOMPARE(cell->text(QAccessible::Name), QString("4.1"));
        const auto columnHeadings = cell->tableCellInterface()->columnHeaderCells();
        const auto rowHeadings = cell->tableCellInterface()->rowHeaderCells();
        QCOMPARE(columnHeadings.size(), 1);
        QCOMPARE(rowHeadings.size(), 1);
        const QString column = columnHeadings.front()->text(QAccessible::Name);
        const QString row = rowHeadings.front()->text(QAccessible::Name).trimmed();
        // The heading cells are made for the asker, who lets them go.
        for (QAccessibleInterface* heading : columnHeadings + rowHeadings)
            QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(heading));
        QCOMPARE(column, QString("SD"));
        QCOMPARE(row, QString("3"));
    }

    void an_answer_and_a_reason_are_told_as_they_come() {
        QList<QWidget*> heard;
        listenToAnnouncements([&heard](QWidget* widget) { heard << widget; });
        CalculatorWindow window(standInDefinition("Distr2b"));
        window.prepare();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        auto* calculate = window.findChild<QPushButton*>("Command1");
        auto* answer = window.findChild<QLabel*>("Answer");
        auto* box = window.findChild<QLineEdit*>("Input2");
        auto* notice = window.findChild<QLabel*>("Notice");

        StandIn::behaviour = [](InputTexts) -> Outcome { return Answer{.text = "t value = 2"}; };
        calculate->click();
        const QList<QWidget*> afterAnswer = heard;
        heard.clear();
        StandIn::behaviour = [](InputTexts) -> Outcome {
            return Refusal{.focus = 2, .reason = "The degrees of freedom must be 1 or more."};
        };
        calculate->click();
        const QList<QWidget*> afterRefusal = heard;
        listenToAnnouncements(nullptr);

        QCOMPARE(afterAnswer, QList<QWidget*>{answer});
        QCOMPARE(nameOf(answer), QString("t value = 2"));
        QCOMPARE(QAccessible::queryAccessibleInterface(answer)->text(QAccessible::Description),
                 QString("Answer"));
        QCOMPARE(afterRefusal, QList<QWidget*>{notice});
        QAccessibleInterface* told = QAccessible::queryAccessibleInterface(notice);
        QCOMPARE(told->role(), QAccessible::AlertMessage);
        QCOMPARE(told->text(QAccessible::Name),
                 QString("The degrees of freedom must be 1 or more."));
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description),
                 QString("The degrees of freedom must be 1 or more."));
        QTest::keyClicks(box, "3");
        QCOMPARE(QAccessible::queryAccessibleInterface(box)->text(QAccessible::Description),
                 QString());
    }

    // The word of a copy is read, not announced: it is quiet.
    void the_word_of_a_copy_is_plain_text_to_read() {
        QList<QWidget*> heard;
        listenToAnnouncements([&heard](QWidget* widget) { heard << widget; });
        CalculatorWindow window(standInDefinition("Distr2b"));
        window.prepare();
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        StandIn::behaviour = [](InputTexts) -> Outcome {
            return Answer{.text = "t value = 2.228", .clipboard = "t(10)=2.228, p=.0500"};
        };
        window.findChild<QPushButton*>("Command1")->click();
        listenToAnnouncements(nullptr);
        auto* copied = window.findChild<QLabel*>("Copied");
        QCOMPARE(heard, QList<QWidget*>{window.findChild<QLabel*>("Answer")});
        QAccessibleInterface* node = QAccessible::queryAccessibleInterface(copied);
        QCOMPARE(node->role(), QAccessible::StaticText);
        QCOMPARE(node->text(QAccessible::Name), QString("Copied: t(10)=2.228, p=.0500"));
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
