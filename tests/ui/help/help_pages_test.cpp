// The help pages as the windows reach them: a page of its own for every window's topic, links that
// all lead to pages in the program, text that can be copied, and the viewer beside a calculator.
#include "calculations/catalogue.h"
#include "calculations/correlation/correlate.h"
#include "tests/ui/ui_test_support.h"
#include "ui/common/text_conversion.h"
#include "ui/help/help_topics.h"
#include "ui/help/help_viewer.h"
#include "ui/main_window/main_window.h"

#include <QClipboard>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include <algorithm>

using namespace quillon;
using namespace quillon::testing;

namespace {

// Every window's help topic as the catalogue gives it, and both of `Correl` as its "Help" button
// passes them (it depends on the chosen method).
std::vector<std::pair<QString, int>> windowTopics() {
    std::vector<std::pair<QString, int>> topics;
    for (const CatalogueEntry& calculation : catalogue())
        topics.emplace_back(toQString(calculation.windowName), calculation.help.front().topic);
    for (const auto method :
         {CorrelationMethod::Pearson, CorrelationMethod::Spearman, CorrelationMethod::Regression}) {
        topics.emplace_back(
            QStringLiteral("Correl, method %1").arg(int(method)),
            findByWindow("Correl")->help.at(correlationPresentation(method).helpPage).topic);
    }
    return topics;
}

QStringList helpPages() {
    HelpViewer registersThePages;
    QStringList pages;
    QDirIterator it(QStringLiteral(":/help"), {QStringLiteral("*.html")}, QDir::Files);
    while (it.hasNext())
        pages << it.next();
    pages.sort();
    return pages;
}

QString readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

} // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT
private slots:
    void every_window_topic_opens_a_page_of_its_own_data() {
        QTest::addColumn<int>("topic");
        for (const auto& [window, topic] : windowTopics())
            QTest::newRow(qPrintable(window)) << topic;
    }
    void every_window_topic_opens_a_page_of_its_own() {
        QFETCH(int, topic);
        QVERIFY(topic > 0); // topic 0 is the contents page
        const auto page = helpPageUrl(topic);
        QVERIFY(page);
        QVERIFY2(QFile::exists(QLatin1Char(':') + page->path()), qPrintable(page->toString()));
        std::size_t sharing = 0;
        for (const CatalogueEntry& row : catalogue()) {
            sharing += std::size_t(std::count_if(
                row.help.begin(), row.help.end(),
                [&](const HelpPage& other) { return page->fileName() == toQString(other.page); }));
        }
        QCOMPARE(sharing, std::size_t(1));
        HelpViewer viewer;
        viewer.showTopic(topic);
        QCOMPARE(viewer.browser()->source(), *page);
        QVERIFY(!viewer.browser()->toPlainText().contains(QStringLiteral("no help page")));
    }

    void every_link_leads_to_a_page_in_the_program_data() {
        QTest::addColumn<QString>("page");
        const QStringList pages = helpPages();
        QVERIFY(pages.contains(QStringLiteral(":/help/contents.html")));
        for (const QString& page : pages)
            QTest::newRow(qPrintable(page)) << page;
    }
    void every_link_leads_to_a_page_in_the_program() {
        QFETCH(QString, page);
        static const QRegularExpression reference(
            QStringLiteral("\\b(?:href|src)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')"),
            QRegularExpression::CaseInsensitiveOption);
        const QUrl base(QStringLiteral("qrc") + page);
        std::size_t links = 0;
        for (const auto& match : reference.globalMatch(readResource(page))) {
            ++links;
            const QString link = match.captured(1) + match.captured(2);
            const QUrl target = base.resolved(QUrl(link));
            const QString where = page + QStringLiteral(": ") + link;
            QVERIFY2(target.scheme() == QStringLiteral("qrc"), qPrintable(where));
            const QString text = readResource(QLatin1Char(':') + target.path());
            QVERIFY2(!text.isEmpty(), qPrintable(where));
            if (target.hasFragment()) {
                const QRegularExpression anchor(
                    QStringLiteral("\\b(?:id|name)\\s*=\\s*[\"']%1[\"']")
                        .arg(QRegularExpression::escape(target.fragment())));
                QVERIFY2(text.contains(anchor), qPrintable(where));
            }
        }
        // The contents page links every topic's page: proof that links are found at all.
        std::size_t helpPages = 0;
        for (const CatalogueEntry& row : catalogue())
            helpPages += row.help.size();
        QVERIFY(!page.endsWith(QStringLiteral("/contents.html")) || links >= helpPages);
    }

    void page_text_can_be_selected_and_copied() {
        HelpViewer viewer;
        viewer.show();
        viewer.showTopic(45);
        QGuiApplication::clipboard()->clear();
        QTest::keyClick(viewer.browser(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(viewer.browser(), Qt::Key_C, Qt::ControlModifier);
        QVERIFY(QGuiApplication::clipboard()->text().contains(
            QStringLiteral("Critical chi-square for a given probability")));
    }

    void alt_left_and_alt_right_go_back_and_forward_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("in the page") << "HelpBrowser";
        QTest::newRow("on a button") << "HelpContentsPage";
    }
    void alt_left_and_alt_right_go_back_and_forward() {
        QFETCH(QString, focus);
        HelpViewer viewer;
        viewer.show();
        QVERIFY(QTest::qWaitForWindowActive(&viewer));
        viewer.showTopic(33);
        viewer.showTopic(34);
        viewer.showTopic(35);
        auto* focused = viewer.findChild<QWidget*>(focus);
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(viewer.browser()->source(), *helpPageUrl(34));
        QTest::keyClick(focused, Qt::Key_Left, Qt::AltModifier);
        QCOMPARE(viewer.browser()->source(), *helpPageUrl(33));
        QTest::keyClick(focused, Qt::Key_Right, Qt::AltModifier);
        QCOMPARE(viewer.browser()->source(), *helpPageUrl(34));
    }

    void help_beside_a_calculator_works_and_leaves_it_as_it_was() {
        MainWindow main(standInWindows());
        main.show();
        main.findChild<QAction*>("Distrib_C2")->trigger();
        QDialog* calculator = main.openedWindow("Distr4b");
        QVERIFY(calculator);
        calculator->findChild<QLineEdit*>("Input1")->setText(".05");
        calculator->findChild<QLabel*>("Answer")->setText("answer");
        QVERIFY(QTest::qWaitForWindowActive(calculator));
        calculator->findChild<QPushButton*>("Command4")->click();
        QPointer<HelpViewer> viewer = helpViewer();
        QVERIFY(viewer && viewer->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(viewer));
        QCOMPARE(viewer->browser()->source(), *helpPageUrl(45));

        // A click that goes through the window system, where a modal window would block it.
        auto* contents = viewer->findChild<QToolButton*>("HelpContentsPage");
        QTest::mouseClick(viewer->windowHandle(), Qt::LeftButton, {},
                          contents->mapTo(viewer.data(), contents->rect().center()));
        QCOMPARE(viewer->browser()->source(), helpContentsUrl());

        viewer->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(viewer.isNull());
        QTRY_COMPARE(QApplication::activeWindow(), calculator);
        QVERIFY(calculator->isVisible());
        QCOMPARE(QApplication::activeModalWidget(), calculator);
        QCOMPARE(calculator->findChild<QLineEdit*>("Input1")->text(), QString(".05"));
        QCOMPARE(calculator->findChild<QLabel*>("Answer")->text(), QString("answer"));
        calculator->close();
    }
};

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
