// In a dark colour scheme every text of every window stays readable: the windows and the help
// pages take their colours from the palette, so light text stands on dark ground everywhere,
// with at least the 4.5 to 1 contrast of the WCAG guidelines.
#include "tests/ui/window_tour.h"
#include "ui/common/visible_edges_style.h"

#include <QDirIterator>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyleFactory>
#include <QTableView>
#include <QTextBlock>
#include <QTextBrowser>
#include <QtTest>

#include <algorithm>
#include <cmath>

using namespace quillon;

namespace {

// WCAG 2 relative luminance and contrast ratio.
double luminance(const QColor& colour) {
    const auto channel = [](double value) {
        return value <= 0.03928 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

double contrast(const QColor& first, const QColor& second) {
    const double lighter = std::max(luminance(first), luminance(second));
    const double darker = std::min(luminance(first), luminance(second));
    return (lighter + 0.05) / (darker + 0.05);
}

// The colour behind a widget: its own when it fills its background, else its parent's.
QColor groundOf(const QWidget* widget) {
    for (const QWidget* at = widget; at != nullptr; at = at->parentWidget())
        if (at->autoFillBackground() || at->isWindow())
            return at->palette().color(at->backgroundRole());
    return widget->palette().color(QPalette::Window);
}

void checkPair(const QWidget* widget, const QString& what, const QColor& text, const QColor& ground,
               QStringList& faults) {
    const double ratio = contrast(text, ground);
    if (ratio < 4.5) {
        faults << QStringLiteral("%1 %2 %3: %4 on %5, contrast %6")
                      .arg(widget->window()->objectName(), widget->objectName(), what, text.name(),
                           ground.name())
                      .arg(ratio, 0, 'f', 2);
    }
}

QStringList faultsOf(const QWidget* window) {
    QStringList faults;
    for (const QLabel* label : window->findChildren<QLabel*>()) {
        if (!label->text().isEmpty()) {
            checkPair(label, label->text().left(30),
                      label->palette().color(label->foregroundRole()), groundOf(label), faults);
        }
    }
    for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
        checkPair(box, QStringLiteral("box"), box->palette().color(QPalette::Text),
                  box->palette().color(QPalette::Base), faults);
    }
    for (const QAbstractScrollArea* area : window->findChildren<QAbstractScrollArea*>()) {
        const QWidget* view = area->viewport();
        checkPair(area, QStringLiteral("text"), view->palette().color(QPalette::Text),
                  view->palette().color(QPalette::Base), faults);
        if (const auto* table = qobject_cast<const QTableView*>(area)) {
            for (const QHeaderView* header : {table->horizontalHeader(), table->verticalHeader()}) {
                checkPair(header, QStringLiteral("headings"),
                          header->palette().color(QPalette::ButtonText),
                          header->palette().color(QPalette::Button), faults);
            }
        }
    }
    if (const auto* browser = window->findChild<QTextBrowser*>()) {
        // The page's own text colour, if it set one, would show through the format.
        const QTextCharFormat format = browser->document()->begin().charFormat();
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            faults << QStringLiteral("the help page sets its own text colour");
    }
    return faults;
}

} // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        useVisibleEdgesStyle();
        QApplication::setPalette(testing::darkPalette());
    }

    void every_text_of_every_window_reads_on_dark_ground() {
        QStringList faults;
        MainWindow main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        for (const testing::WindowExample& example : testing::windowExamples()) {
            QDialog* window = testing::openWithAnswer(main, example);
            QVERIFY2(window != nullptr, example.window);
            faults << faultsOf(window);
            testing::closeWindow(window);
        }
        testing::visitOtherWindows(
            main, [&](const QString&, QWidget* window) { faults << faultsOf(window); });
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // A page that sets a colour would keep it on a dark ground: dark text on dark, or a light
    // box behind light text.
    void help_pages_leave_colours_to_the_palette() {
        const QRegularExpression colour(QStringLiteral(R"((color|bgcolor|background)\s*[:=])"),
                                        QRegularExpression::CaseInsensitiveOption);
        int pages = 0;
        QDirIterator files(QStringLiteral(":/help"), {QStringLiteral("*.html")});
        while (files.hasNext()) {
            QFile page(files.next());
            QVERIFY(page.open(QIODevice::ReadOnly));
            const QString text = QString::fromUtf8(page.readAll());
            QVERIFY2(!colour.match(text).hasMatch(), qPrintable(page.fileName()));
            ++pages;
        }
        QVERIFY(pages >= 30);
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "dark_palette_test.moc"
