// The About (`Help3`) and Technical Support (`Support`) windows: version line, placement, a fresh
// window at every opening, what they show of the deployment (every value with its caption, and
// nothing where a value is not given) and the addresses their labels open (recorded, never opened).
#include "ui/information/about_window.h"
#include "ui/information/deployment.h"
#include "ui/information/support_window.h"
#include "ui/information/url_opener.h"
#include "ui/main_window/main_window.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

using namespace quillon;

Q_DECLARE_METATYPE(quillon::Deployment)

namespace {

class RecordingOpener : public UrlOpener {
public:
    void open(const QUrl& url) override { opened << url.toString(QUrl::FullyEncoded); }
    QStringList opened;
};

// A label by name, and for the `Label3` group of `Support` by its index in the group.
QLabel* findLabel(QWidget* window, const QString& name, int index) {
    for (QLabel* label : window->findChildren<QLabel*>(name))
        if (index < 0 || label->property("index").toInt() == index)
            return label;
    return nullptr;
}

// Every text the window shows, sorted.
QStringList textsOf(QWidget* window) {
    QStringList texts;
    for (const QLabel* label : window->findChildren<QLabel*>())
        if (!label->text().isEmpty() && label->isVisibleTo(window))
            texts << label->text();
    texts.sort();
    return texts;
}

// A deployment that gives every value; fixtures, under the reserved .invalid domain.
Deployment everyValue() {
    Deployment values;
    values.makerName = QStringLiteral("Fixture Maker Ltd");
    values.makerAddress = {QStringLiteral("1 Fixture Street"), QStringLiteral("Fixture Town")};
    values.makerTelephone = QStringLiteral("+00 0000 0001");
    values.salesMail = QStringLiteral("sales@quillon.invalid");
    values.supportTelephone = QStringLiteral("+00 0000 0002");
    values.supportMail = QStringLiteral("support@quillon.invalid");
    values.bookWebAddress = QStringLiteral("https://quillon.invalid/book/");
    return values;
}

Deployment makerOnly() {
    Deployment values;
    values.makerName = QStringLiteral("Verimont, Inc.");
    return values;
}

Deployment postOnly() {
    Deployment values;
    values.makerAddress = {QStringLiteral("1 Fixture Street")};
    return values;
}

// The About and Support windows made with the given deployment, opened from the menu.
WindowRegistry informationWindows(const Deployment& deployment) {
    WindowRegistry registry;
    registry.add("Help3", {[deployment](QWidget* owner) -> QDialog* {
                               return new AboutWindow(owner, deployment);
                           },
                           0});
    registry.add("Support", {[deployment](QWidget* owner) -> QDialog* {
                                 return new SupportWindow(owner, deployment);
                             },
                             0});
    return registry;
}

const QString kVersion =
    QStringLiteral("Version %1.%2").arg(QUILLON_VERSION_MAJOR).arg(QUILLON_VERSION_MINOR);
const QString kHelp = QStringLiteral("Help: choose Contents on the Help menu, or press F1.");
const QString kWarranty =
    QStringLiteral("Quillon is provided as is, without warranty of any kind.");

} // namespace

class InformationWindowsTest : public QObject {
    Q_OBJECT

    MainWindow main_;
    RecordingOpener opener_;
    UrlOpenerOverride override_{opener_};

