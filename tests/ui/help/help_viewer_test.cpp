// The help viewer and the map from help topics to pages.
#include "calculations/catalogue.h"
#include "ui/help/help_topics.h"
#include "ui/help/help_viewer.h"

#include <QRegularExpression>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include <set>

using namespace quillon;

class HelpViewerTest : public QObject {
    Q_OBJECT
private slots:
    void every_calculator_topic_opens_the_page_of_its_window() {
        HelpViewer viewer;
        for (const CatalogueEntry& row : catalogue()) {
            if (std::holds_alternative<QuestionInputs>(row.inputs)) {
                viewer.showTopic(row.help.front().topic);
                QCOMPARE(viewer.browser()->documentTitle().toStdString(), row.title);
            }
        }
    }

    void data_sheet_topics_open_their_pages_data() {
        QTest::addColumn<int>("topic");
        QTest::addColumn<QString>("title");
        QTest::newRow("Counts1") << 47 << "Chi-square test";
        QTest::newRow("Means0") << 57 << "Mean and standard deviation of a sample";
        QTest::newRow("Means1") << 58 << "Matched pairs t-test between means";
        QTest::newRow("Means6") << 63 << "Compare three or more means";
        QTest::newRow("Correl, correlation") << 64 << "Correlation";
        QTest::newRow("Correl, regression") << 65 << "Linear regression";
        QTest::newRow("contents") << 0 << "Quillon Help";
    }
    void data_sheet_topics_open_their_pages() {
        QFETCH(int, topic);
        QFETCH(QString, title);
        HelpViewer viewer;
        viewer.showTopic(topic);
        QCOMPARE(viewer.browser()->documentTitle(), title);
    }

    void unknown_topics_show_the_no_page_note_data() {
        // The rows' topics, and the first numbers around and among them that no row uses.
        std::set<int> topics;
        for (const CatalogueEntry& row : catalogue())
            for (const HelpPage& help : row.help)
                topics.insert(help.topic);
        int gap = *topics.begin() + 1;
        while (topics.contains(gap))
            ++gap;
        QVERIFY(gap < *topics.rbegin());
        QTest::addColumn<int>("topic");
        QTest::newRow("below the range") << 1;
        QTest::newRow("gap in the range") << gap;
        QTest::newRow("above the range") << *topics.rbegin() + 1;
        QTest::newRow("negative") << -*topics.begin();
    }
    void unknown_topics_show_the_no_page_note() {
        QFETCH(int, topic);
        QVERIFY(!helpPageUrl(topic));
        HelpViewer viewer;
        viewer.showTopic(topic);
        const QString text = viewer.browser()->toPlainText();
        QVERIFY2(text.contains(QStringLiteral("no help page for topic %1").arg(topic)),
                 qPrintable(text));
    }

    void contents_links_every_page_and_every_page_exists() {
        HelpViewer viewer;
        viewer.showTopic(0);
        const QString html = viewer.browser()->toHtml();
        QSet<QString> linked;
        static const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
        for (const auto& match : link.globalMatch(html))
            linked.insert(match.captured(1));
        int pages = 0;
        for (const CatalogueEntry& row : catalogue()) {
            for (const HelpPage& help : row.help) {
                const QString page =
                    QString::fromLatin1(help.page.data(), qsizetype(help.page.size()));
                QVERIFY2(linked.contains(page), qPrintable(page));
                QVERIFY2(QFile::exists(QStringLiteral(":/help/") + page), qPrintable(page));
                ++pages;
            }
        }
        QCOMPARE(linked.size(), pages);
    }

    void links_lead_on_and_back_and_forward_return() {
        HelpViewer viewer;
        viewer.show();
        auto* back = viewer.findChild<QToolButton*>("HelpBack");
        auto* forward = viewer.findChild<QToolButton*>("HelpForward");
        viewer.showTopic(0);
        QVERIFY(!back->isEnabled());
        viewer.browser()->setSource(QUrl(QStringLiteral("means3.html")));
        QCOMPARE(viewer.browser()->documentTitle(), QString("Confidence interval around a mean"));
        QVERIFY(back->isEnabled());
        back->click();
        QCOMPARE(viewer.browser()->source(), helpContentsUrl());
        QVERIFY(forward->isEnabled());
        forward->click();
        QCOMPARE(viewer.browser()->documentTitle(), QString("Confidence interval around a mean"));
        viewer.findChild<QToolButton*>("HelpContentsPage")->click();
        QCOMPARE(viewer.browser()->source(), helpContentsUrl());
    }

    void there_is_one_viewer_and_it_has_no_owner() {
        showHelpTopic(33);
        HelpViewer* first = helpViewer();
        showHelpTopic(34);
        QCOMPARE(helpViewer(), first);
        QVERIFY(first->isWindow());
        QVERIFY(first->parentWidget() == nullptr);
        QCOMPARE(first->browser()->documentTitle(), QString("Critical z for a given probability"));
        closeHelpViewer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(helpViewer() == nullptr);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
