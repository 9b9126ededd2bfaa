// The figure below the answer: every window with one shows it by the report's switch, painted and
// described in words; it is copied as an image and saved as SVG and PNG; it follows the palette,
// the answer, Clear and a refusal; values far out of range give a reason in words.
#include "tests/ui/ui_test_support.h"
#include "tests/ui/window_tour.h"
#include "ui/common/colour_contrast.h"
#include "ui/common/figure_file.h"
#include "ui/common/figure_view.h"
#include "ui/common/report_settings.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

#include <memory>

using namespace quillon;
using namespace quillon::testing;

namespace {

const WindowExample& exampleOf(const QString& name) {
    for (const WindowExample& example : windowExamples())
        if (name == QLatin1String(example.window))
            return example;
    qFatal("no example of %s", qPrintable(name));
}

// The share of the image's pixels that differ from its top-left corner (the background).
double inkedShare(const QImage& image) {
    const QRgb background = image.pixel(0, 0);
    qint64 inked = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            inked += image.pixel(x, y) != background ? 1 : 0;
    return static_cast<double>(inked) / static_cast<double>(image.width() * image.height());
}

bool wellFormedXml(const QByteArray& bytes) {
    QXmlStreamReader reader(bytes);
    while (!reader.atEnd())
        reader.readNext();
    return !reader.hasError();
}

} // namespace

class WindowFigureTest : public QObject {
    Q_OBJECT

    std::unique_ptr<AlertsOnRecord> alerts_;
    std::unique_ptr<MainWindow> main_;
    QDialog* window_ = nullptr;

    QDialog* openAnswered(const QString& name) {
        window_ = openWithAnswer(*main_, exampleOf(name));
        return window_;
    }
    FigureView* view() const { return window_->findChild<FigureView*>(); }
    void setInput(int number, const QString& text) {
        window_->findChild<QLineEdit*>(QStringLiteral("Input%1").arg(number))->setText(text);
    }
    void press(int command) {
        window_->findChild<QPushButton*>(QStringLiteral("Command%1").arg(command))->click();
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init() {
        alerts_ = std::make_unique<AlertsOnRecord>();
        main_ = std::make_unique<MainWindow>();
        reportSettings().setShown(true);
    }
    void cleanup() {
        if (window_ != nullptr)
            closeWindow(window_);
        window_ = nullptr;
        main_.reset();
        reportSettings().setShown(false);
        alerts_.reset();
    }

    // Every window whose calculation has a figure paints it after its answer, and screen readers
    // get the figure's own description.
    void every_window_with_a_figure_shows_it_data() {
        QTest::addColumn<QString>("name");
        for (const CatalogueEntry& row : catalogue())
            if (row.figure != FigureKind::None)
                QTest::newRow(row.windowName.data()) << QString::fromLatin1(row.windowName);
    }
    void every_window_with_a_figure_shows_it() {
        QFETCH(QString, name);
        QVERIFY(openAnswered(name) != nullptr);
        FigureView* figure = view();
        QVERIFY(figure != nullptr && figure->isVisible());
        QVERIFY2(figure->figure().has_value(), qPrintable(figure->reason()));
        QVERIFY(!figure->figure()->description.empty());
        QCOMPARE(figure->accessibleDescription(), toQString(figure->figure()->description));
        QVERIFY(figure->accessibleName().contains(toQString(figure->figure()->title)));
        QVERIFY(window_->findChild<QAction*>("FigureCopy")->isEnabled());
        const double inked = inkedShare(figure->grab().toImage());
        QVERIFY2(inked > 0.02 && inked < 0.6, qPrintable(QString::number(inked)));
    }

    // Shown after the answer, the figure is drawn from the values answered.
    void the_figure_is_drawn_later_from_the_values_answered() {
        reportSettings().setShown(false);
        openAnswered("Distr2a");
        QVERIFY(view() == nullptr || !view()->isVisible());
        setInput(1, "99");
        reportSettings().setShown(true);
        QVERIFY(view()->figure().has_value());
        QVERIFY2(view()->accessibleDescription().contains("2.228"),
                 qPrintable(view()->accessibleDescription()));
    }

    // A refusal in a calculator window leaves the answer and so the figure; Clear takes both.
    void the_figure_follows_the_answer() {
        openAnswered("Distr2a");
        const QString described = view()->accessibleDescription();
        setInput(2, "0");
        press(1);
        QCOMPARE(alerts_->recorded.beeps + alerts_->recorded.errors.size(), 1);
        QCOMPARE(view()->accessibleDescription(), described);
        press(2);
        QVERIFY(!view()->figure().has_value());
        QVERIFY(!window_->findChild<QAction*>("FigureCopy")->isEnabled());
    }

    // Values far out of range draw a figure or say why in words, never a number a painter
    // cannot place.
    void far_out_values_draw_or_say_why_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("values");
        QTest::newRow("t of 1E30") << "Distr2a" << QStringList{"1E30", "10"};
        QTest::newRow("z of 1E30") << "Distr1a" << QStringList{"1E30"};
        QTest::newRow("huge mean") << "Means2" << QStringList{"1E38", "1", "10", "0", "1", "10"};
        QTest::newRow("huge trials") << "Counts3" << QStringList{"1E9", ".5", "5E8"};
    }
    void far_out_values_draw_or_say_why() {
        QFETCH(QString, name);
        QFETCH(QStringList, values);
        openAnswered(name);
        for (int i = 0; i < values.size(); ++i)
            setInput(i + 1, values[i]);
        press(1);
        const QString said = view()->accessibleDescription() + view()->reason();
        QVERIFY(!said.isEmpty());
        for (const char* word : {"nan", "inf"})
            QVERIFY2(!said.contains(QLatin1String(word), Qt::CaseInsensitive), qPrintable(said));
        QVERIFY(inkedShare(view()->grab().toImage()) > 0.0);
    }