    static QDialog* open(MainWindow& main, const QString& item, const QString& window) {
        main.findChild<QAction*>(item)->trigger();
        return main.openedWindow(window.toStdString());
    }
    QDialog* open(const QString& item, const QString& window) { return open(main_, item, window); }
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
        QPointer<QDialog> first = open(item, window);
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->windowTitle(), title);
        QCOMPARE(first->windowModality(), Qt::WindowModal);
        QCOMPARE(findLabel(first, "Label3", versionIndex)->text(), kVersion);
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
        QCOMPARE(findLabel(second, "Label3", versionIndex)->text(), kVersion);
        closeByOk(second);
    }

    // Each value with its caption where it is given; neither where it is not. The name, the
    // version and where the help is show whatever the deployment gives.
    void each_shows_what_the_deployment_gives_and_nothing_else_data() {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("window");
        QTest::addColumn<Deployment>("deployment");
        QTest::addColumn<QStringList>("texts");
        const QStringList about = {"Quillon", kVersion, kHelp, kWarranty};
        const QStringList support = {"Quillon", "Technical Support", kVersion, kHelp};
        QTest::newRow("About, every value")
            << "HelpHelpAbout"
            << "Help3" << everyValue()
            << about + QStringList{"Fixture Maker Ltd",
                                   "1 Fixture Street",
                                   "Fixture Town",
                                   "Telephone: +00 0000 0001",
                                   "Email:",
                                   "sales@quillon.invalid",
                                   "Copyright \u00A9 2024 Fixture Maker Ltd. All rights reserved."};
        QTest::newRow("About, none") << "HelpHelpAbout"
                                     << "Help3" << Deployment{} << about;
        QTest::newRow("About, the maker's name alone")
            << "HelpHelpAbout"
            << "Help3" << makerOnly()
            << about + QStringList{"Verimont, Inc.",
                                   "Copyright \u00A9 2024 Verimont, Inc. All rights reserved."};
        QTest::newRow("Support, every value")
            << "HelpTech"
            << "Support" << everyValue()
            << support + QStringList{"Detailed explanations of all statistical procedures and "
                                     "formulas",
                                     "are found in our statistics book, available",
                                     "at our web site: ",
                                     "https://quillon.invalid/book/",
                                     "Mail:",
                                     "Fixture Maker Ltd",
                                     "1 Fixture Street",
                                     "Fixture Town",
                                     "E-mail:",
                                     "support@quillon.invalid",
                                     "Telephone:",
                                     "+00 0000 0002"};
        QTest::newRow("Support, none") << "HelpTech"
                                       << "Support" << Deployment{} << support;
        QTest::newRow("Support, the maker's name alone")
            << "HelpTech"
            << "Support" << makerOnly() << support + QStringList{"Verimont, Inc."};
        QTest::newRow("Support, an address without a name")
            << "HelpTech"
            << "Support" << postOnly() << support + QStringList{"Mail:", "1 Fixture Street"};
    }
    void each_shows_what_the_deployment_gives_and_nothing_else() {
        QFETCH(QString, item);
        QFETCH(QString, window);
        QFETCH(Deployment, deployment);
        QFETCH(QStringList, texts);
        MainWindow main(informationWindows(deployment));
        main.show();
        QDialog* opened = open(main, item, window);
        QVERIFY(opened != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(opened));
        texts.sort();
        QCOMPARE(textsOf(opened), texts);
        QVERIFY(opened->findChild<QLabel*>("Logo") != nullptr);
        QVERIFY(!opened->findChild<QLabel*>("Logo")->pixmap().isNull());
        closeByOk(opened);
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
            << "Label12" << -1 << "mailto:sales@quillon.invalid?Subject=Quillon" << true;
        QTest::newRow("Support, book") << "HelpTech"
                                       << "Support"
                                       << "Label2" << -1 << "https://quillon.invalid/book/" << true;
        const QString supportMail =
            QStringLiteral("mailto:support@quillon.invalid?Subject=Quillon%20Support");
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
        MainWindow main(informationWindows(everyValue()));
        main.show();
        QDialog* opened = open(main, item, window);
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

    // Without a support mail address the group has nowhere to write to: its labels are plain.
    void without_a_support_address_no_label_opens_a_mail() {
        opener_.opened.clear();
        Deployment values = everyValue();
        values.supportMail.clear();
        MainWindow main(informationWindows(values));
        main.show();
        QDialog* opened = open(main, "HelpTech", "Support");
        const QList<QLabel*> group = opened->findChildren<QLabel*>("Label3");
        QCOMPARE(group.size(), 5); // Mail:, Telephone:, the number, the lead-in, the version
        for (QLabel* label : group) {
            QVERIFY2(label->cursor().shape() != Qt::PointingHandCursor, qPrintable(label->text()));
            QTest::mouseClick(label, Qt::LeftButton);
        }
        QVERIFY(findLabel(opened, "Label3", 1) == nullptr); // no "E-mail:"
        QCOMPARE(opener_.opened, QStringList{});
        closeByOk(opened);
    }

    // The program as built shows its own texts and the values it was built with, nothing else.
    void the_built_windows_show_only_the_built_values() {
        const Deployment& built = builtDeployment();
        QStringList allowed = {"Quillon",
                               "Technical Support",
                               kVersion,
                               kHelp,
                               "Email:",
                               "Mail:",
                               "E-mail:",
                               "Telephone:",
                               "Detailed explanations of all statistical procedures and formulas",
                               "are found in our statistics book, available",
                               "at our web site: ",
                               "Telephone: " + built.makerTelephone,
                               built.makerName,
                               built.salesMail,
                               built.supportMail,
                               built.supportTelephone,
                               built.bookWebAddress};
        allowed += built.makerAddress;
        allowed += notices(built);
        for (const auto& [item, window] :
             {std::pair{"HelpHelpAbout", "Help3"}, std::pair{"HelpTech", "Support"}}) {
            QDialog* opened = open(item, window);
            for (const QString& text : textsOf(opened))
                QVERIFY2(allowed.contains(text), qPrintable(text));
            closeByOk(opened);
        }
    }
};

QTEST_MAIN(InformationWindowsTest)
#include "information_windows_test.moc"
