// Every option of every data sheet row has its control in the window, with its caption, and its
// option in quillon-calc's help; and neither has a control or an option beyond them.
#include "calculations/catalogue.h"
#include "tests/terminal/terminal_run.h"
#include "ui/common/text_conversion.h"
#include "ui/data_sheet/data_sheet_window.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QtTest>

#include <memory>
#include <regex>
#include <set>

using namespace quillon;

namespace {

// The options a subcommand's help lists, by their long names.
std::set<std::string> helpOptions(const std::string& help) {
    std::set<std::string> names;
    const std::regex option("(?:^|[ ,])--([a-z]+)");
    for (auto it = std::sregex_iterator(help.begin(), help.end(), option);
         it != std::sregex_iterator(); ++it)
        names.insert((*it)[1]);
    return names;
}

// What quillon-calc gives every data sheet, whatever its options.
const std::set<std::string> kEverySheet = {"help",      "json", "file", "header",
                                           "clipboard", "svg",  "dark", "size"};
// The report's options, on a sheet whose calculation has a report.
const std::set<std::string> kReportOptions = {"report", "level", "exponent"};

} // namespace

class SheetOptionsParityTest : public QObject {
    Q_OBJECT
private slots:
    void every_option_has_its_control_and_nothing_else_stands_beside_the_grid() {
        for (const CatalogueEntry& row : catalogue()) {
            const auto* sheet = std::get_if<SheetInputs>(&row.inputs);
            if (sheet == nullptr)
                continue;
            const auto window = std::make_unique<DataSheetWindow>(row);
            const QString name = toQString(row.windowName);
            std::set<QObject*> expected;
            for (const SheetOption& option : sheet->options) {
                const QString control = toQString(option.controlName);
                switch (option.kind) {
                case OptionKind::TextBox:
                case OptionKind::CheckBox: {
                    QWidget* widget =
                        option.kind == OptionKind::TextBox
                            ? static_cast<QWidget*>(window->findChild<QLineEdit*>(control))
                            : static_cast<QWidget*>(window->findChild<QCheckBox*>(control));
                    QVERIFY2(widget != nullptr, qPrintable(name + ": no " + control));
                    expected.insert(widget);
                    const auto* caption = window->findChild<QLabel*>(toQString(option.captionName));
                    QVERIFY2(caption != nullptr, qPrintable(name + ": no caption"));
                    QCOMPARE(caption->text(), toQString(option.caption));
                    QVERIFY(!widget->accessibleName().isEmpty());
                    break;
                }
                case OptionKind::Choice: {
                    const auto buttons = window->findChildren<QRadioButton*>(control);
                    QCOMPARE(static_cast<std::size_t>(buttons.size()), option.choices.size());
                    for (QRadioButton* button : buttons) {
                        const auto index =
                            static_cast<std::size_t>(button->property("index").toInt());
                        QCOMPARE(button->text(), toQString(option.choices.at(index).caption));
                        QCOMPARE(button->isChecked(),
                                 option.choices[index].key == option.defaultValue);
                        expected.insert(button);
                    }
                    break;
                }
                }
            }
            // The grid's own box is the only other text box; no other check or option button.
            for (QLineEdit* box : window->findChildren<QLineEdit*>()) {
                if (box->objectName() != QLatin1String("Floater")) {
                    QVERIFY2(expected.count(box) == 1,
                             qPrintable(name + ": a box of no option: " + box->objectName()));
                }
            }
            for (QAbstractButton* button : window->findChildren<QAbstractButton*>()) {
                if (qobject_cast<QCheckBox*>(button) != nullptr ||
                    qobject_cast<QRadioButton*>(button) != nullptr) {
                    QVERIFY2(
                        expected.count(button) == 1,
                        qPrintable(name + ": a control of no option: " + button->objectName()));
                }
            }
        }
    }

    void every_option_is_a_command_line_option_and_nothing_else_is() {
        for (const CatalogueEntry& entry : catalogue()) {
            const auto* sheet = std::get_if<SheetInputs>(&entry.inputs);
            if (sheet == nullptr)
                continue;
            const terminal::CalcRun help =
                terminal::runCalc({std::string(entry.commandName), "--help"});
            QCOMPARE(help.status, 0);
            std::set<std::string> expected = kEverySheet;
            if (sheet->answer == AnswerArea::Table)
                expected.insert("tsv");
            if (entry.report != nullptr)
                expected.insert(kReportOptions.begin(), kReportOptions.end());
            for (const SheetOption& option : sheet->options) {
                expected.insert(std::string(option.key));
                QVERIFY2(help.out.find(std::string(option.help)) != std::string::npos,
                         qPrintable(QString::fromStdString(help.out)));
            }
            QCOMPARE(helpOptions(help.out), expected);
        }
    }
};

QTEST_MAIN(SheetOptionsParityTest)
#include "sheet_options_parity_test.moc"
