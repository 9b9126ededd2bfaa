// Every box, grid cell, check box and option button stands out from the window by an edge of at
// least 3 to 1, and every text in them by at least 4.5 to 1 (WCAG 2.1), in a light, a dark and a
// high-contrast colour scheme. Measured on the pixels of the windows as the program draws them:
// the window's own colour is the commonest of its picture, an edge is the strongest pixel a few
// pixels in from each side of a control, and it must be there all along the middle of each side.
#include "tests/ui/window_tour.h"
#include "ui/common/colour_contrast.h"
#include "ui/common/visible_edges_style.h"

#include <QCheckBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTableWidget>
#include <QtTest>

#include <algorithm>
#include <functional>

using namespace quillon;

namespace {

// A window's picture, with its own background colour.
struct Picture {
    QImage image;
    QColor window;
    QWidget* shown = nullptr;

    // A rectangle of one of the window's widgets, in the picture's pixels.
    QRect rectOf(const QWidget* widget, const QRect& rect) const {
        const QRect inWindow(widget->mapTo(shown, rect.topLeft()), rect.size());
        const qreal ratio = image.devicePixelRatio();
        return {QPoint(qRound(inWindow.x() * ratio), qRound(inWindow.y() * ratio)),
                QSize(qRound(inWindow.width() * ratio), qRound(inWindow.height() * ratio))};
    }
    QRect rectOf(const QWidget* widget) const { return rectOf(widget, widget->rect()); }
    QColor at(const QPoint& point) const { return image.pixelColor(point); }
};

QColor commonest(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    const auto most =
        std::max_element(counts.cbegin(), counts.cend(), [](int a, int b) { return a < b; });
    return QColor::fromRgb(most.key());
}

Picture pictureOf(QWidget* window) {
    QApplication::processEvents();
    Picture picture{window->grab().toImage(), {}, window};
    picture.window = commonest(picture.image, picture.image.rect());
    return picture;
}

// The edge of a control: along the middle half of each side, every position has a pixel within
// `depth` pixels in from the side that stands out from `ground`; the weakest such position of
// all four sides gives the edge's contrast.
double edgeContrast(const Picture& picture, const QRect& bounds, const QColor& ground, int depth) {
    struct Side {
        QPoint start;  // the side's first pixel
        QPoint along;  // the step along the side
        QPoint inward; // the step into the control
        int length;
    };
    const Side sides[] = {
        {bounds.topLeft(), {1, 0}, {0, 1}, bounds.width()},
        {bounds.bottomLeft(), {1, 0}, {0, -1}, bounds.width()},
        {bounds.topLeft(), {0, 1}, {1, 0}, bounds.height()},
        {bounds.topRight(), {0, 1}, {-1, 0}, bounds.height()},
    };
    double weakest = 21;
    for (const Side& side : sides) {
        for (int position = side.length / 4; position < side.length - side.length / 4; ++position) {
            double strongest = 1;
            for (int in = 0; in < depth; ++in) {
                const QPoint pixel = side.start + side.along * position + side.inward * in;
                strongest = std::max(strongest, contrastRatio(picture.at(pixel), ground));
            }
            weakest = std::min(weakest, strongest);
        }
    }
    return weakest;
}

// The text inside an area: its strongest pixel against the area's commonest colour.
double textContrast(const Picture& picture, const QRect& area) {
    const QColor fill = commonest(picture.image, area);
    double strongest = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            strongest = std::max(strongest, contrastRatio(picture.at({x, y}), fill));
    return strongest;
}

// Collects what falls short, with its measure, so that one run names every fault.
class Faults {
public:
    void edge(const QString& what, double contrast) { check(what, contrast, 3.0); }
    void text(const QString& what, double contrast) { check(what, contrast, 4.5); }
    QString report() const { return shortfalls_.join(QLatin1Char('\n')); }
    bool none() const { return shortfalls_.isEmpty(); }

private:
    void check(const QString& what, double contrast, double least) {
        if (contrast < least) {
            shortfalls_ << QStringLiteral("%1: %2 (at least %3)")
                               .arg(what)
                               .arg(contrast, 0, 'f', 2)
                               .arg(least, 0, 'f', 1);
        }
    }
    QStringList shortfalls_;
};

QRect indicatorOf(const QAbstractButton* button, QStyle::SubElement element) {
    QStyleOptionButton option;
    option.initFrom(button);
    return button->style()->subElementRect(element, &option, button);
}

QRect inside(const QRect& rect, int by) {
    return rect.adjusted(by, by, -by, -by);
}

} // namespace

class ControlEdgesTest : public QObject {
    Q_OBJECT

    MainWindow* main_ = nullptr;

    void useScheme(const QString& name) {
        for (const auto& [scheme, palette] : testing::colourSchemes())
            if (name == QLatin1String(scheme))
                QApplication::setPalette(palette);
    }
    // Opens the example of the window, lets `look` measure its picture, and closes it.
    void lookAt(const char* window, const std::function<void(QDialog*)>& prepare,
                const std::function<void(QDialog*, const Picture&)>& look) {
        for (const testing::WindowExample& example : testing::windowExamples()) {
            if (QLatin1String(example.window) != QLatin1String(window))
                continue;
            QDialog* opened = testing::openWithAnswer(*main_, example);
            QVERIFY2(opened != nullptr, window);
            if (prepare)
                prepare(opened);
            look(opened, pictureOf(opened));
            testing::closeWindow(opened);
        }
    }

