// The main window's start page: the search box has the focus, typing finds, the keys move and
// open, and a calculation opens exactly as its menu item opens it.
#include "tests/ui/ui_test_support.h"
#include "tests/ui/window_tour.h"
#include "ui/common/announcement.h"
#include "ui/common/colour_contrast.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/start_page.h"
#include "ui/main_window/start_page_delegate.h"

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QtTest>

using namespace quillon;
using namespace quillon::testing;

namespace {

QStringList shownTitles(const QListWidget* list, bool headings) {
    QStringList titles;
    for (int row = 0; row < list->count(); ++row) {
        const QListWidgetItem* item = list->item(row);
        if (headings || !item->data(kMenuItemRole).toString().isEmpty())
            titles << item->text();
    }
    return titles;
}

// The windows the main window has open, by objectName.
QStringList openWindows(const MainWindow& main) {
    QStringList names;
    for (const CatalogueEntry& row : catalogue())
        if (main.openedWindow(row.windowName) != nullptr)
            names << toQString(row.windowName);
    return names;
}

void closeAndForget(QDialog* dialog) {
    dialog->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

class StartPageTest : public QObject {
    Q_OBJECT

    MainWindow* main_ = nullptr;
    StartPage* page_ = nullptr;
    QLineEdit* search_ = nullptr;
    QListWidget* list_ = nullptr;

private slots:
    void init() {
        main_ = new MainWindow(standInWindows());
        main_->show();
        QVERIFY(QTest::qWaitForWindowActive(main_));
        page_ = main_->findChild<StartPage*>();
        QVERIFY(page_);
        search_ = page_->searchBox();
        list_ = page_->list();
    }
    void cleanup() {
        delete main_;
        main_ = nullptr;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void the_search_box_has_the_focus_when_the_program_starts() {
        QCOMPARE(QApplication::focusWidget(), search_);
        QCOMPARE(main_->centralWidget(), page_);
    }

    void every_calculation_is_listed_under_its_family_in_menu_order() {
        QStringList expected;
        QString family;
        for (const CatalogueEntry& row : catalogue())
            expected << toQString(row.title);
        QCOMPARE(shownTitles(list_, false), expected);
        QStringList headings;
        for (int row = 0; row < list_->count(); ++row)
            if (list_->item(row)->data(kMenuItemRole).toString().isEmpty())
                headings << list_->item(row)->text();
        QCOMPARE(headings, QStringList({"Normal distribution", "T distribution", "F distribution",
                                        "Chi-square distribution", "Counts", "Percents", "Means",
                                        "Correlation", "Sampling"}));
        // The first calculation, not its heading, is the one Enter opens.
        QCOMPARE(list_->currentItem()->text(), QString("Probability of a z value"));
    }

    void enter_opens_the_first_match_as_its_menu_item_does_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::newRow("anova") << "anova"
                               << "Mean6"
                               << "Means6";
        QTest::newRow("fisher") << "fisher"
                                << "Count2"
                                << "Counts2";
        QTest::newRow("correlation") << "correlation"
                                     << "Correlation"
                                     << "Correl";
        QTest::newRow("readable name") << "t-critical"
                                       << "Distrib_T2"
                                       << "Distr2b";
        QTest::newRow("t range") << "range t"
                                 << "Distrib_T3"
                                 << "Distr2c";
        QTest::newRow("sample size") << "sample size"
                                     << "SampleSize1"
                                     << "Sample1";
    }
    void enter_opens_the_first_match_as_its_menu_item_does() {
        QFETCH(QString, typed);
        QFETCH(QString, item);
        QFETCH(QString, window);
        // The menu's own opening, to compare with.
        main_->findChild<QAction*>(item)->trigger();
        QDialog* byMenu = main_->openedWindow(window.toStdString());
        QVERIFY(byMenu);
        const QString title = byMenu->windowTitle();
        const QRect where = byMenu->geometry();
        closeAndForget(byMenu);
        QVERIFY(QTest::qWaitForWindowActive(main_));

        QTest::keyClicks(search_, typed);
        QTest::keyClick(search_, Qt::Key_Return);
        QDialog* bySearch = main_->openedWindow(window.toStdString());
        QVERIFY(bySearch);
        QCOMPARE(openWindows(*main_), QStringList{window});
        QCOMPARE(bySearch->objectName(), window);
        QCOMPARE(bySearch->windowTitle(), title);
        QCOMPARE(bySearch->geometry(), where);
        QCOMPARE(bySearch->parentWidget(), main_);
        QCOMPARE(bySearch->windowModality(), Qt::WindowModal);
        QVERIFY(bySearch->isVisible());
        closeAndForget(bySearch);
    }

    void arrow_keys_move_past_headings_from_the_search_box_and_the_list() {
        // Down from the last z calculation passes the "T distribution" heading.
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(search_, Qt::Key_Down);
        QCOMPARE(list_->currentItem()->text(), QString("Probability of a t value"));
        QCOMPARE(QApplication::focusWidget(), search_);
        QTest::keyClick(search_, Qt::Key_Up);
        QCOMPARE(list_->currentItem()->text(), QString("Probability of a defined range"));
        QCOMPARE(list_->currentItem()->data(kReadableNameRole).toString(), QString("z-range"));
        // Up at the first calculation stays there; Home and End in the list go to the ends.
        list_->setFocus();
        QTest::keyClick(list_, Qt::Key_Home);
        QTest::keyClick(list_, Qt::Key_Up);
        QCOMPARE(list_->currentItem()->text(), QString("Probability of a z value"));
        QTest::keyClick(list_, Qt::Key_End);
        QCOMPARE(list_->currentItem()->text(), toQString(catalogue().back().title));
        QTest::keyClick(list_, Qt::Key_Down);
        QCOMPARE(list_->currentItem()->text(), toQString(catalogue().back().title));
        QTest::keyClick(list_, Qt::Key_PageUp);
        QVERIFY(!list_->currentItem()->data(kMenuItemRole).toString().isEmpty());
        // Enter on an item of the list opens it.
        QTest::keyClick(list_, Qt::Key_End);
        QTest::keyClick(list_, Qt::Key_Return);
        QDialog* opened = main_->openedWindow(catalogue().back().windowName);
        QVERIFY(opened);
        closeAndForget(opened);
    }

    void enter_after_moving_opens_the_item_moved_to() {
        QTest::keyClicks(search_, "critical");
        QTest::keyClick(search_, Qt::Key_Down);
        QTest::keyClick(search_, Qt::Key_Enter);
        QCOMPARE(openWindows(*main_), QStringList{"Distr2b"});
        closeAndForget(main_->openedWindow("Distr2b"));
    }

    void typing_in_the_list_goes_on_in_the_search_box_and_escape_empties_it() {
        list_->setFocus();
        QTest::keyClicks(list_, "fish");
        QCOMPARE(search_->text(), QString("fish"));
        QCOMPARE(QApplication::focusWidget(), search_);
        QCOMPARE(shownTitles(list_, true), QStringList{"Fisher's exact test"});
        QTest::keyClick(search_, Qt::Key_Escape);
        QCOMPARE(search_->text(), QString());
        QCOMPARE(shownTitles(list_, false).size(), qsizetype(catalogue().size()));
    }

    void a_search_that_finds_nothing_says_so_and_enter_opens_nothing() {
        QStringList heard;
        listenToAnnouncements([&](QWidget* widget) { heard << widget->objectName(); });
        QTest::keyClicks(search_, "xyzzy");
        auto* nothing = page_->findChild<QLabel*>("StartNothing");
        QVERIFY(nothing && nothing->isVisible());
        QCOMPARE(nothing->text(), QString("No calculation matches \"xyzzy\"."));
        QVERIFY(!list_->isVisible());
        QTest::keyClick(search_, Qt::Key_Return);
        QCOMPARE(openWindows(*main_), QStringList());
        QTest::keyClick(search_, Qt::Key_Backspace);
        QCOMPARE(nothing->text(), QString("No calculation matches \"xyzz\"."));
        QTest::keyClick(search_, Qt::Key_Escape);
        QVERIFY(!nothing->isVisible());
        QVERIFY(list_->isVisible());
        // Said once, when the list emptied, and again only when it empties anew.
        QTest::keyClicks(search_, "qq");
        listenToAnnouncements({});
        QCOMPARE(heard, QStringList({"StartNothing", "StartNothing"}));
    }

    void a_double_click_opens_and_a_heading_opens_nothing() {
        QTest::keyClicks(search_, "binomial");
        const QRect item = list_->visualItemRect(list_->item(0));
        QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, item.center());
        QTest::mouseDClick(list_->viewport(), Qt::LeftButton, {}, item.center());
        QCOMPARE(openWindows(*main_), QStringList{"Counts3"});
        closeAndForget(main_->openedWindow("Counts3"));
        search_->clear();
        emit list_->itemActivated(list_->item(0)); // "Normal distribution"
        QCOMPARE(openWindows(*main_), QStringList());
    }

    void the_search_box_and_the_list_read_out_their_names() {
        QCOMPARE(search_->accessibleName(), QString("Find a calculation"));
        QAccessibleInterface* list = QAccessible::queryAccessibleInterface(list_);
        QVERIFY(list);
        QCOMPARE(list->role(), QAccessible::List);
        QCOMPARE(list->text(QAccessible::Name), QString("Calculations"));
        // Two windows share a title; what is read out tells them apart.
        QTest::keyClicks(search_, "defined range");
        QCOMPARE(list_->item(0)->data(Qt::AccessibleTextRole).toString(),
                 QString("Probability of a defined range, Normal distribution"));
        QCOMPARE(list_->item(1)->data(Qt::AccessibleTextRole).toString(),
                 QString("Probability of a defined range, T distribution"));
    }

    void the_readable_name_reads_in_every_colour_scheme() {
        for (const auto& [scheme, palette] : colourSchemes()) {
            for (const bool selected : {false, true}) {
                const QColor ground =
                    palette.color(selected ? QPalette::Highlight : QPalette::Base);
                const QColor text =
                    palette.color(selected ? QPalette::HighlightedText : QPalette::Text);
                const QColor quiet = quietTextColour(palette, selected);
                const QString what = QString::fromLatin1(scheme) + (selected ? " selected" : "");
                // Where even the text falls short of 4.5 to 1 (white on the light highlight), the
                // name takes the text's own colour.
                QVERIFY2(contrastRatio(quiet, ground) >= std::min(4.5, contrastRatio(text, ground)),
                         qPrintable(what));
                QVERIFY2(contrastRatio(quiet, ground) <= contrastRatio(text, ground),
                         qPrintable(what));
            }
        }
    }
};

QTEST_MAIN(StartPageTest)
#include "start_page_test.moc"
