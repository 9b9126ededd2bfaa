// The help viewer: a window of its own, outside the chain of modal calculator windows, that shows
// the help pages compiled into the program, with links, back and forward.
#pragma once

#include <QPointer>
#include <QWidget>

class QTextBrowser;
class QToolButton;

namespace quillon {

class HelpViewer : public QWidget {
    Q_OBJECT
public:
    explicit HelpViewer(QWidget* parent = nullptr);

    // Shows the topic's page, the contents for topic 0, or a note that the topic has no page.
    void showTopic(int topic);

    QTextBrowser* browser() const { return browser_; }

    // The window that asked for help; it becomes active again when the viewer closes.
    void returnFocusTo(QWidget* window) { returnTo_ = window; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    QTextBrowser* browser_ = nullptr;
    QPointer<QWidget> returnTo_;
};

// Opens the program's one help viewer at a topic (0: contents), creating it on first use, and
// brings it to the front.
void showHelpTopic(int topic);

// The open help viewer, or nullptr.
HelpViewer* helpViewer();

// Closes the help viewer if it is open (the program's end).
void closeHelpViewer();

} // namespace quillon
