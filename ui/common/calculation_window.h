// What the calculator and data sheet windows share: the buttons "Calculate", "Clear", "Exit" and
// "Help", the rule and answer label, running a calculation under the common arithmetic-error
// policy with the busy cursor, and applying its answer or refusal. Each kind adds its own inputs.
// The window closes only by "Exit" or the close box: Qt's dialog closes on Escape, which would
// throw away what was typed at a stray key.
#pragma once

#include "calculations/common/outcome.h"

#include <QDialog>

#include <array>
#include <functional>

class QFrame;
class QKeyEvent;
class QLabel;
class QPushButton;

namespace quillon {

class CalculationWindow : public QDialog {
    Q_OBJECT
public:
    using QDialog::QDialog;

protected:
    // The four buttons, in tab order, at their rectangles in twips; Calculate is the default.
    std::array<QPushButton*, 4> buildButtons(const std::array<QRect, 4>& twips);
    QFrame* buildRule(const QString& name, const QRect& twips);
    // The Answer label, top-left aligned and wrapping; its text can be selected with the mouse
    // and copied with Ctrl+C or its menu's "Copy".
    QLabel* buildAnswerLabel(const QRect& twips);
    // The answer's selected text, or all of it, onto the clipboard.
    void copyAnswer();
    QLabel* answerLabel() const { return answer_; }

    // Runs the calculation; an arithmetic fault is reported and leaves everything as it was.
    void runCalculation(const std::function<Outcome()>& calculation);
    // The beep or "Error" box; the kinds then move the focus to what was refused.
    virtual void applyRefusal(const Refusal& refusal);
    // The answer text, the clipboard and the beep; the kinds add their own extras.
    virtual void applyAnswer(Answer answer);

    virtual void calculate() = 0;
    virtual void clear() = 0;
    virtual int helpTopic() const = 0;

    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLabel* answer_ = nullptr;
    bool copyKeysWatched_ = false;
};

} // namespace quillon