    static void schemes() {
        QTest::addColumn<QString>("scheme");
        for (const auto& [scheme, palette] : testing::colourSchemes())
            QTest::newRow(scheme) << QString::fromLatin1(scheme);
    }

private slots:
    void initTestCase() {
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        useVisibleEdgesStyle();
    }
    void init() {
        QFETCH(QString, scheme);
        useScheme(scheme);
        main_ = new MainWindow;
        main_->show();
        QVERIFY(QTest::qWaitForWindowExposed(main_));
    }
    void cleanup() {
        delete main_;
        main_ = nullptr;
    }

    void boxes_stand_out_from_the_window_data() { schemes(); }
    void boxes_stand_out_from_the_window() {
        Faults faults;
        // The first box has the keyboard focus and shows it; the others do not.
        lookAt(
            "Distr1c", {},
            [&](QDialog* window, const Picture& picture) {
                for (const QLineEdit* box : window->findChildren<QLineEdit*>()) {
                    const QString what = box->objectName() + (box->hasFocus() ? " (focus)" : "");
                    faults.edge(what,
                                edgeContrast(picture, picture.rectOf(box), picture.window, 2));
                    faults.text(what + " text",
                                textContrast(picture, inside(picture.rectOf(box), 3)));
                }
            });
        lookAt(
            "Means0",
            [](QDialog* window) { window->findChild<QLineEdit*>("Population")->setText("500"); },
            [&](QDialog* window, const Picture& picture) {
                const QRect box = picture.rectOf(window->findChild<QLineEdit*>("Population"));
                faults.edge("Population", edgeContrast(picture, box, picture.window, 2));
                faults.text("Population text", textContrast(picture, inside(box, 3)));
            });
        QVERIFY2(faults.none(), qPrintable(faults.report()));
    }

    void cells_and_the_box_over_them_stand_out_data() { schemes(); }
    void cells_and_the_box_over_them_stand_out() {
        Faults faults;
        lookAt(
            "Counts1",
            [](QDialog* window) {
                auto* sheet = qobject_cast<DataSheetWindow*>(window);
                sheet->editor().moveTo({2, 2});
                sheet->editor().floater()->setReadOnly(true); // no caret in the picture
            },
            [&](QDialog* window, const Picture& picture) {
                auto& editor = qobject_cast<DataSheetWindow*>(window)->editor();
                const QTableWidget* sheet = editor.sheet();
                const auto cell = [&](int row, int column) {
                    return picture.rectOf(
                        sheet->viewport(),
                        sheet->visualRect(sheet->model()->index(row - 1, column - 1)));
                };
                const QColor fill = commonest(picture.image, cell(4, 4));
                // A cell's edges are the grid lines (or the headings' borders) around it.
                const std::pair<const char*, QRect> cells[] = {{"cell (1, 1)", cell(1, 1)},
                                                               {"cell (3, 3)", cell(3, 3)},
                                                               {"cell (5, 1)", cell(5, 1)},
                                                               {"cell (1, 4)", cell(1, 4)}};
                for (const auto& [what, rect] : cells) {
                    const QRect lines = rect.adjusted(-1, -1, 1, 1);
                    const QString name = QString::fromLatin1(what);
                    faults.edge(name + " against the window",
                                edgeContrast(picture, lines, picture.window, 1));
                    faults.edge(name + " against its fill", edgeContrast(picture, lines, fill, 1));
                }
                faults.text("cell (1, 2) text", textContrast(picture, inside(cell(1, 2), 1)));
                const QRect floater = picture.rectOf(editor.floater());
                faults.edge("Floater against the window",
                            edgeContrast(picture, floater, picture.window, 2));
                faults.edge("Floater against the cells", edgeContrast(picture, floater, fill, 2));
                faults.text("Floater text", textContrast(picture, inside(floater, 2)));
            });
        QVERIFY2(faults.none(), qPrintable(faults.report()));
    }

    void check_box_and_option_buttons_stand_out_data() { schemes(); }
    void check_box_and_option_buttons_stand_out() {
        Faults faults;
        lookAt("Counts1", {}, [&](QDialog* window, const Picture& picture) {
            const QCheckBox* yates = window->findChild<QCheckBox*>("UseYates");
            const QRect box =
                picture.rectOf(yates, indicatorOf(yates, QStyle::SE_CheckBoxIndicator));
            faults.edge("UseYates", edgeContrast(picture, box, picture.window, 3));
            const QLabel* caption = window->findChild<QLabel*>("Yates");
            faults.text("Yates caption", textContrast(picture, picture.rectOf(caption)));
        });
        lookAt("Correl", {}, [&](QDialog* window, const Picture& picture) {
            const QList<QRadioButton*> options = window->findChildren<QRadioButton*>();
            QCOMPARE(options.size(), 3);
            for (const QRadioButton* option : options) {
                const QString what =
                    option->text() + (option->isChecked() ? " (chosen)" : " (not chosen)");
                const QRect circle =
                    picture.rectOf(option, indicatorOf(option, QStyle::SE_RadioButtonIndicator));
                faults.edge(what, edgeContrast(picture, circle, picture.window, 3));
                const QRect caption =
                    picture.rectOf(option, indicatorOf(option, QStyle::SE_RadioButtonContents));
                faults.text(what + " caption", textContrast(picture, caption));
            }
        });
        QVERIFY2(faults.none(), qPrintable(faults.report()));
    }
};

QTEST_MAIN(ControlEdgesTest)
#include "control_edges_test.moc"
