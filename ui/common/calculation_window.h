// What the calculator and data sheet windows share: the buttons "Calculate", "Clear", "Exit" and
// "Help", the rule and answer label, running a calculation under the common arithmetic-error
// policy with the busy cursor, and applying its answer or refusal. Each kind adds its own inputs.
// The window closes only by "Exit" or the close box: Qt's dialog closes on Escape, which would
// throw away what was typed at a stray key.
// A refusal's reason stands in a bubble beside the box or cell at fault, and an answer that
// replaced the clipboard says so briefly on the rule above the answer: the one strip of every
// window that no control and no answer text takes.
#pragma once

#include "calculations/evaluation.h"
#include "ui/common/window_report.h"

#include <QDialog>
#include <QMargins>
#include <QPointer>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

class QContextMenuEvent;
class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace quillon {

class NoticeBubble;

class CalculationWindow : public QDialog {
    Q_OBJECT
public:
    explicit CalculationWindow(QWidget* parent = nullptr);
    ~CalculationWindow() override;

    // Shows a short text in a bubble beside a part of the window, pointing at it: `area` in the
    // anchor's own coordinates, or the whole anchor when `area` is null. The bubble takes neither
    // the focus nor the mouse; screen readers are told of it, and the anchor carries the text as
    // its accessible description while it shows. It stays until hideNotice(), another notice, a
    // Calculate that answers, "Clear", or, when the anchor is a box, a change of its text. An
    // empty text only takes the present notice away.
    void showNotice(QWidget* anchor, const QRect& area, const QString& text);
    // Takes the notice away, and its text from the accessible descriptions.
    void hideNotice();

protected:
    // What a notice concerns: where it points, in this window's coordinates (nothing while that
    // is out of sight), and the controls that carry its text as their accessible description.
    struct NoticeTarget {
        std::function<std::optional<QRect>()> area;
        std::vector<QWidget*> described;
    };
    // Shows a notice for a target. Connections made with the returned object as their context
    // end with the notice: the changes that take it away, the moves it follows.
    QObject* showNotice(const NoticeTarget& target, const QString& text);
    // Places the notice again: its target moved, or the focus went to what it covers.
    void followNoticeTarget();
    // Room the notice leaves between itself and the window's edges.
    void setNoticeMargins(const QMargins& margins) { noticeMargins_ = margins; }
    // The widget that shows the answer, which the notice of a copy never covers.
    void setAnswerArea(QWidget* area) { answerArea_ = area; }
    // The notice and the brief word of a copy both go (Clear, a new opening).
    void hideNotices();
    // What a refusal says to show beside what it refused: its reason, or else the text of its
    // "Error" box.
    static QString reasonText(const Refusal& refusal);

    // The four buttons, in tab order, at their rectangles in twips; Calculate is the default.
    std::array<QPushButton*, 4> buildButtons(const std::array<QRect, 4>& twips);
    QFrame* buildRule(const QString& name, const QRect& twips);
    // The Answer label, top-left aligned and wrapping; its text can be selected with the mouse
    // and copied with Ctrl+C or its menu's "Copy".
    QLabel* buildAnswerLabel(const QRect& twips);
    // The answer's selected text, or all of it, onto the clipboard.
    void copyAnswer();
    QLabel* answerLabel() const { return answer_; }

    // Runs the evaluation and applies its answer or refusal; values that cannot be calculated are
    // reported and leave everything as it was.
    void runEvaluation(const std::function<Evaluation()>& evaluation);
    // The same for a calculation that has a report or a figure: asked for while they show, and
    // formed again from the same values when shown later.
    void runEvaluation(const ReportedEvaluation& evaluation,
                       const FigureOfEvaluation& figureOf = nullptr);

    // Offers the report of effect sizes and the figure when the row has either: the key, menu
    // entries, the hint on the answer and what shows below it; `lastControl` ends the window's
    // own tab order. Called once the window is built.
    void offerReport(const CatalogueEntry& row, QWidget* lastControl);
    // The answer went: the report and the figure go with it.
    void clearReport();
    WindowReport* report() const { return report_; }
    // The beep or "Error" box; the kinds then move the focus to what was refused.
    virtual void applyRefusal(const Refusal& refusal);
    // The answer text, the clipboard and the beep; the kinds add their own extras.
    virtual void applyAnswer(Answer answer);

    virtual void calculate() = 0;
    virtual void clear() = 0;
    virtual int helpTopic() const = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showCopied(const std::string& clipboard);
    bool inReportPanel(const QObject* object) const;
    void addReportEntries(QObject* owner);

    QLabel* answer_ = nullptr;
    QWidget* answerArea_ = nullptr;
    QFrame* rule_ = nullptr;
    bool copyKeysWatched_ = false;
    NoticeBubble* notice_ = nullptr;
    NoticeBubble* copied_ = nullptr;
    QString noticeText_;
    std::function<std::optional<QRect>()> noticeArea_;
    std::vector<std::pair<QPointer<QWidget>, QString>> described_; // with their own descriptions
    QObject* noticeScope_ = nullptr;
    QMargins noticeMargins_;
    WindowReport* report_ = nullptr;
};

} // namespace quillon
