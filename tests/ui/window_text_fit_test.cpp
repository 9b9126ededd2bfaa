// At a scale factor of 2 (or the one set), in every window the program shows, every text fits the
// control that shows it, measured with the font's metrics: labels (wrapped where they wrap),
// buttons, option and check boxes, grid headings and answer cells; no two controls overlap; the
// help pages need no sideways scrolling. Checked with Qt's default font and with a desktop's larger
// 10 point one.
#include "tests/ui/window_tour.h"
#include "ui/common/visible_edges_style.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTextBrowser>
#include <QtTest>

#include <vector>

using namespace quillon;

namespace {

QString describe(const QWidget* widget, const QString& text) {
    return widget->window()->objectName() + QStringLiteral(" ") + widget->objectName() +
           QStringLiteral(" \"") + text.left(40) + QStringLiteral("\"");
}

QString sizeText(QSize needed, QSize room) {
    return QStringLiteral(" needs %1x%2, has %3x%4")
        .arg(needed.width())
        .arg(needed.height())
        .arg(room.width())
        .arg(room.height());
}

void checkLabel(const QLabel* label, QStringList& faults) {
    if (label->text().isEmpty() || !label->isVisibleTo(label->window()))
        return;
    const QRect room = label->contentsRect().adjusted(label->margin(), label->margin(),
                                                      -label->margin(), -label->margin());
    const QFontMetrics metrics = label->fontMetrics();
    const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QSize needed = metrics.boundingRect(room, flags, label->text()).size();
    if (needed.width() > room.width() || needed.height() > room.height())
        faults << describe(label, label->text()) + sizeText(needed, room.size());
}

// The text with the room the style gives it: a button's margins, the indicator of an option.
void checkButton(const QAbstractButton* button, QStringList& faults) {
    if (button->text().isEmpty() || !button->isVisibleTo(button->window()))
        return;
    const QStyle* style = button->style();
    int frame = 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
    if (qobject_cast<const QRadioButton*>(button) != nullptr) {
        frame = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, nullptr, button) +
                style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, nullptr, button);
    } else if (qobject_cast<const QCheckBox*>(button) != nullptr) {
        frame = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button);
    }
    const QFontMetrics metrics = button->fontMetrics();
    const QSize needed(metrics.horizontalAdvance(button->text()) + frame, metrics.height());
    if (needed.width() > button->width() || needed.height() > button->height())
        faults << describe(button, button->text()) + sizeText(needed, button->size());
}

// Headings and the answer cells of a grid; what the user types in a data cell may scroll.
void checkTable(const QTableView* table, QStringList& faults) {
    const QAbstractItemModel* model = table->model();
    const QHeaderView* top = table->horizontalHeader();
    const int margin = 2 * table->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, top);
    const bool answerGrid = table->editTriggers() == QAbstractItemView::NoEditTriggers;
    for (int column = 0; column < model->columnCount(); ++column) {
        if (top->isVisible()) {
            const QString heading = model->headerData(column, Qt::Horizontal).toString();
            const int needed = top->fontMetrics().horizontalAdvance(heading) + margin;
            if (needed > top->sectionSize(column)) {
                faults << describe(table, heading) + QStringLiteral(" heading needs %1, has %2")
                                                         .arg(needed)
                                                         .arg(top->sectionSize(column));
            }
        }
        for (int row = 0; answerGrid && row < model->rowCount(); ++row) {
            const QString text = model->data(model->index(row, column)).toString();
            const int needed = table->fontMetrics().horizontalAdvance(text) + margin;
            if (needed > table->columnWidth(column) ||
                table->fontMetrics().height() > table->rowHeight(row)) {
                faults << describe(table, text) +
                              sizeText(QSize(needed, table->fontMetrics().height()),
                                       QSize(table->columnWidth(column), table->rowHeight(row)));
            }
        }
    }
    const QHeaderView* side = table->verticalHeader();
    if (side->isVisible() && model->rowCount() > 0 &&
        side->fontMetrics().height() > side->sectionSize(0))
        faults << describe(table, QStringLiteral("row heading")) + QStringLiteral(" too low");
}

// Controls laid out by position, not by a layout, must keep clear of each other.
void checkOverlaps(const QWidget* window, QStringList& faults) {
    std::vector<const QWidget*> placed;
    for (const QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool rule = qobject_cast<const QFrame*>(child) != nullptr &&
                          static_cast<const QFrame*>(child)->frameShape() == QFrame::HLine;
        if (child->isVisibleTo(window) && !rule && !child->isWindow())
            placed.push_back(child);
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        for (std::size_t j = i + 1; j < placed.size(); ++j) {
            if (placed[i]->geometry().intersects(placed[j]->geometry())) {
                faults << window->objectName() + QStringLiteral(" ") + placed[i]->objectName() +
                              QStringLiteral(" overlaps ") + placed[j]->objectName();
            }
        }
    }
}

void checkHelpViewer(const QWidget* window, QStringList& faults) {
    const auto* browser = window->findChild<QTextBrowser*>();
    if (browser != nullptr && browser->horizontalScrollBar()->maximum() > 0) {
        faults << QStringLiteral("the help page is %1 wider than its viewer")
                      .arg(browser->horizontalScrollBar()->maximum());
    }
}

QStringList faultsOf(const QWidget* window) {
    QStringList faults;
    for (const QLabel* label : window->findChildren<QLabel*>())
        checkLabel(label, faults);
    for (const QAbstractButton* button : window->findChildren<QAbstractButton*>())
        checkButton(button, faults);
    for (const QTableView* table : window->findChildren<QTableView*>())
        checkTable(table, faults);
    if (window->layout() == nullptr)
        checkOverlaps(window, faults);
    checkHelpViewer(window, faults);
    return faults;
}

} // namespace

class WindowTextFitTest : public QObject {
    Q_OBJECT

    QFont defaultFont_;

private slots:
    void initTestCase() {
        useVisibleEdgesStyle();
        defaultFont_ = QApplication::font();
    }

    void every_text_fits_at_the_scale_data() {
        QTest::addColumn<int>("points");
        QTest::newRow("Qt's default font") << 0;
        QTest::newRow("a desktop's 10 point font") << 10;
    }

    void every_text_fits_at_the_scale() {
        QFETCH(int, points);
        QFont font = defaultFont_;
        if (points > 0)
            font.setPointSize(points);
        QApplication::setFont(font);

        QStringList faults;
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        for (const testing::WindowExample& example : testing::windowExamples()) {
            QDialog* window = testing::openWithAnswer(main, example);
            QVERIFY2(window != nullptr, example.window);
            QVERIFY2(window->findChild<QLabel*>(QStringLiteral("Answer")) == nullptr ||
                         !window->findChild<QLabel*>(QStringLiteral("Answer"))->text().isEmpty(),
                     example.window);
            faults << faultsOf(window);
            testing::closeWindow(window);
        }
        testing::visitOtherWindows(main, [&](const QString&, QWidget* window) {
            QApplication::processEvents();
            faults << faultsOf(window);
        });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }
};

// The scale factor is the environment's (CTest runs 2 and 1.5), 2 when none is set.
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_SCALE_FACTOR"))
        qputenv("QT_SCALE_FACTOR", "2");
    QApplication application(argc, argv);
    WindowTextFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_text_fit_test.moc"
