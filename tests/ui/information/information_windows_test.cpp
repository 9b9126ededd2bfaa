// The About (`Help3`) and Technical Support (`Support`) windows: version line, placement, a fresh
// window at every opening, and the addresses their labels open (recorded, never opened).
#include "ui/common/text_conversion.h"
#include "ui/information/deployment.h"
#include "ui/information/url_opener.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace quillon;

namespace {

class RecordingOpener : public UrlOpener {
public:
    void open(const QUrl& url) override { opened << url.toString(QUrl::FullyEncoded); }
    QStringList opened;
};

// A label by name, and for the `Label3` group of `Support` by its index in the group.
QLabel* findLabel(QWidget* window, const QString& name, int index) {
    for (QLabel* label : window->findChildren<QLabel*>(name)) {
        if (index < 0 || label->property("index").toInt() == index) {
            return label;
        }
    }
    return nullptr;
}

} // namespace

class InformationWindowsTest : public QObject {
    Q_OBJECT

    MainWindow main_;
    RecordingOpener opener_;
    UrlOpenerOverride override_{opener_};

    QDialog* open(const QString& item, const QString& window) {
        main_.findChild<QAction*>(item)->trigger();
        return main_.openedWindow(window.toStdString());
    }
    static void closeByOk(QDialog* window) {
        window->findChild<QPushButton*>("CmdOK")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void initTestCase() {
        main_.move(40, 30);
        main_.show();
    }

    void each_opens_afresh_modal_and_centred_with_the_version_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("versionIndex");
        QTest::newRow("About") << "HelpHelpAbout"
                               << "Help3"
                               << "About Quillon" << -1;
        QTest::newRow("Support") << "HelpTech"
                                 << "Support"
                                 << "Technical Support" << 9;
    }
    void each_opens_afresh_modal_and_centred_with_the_version() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, title);
        QFETCH(int, versionIndex);
        const QString version =
            QStringLiteral("Version %1.%2").arg(QUILLON_VERSION_MAJOR).arg(QUILLON_VERSION_MINOR);
        QPointer<QDialog> first = open(item, window);
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowTitle(), title);
        QCOMPARE(first->windowModality(), Qt::WindowModal);
        QCOMPARE(findLabel(first, "Label3", versionIndex)->text(), version);
        // No drop below the centre, unlike the calculation windows.
        const QRect outer = main_.frameGeometry();
        const QRect own = first->frameGeometry();
        QCOMPARE(own.topLeft(), QPoint(outer.x() + (outer.width() - own.width()) / 2,
                                       outer.y() + (outer.height() - own.height()) / 2));
        findLabel(first, "Label3", versionIndex)->setText("left over");
        closeByOk(first);
        QVERIFY(first.isNull());
        QDialog* second = open(item, window);
        QVERIFY(second && second->isVisible());
        QCOMPARE(findLabel(second, "Label3", versionIndex)->text(), version);
        closeByOk(second);
    }

    void clicking_a_label_asks_the_desktop_to_open_its_address_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("label");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("url");
        QTest::addColumn<bool>("address"); // looks like a link and is in the tab order
        QTest::newRow("About, sales mail")
            << "HelpHelpAbout"
            << "Help3"
            << "Label12" << -1
            << QStringLiteral("mailto:%1?Subject=Quillon").arg(toQString(deployment::kSalesMail))
            << true;
        QTest::newRow("Support, book")
            << "HelpTech"
            << "Support"
            << "Label2" << -1 << toQString(deployment::kBookWebAddress) << true;
        const QString supportMail = QStringLiteral("mailto:%1?Subject=Quillon%20Support")
                                        .arg(toQString(deployment::kSupportMail));
        const std::pair<const char*, int> group[] = {
            {"Mail: caption", 0},    {"E-mail: caption", 1}, {"Telephone: caption", 2},
            {"telephone number", 3}, {"mail address", 4},    {"web site lead-in", 5},
            {"version line", 9},
        };
        for (const auto& [what, index] : group) {
            QTest::newRow(what) << "HelpTech"
                                << "Support"
                                << "Label3" << index << supportMail << (index == 4);
        }
    }
    void clicking_a_label_asks_the_desktop_to_open_its_address() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(QString, label);
        QFETCH(int, index);
        QFETCH(QString, url);
        QFETCH(bool, address);
        opener_.opened.clear();
        QDialog* opened = open(item, window);
        QLabel* clickable = findLabel(opened, label, index);
        QVERIFY(clickable);
        QCOMPARE(clickable->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(clickable, Qt::LeftButton);
        QCOMPARE(opener_.opened, QStringList{url});
        QCOMPARE(bool(clickable->focusPolicy() & Qt::TabFocus), address);
        if (address) {
            QTest::keyClick(clickable, Qt::Key_Space);
            QCOMPARE(opener_.opened, (QStringList{url, url}));
        }
        QVERIFY(opened->isVisible());
        closeByOk(opened);
    }
};

QTEST_MAIN(InformationWindowsTest)
#include "information_windows_test.moc"