    // Ctrl+Shift+F puts the figure on the clipboard as an image at twice its size.
    void the_figure_is_copied_as_an_image() {
        openAnswered("Means2");
        QGuiApplication::clipboard()->setText("before");
        QWidget* box = window_->findChild<QLineEdit*>("Input1");
        box->setFocus();
        QTest::keyClick(box, Qt::Key_F, Qt::ControlModifier | Qt::ShiftModifier);
        const QImage image = QGuiApplication::clipboard()->image();
        QVERIFY(!image.isNull());
        QCOMPARE(image.size(), view()->size() * 2);
        QVERIFY(inkedShare(image) > 0.02);
        QCOMPARE(alerts_->recorded.beeps, 0);
    }

    // The figure is saved as SVG (well-formed, with its description) or PNG (twice its size), by
    // the file name; a file that cannot be written says so.
    void the_figure_is_saved_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("svg") << "figure.svg";
        QTest::newRow("svg in capitals") << "FIGURE.SVG";
        QTest::newRow("png") << "figure.png";
    }
    void the_figure_is_saved() {
        QFETCH(QString, file);
        openAnswered("Correl");
        QTemporaryDir directory;
        const QString path = directory.filePath(file);
        QVERIFY(window_->findChild<WindowReport*>()->saveFigureTo(path));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        const QByteArray bytes = saved.readAll();
        if (figureFormatOf(path) == FigureFormat::Svg) {
            QVERIFY(wellFormedXml(bytes));
            QVERIFY(bytes.contains("<desc>"));
        } else {
            const QImage image = QImage::fromData(bytes, "PNG");
            QCOMPARE(image.size(), view()->size() * 2);
        }
        QVERIFY(!window_->findChild<WindowReport*>()->saveFigureTo(
            directory.filePath("missing/folder/figure.png")));
    }

    // In every colour scheme the figure's background is the boxes' own and each ink stands out
    // from it as a graphical object must.
    void the_figure_follows_the_palette_data() {
        QTest::addColumn<QPalette>("palette");
        for (const auto& [name, palette] : colourSchemes())
            QTest::newRow(name) << palette;
    }
    void the_figure_follows_the_palette() {
        QFETCH(QPalette, palette);
        const FigurePalette colours = figurePalette(palette);
        QCOMPARE(colours.background, palette.color(QPalette::Base));
        for (const QColor& ink : {colours.curve, colours.accent, colours.second, colours.muted})
            QVERIFY2(contrastRatio(ink, colours.background) >= 3.0, qPrintable(ink.name()));
        QVERIFY(contrastRatio(colours.shade, colours.background) >= 1.5);

        openAnswered("Distr4a");
        window_->setPalette(palette);
        const QImage image = view()->grab().toImage();
        QCOMPARE(QColor(image.pixel(2, 2)), palette.color(QPalette::Base));
        const FigureColours svg = svgColours(colours);
        QCOMPARE(QString::fromStdString(svg.background), palette.color(QPalette::Base).name());
    }
};

QTEST_MAIN(WindowFigureTest)
#include "window_figure_test.moc"
