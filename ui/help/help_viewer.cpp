#include "ui/help/help_viewer.h"

#include "ui/help/help_topics.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QScreen>
#include <QTextBrowser>
#include <QTextDocument>
#include <QToolButton>
#include <QVBoxLayout>

// Resources of a static library are registered by hand; the name is the .qrc file's.
static void registerHelpPages() {
    Q_INIT_RESOURCE(help);
}

namespace quillon {

namespace {

QPointer<HelpViewer>& theViewer() {
    static QPointer<HelpViewer> viewer;
    return viewer;
}

QToolButton* makeButton(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return button;
}

// The key goes to the button, so a disabled button (no page to go to) ignores it too.
void addShortcut(QWidget* window, QKeySequence::StandardKey key, QToolButton* button) {
    auto* action = new QAction(window);
    action->setShortcuts(key);
    window->addAction(action);
    QObject::connect(action, &QAction::triggered, button, &QToolButton::click);
    const QKeySequence first = action->shortcut();
    if (!first.isEmpty()) {
        button->setToolTip(button->text() + QStringLiteral(" (") +
                           first.toString(QKeySequence::NativeText) + QStringLiteral(")"));
    }
}

} // namespace

HelpViewer::HelpViewer(QWidget* parent) : QWidget(parent, Qt::Window) {
    registerHelpPages();
    setObjectName(QStringLiteral("HelpViewer"));
    setWindowTitle(QStringLiteral("Quillon Help"));
    // Wide enough for the formulas of the pages, but never beyond the screen.
    QSize size(680, 520);
    if (const QScreen* display = screen())
        size = size.boundedTo(display->availableGeometry().size() - QSize(80, 80));
    resize(size);
    // Against the right edge of the screen, clear of the calculation windows in the middle.
    if (const QScreen* display = screen()) {
        const QRect area = display->availableGeometry();
        move(area.right() - width() - 40, area.top() + 40);
    }

    auto* back = makeButton(this, QStringLiteral("HelpBack"), QStringLiteral("Back"));
    auto* forward = makeButton(this, QStringLiteral("HelpForward"), QStringLiteral("Forward"));
    auto* contents =
        makeButton(this, QStringLiteral("HelpContentsPage"), QStringLiteral("Contents"));
    back->setEnabled(false);
    forward->setEnabled(false);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("HelpBrowser"));
    browser_->setOpenExternalLinks(true);
    // A formula longer than the viewer is wide wraps rather than hiding behind a scroll bar.
    browser_->document()->setDefaultStyleSheet(QStringLiteral("pre { white-space: pre-wrap; }"));

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(browser_);

    connect(back, &QToolButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QToolButton::clicked, browser_, &QTextBrowser::forward);
    // Alt+Left and Alt+Right wherever the focus is in the viewer, not only in the page.
    addShortcut(this, QKeySequence::Back, back);
    addShortcut(this, QKeySequence::Forward, forward);
    auto* closeViewer = new QAction(this);
    closeViewer->setShortcuts(QKeySequence::Close);
    addAction(closeViewer);
    connect(closeViewer, &QAction::triggered, this, &QWidget::close);
    connect(contents, &QToolButton::clicked, this, [this] { showTopic(0); });
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QWidget::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QWidget::setEnabled);
}

void HelpViewer::showTopic(int topic) {
    if (const auto page = helpPageUrl(topic)) {
        browser_->setSource(*page);
        return;
    }
    browser_->setHtml(QStringLiteral("<h3>No help page</h3><p>There is no help page for topic "
                                     "%1.</p><p><a href=\"%2\">Contents</a></p>")
                          .arg(topic)
                          .arg(helpContentsUrl().toString()));
}

void HelpViewer::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted() && returnTo_ && returnTo_->isVisible())
        returnTo_->activateWindow();
}

void showHelpTopic(int topic) {
    QWidget* asking = QApplication::activeWindow();
    QPointer<HelpViewer>& viewer = theViewer();
    if (viewer.isNull()) {
        viewer = new HelpViewer;
        viewer->setAttribute(Qt::WA_DeleteOnClose);
        // The viewer has no owner window; it goes when the program ends.
        static const bool deletedAtQuit = [] {
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, qApp,
                             [] { delete theViewer().data(); });
            return true;
        }();
        Q_UNUSED(deletedAtQuit);
    }
    if (asking != nullptr && asking != viewer)
        viewer->returnFocusTo(asking);
    viewer->showTopic(topic);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

HelpViewer* helpViewer() {
    return theViewer().data();
}

void closeHelpViewer() {
    if (HelpViewer* viewer = theViewer().data())
        viewer->close();
}

} // namespace quillon
