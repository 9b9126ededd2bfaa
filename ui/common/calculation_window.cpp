#include "ui/common/calculation_window.h"

#include "ui/common/alerts.h"
#include "ui/common/outcome_effects.h"
#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"
#include "ui/help/help_viewer.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>

#include <optional>
#include <utility>
#include <variant>

namespace quillon {

namespace {

constexpr std::array kButtonCaptions = {"Calculate", "Clear", "Exit", "Help"};

} // namespace

std::array<QPushButton*, 4> CalculationWindow::buildButtons(const std::array<QRect, 4>& twips) {
    std::array<QPushButton*, 4> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new QPushButton(QString::fromLatin1(kButtonCaptions[i]), this);
        buttons[i]->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        buttons[i]->setGeometry(fromTwips(twips[i]));
    }
    buttons[0]->setDefault(true);
    connect(buttons[0], &QPushButton::clicked, this, [this] { calculate(); });
    connect(buttons[1], &QPushButton::clicked, this, [this] { clear(); });
    connect(buttons[2], &QPushButton::clicked, this, &QWidget::close);
    connect(buttons[3], &QPushButton::clicked, this, [this] { showHelpTopic(helpTopic()); });
    return buttons;
}

QFrame* CalculationWindow::buildRule(const QString& name, const QRect& twips) {
    auto* rule = new QFrame(this);
    rule->setObjectName(name);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(fromTwips(twips));
    return rule;
}

QLabel* CalculationWindow::buildAnswerLabel(const QRect& twips) {
    answer_ = new QLabel(this);
    answer_->setObjectName(QStringLiteral("Answer"));
    answer_->setTextFormat(Qt::PlainText);
    answer_->setGeometry(fromTwips(twips));
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answer_->setWordWrap(true);
    // Selectable with the mouse, yet never the focus: the keys go on where they went, and Ctrl+C
    // reaches the answer through the window (see eventFilter).
    answer_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    answer_->setFocusPolicy(Qt::NoFocus);
    answer_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(answer_, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        auto* menu = new QMenu(answer_);
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->addAction(QStringLiteral("Copy"), this, &CalculationWindow::copyAnswer)
            ->setEnabled(!answer_->text().isEmpty());
        menu->popup(answer_->mapToGlobal(at));
    });
    return answer_;
}

void CalculationWindow::copyAnswer() {
    if (answer_ == nullptr) {
        return;
    }
    QString text = answer_->hasSelectedText() ? answer_->selectedText() : answer_->text();
    // A selection spanning lines gives paragraph separators.
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    replaceClipboardText(toStdString(text));
}

void CalculationWindow::showEvent(QShowEvent* event) {
    // Every control that can hold the focus first offers Ctrl+C to the answer's selection.
    if (!copyKeysWatched_ && answer_ != nullptr) {
        copyKeysWatched_ = true;
        for (QWidget* control : findChildren<QWidget*>()) {
            if (control->focusPolicy() != Qt::NoFocus) {
                control->installEventFilter(this);
            }
        }
    }
    QDialog::showEvent(event);
}

bool CalculationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && answer_ != nullptr && answer_->hasSelectedText()) {
        const auto* press = static_cast<QKeyEvent*>(event);
        // The answer's selection is the one to copy until the user types elsewhere.
        if (press->matches(QKeySequence::Copy)) {
            copyAnswer();
            return true;
        }
        if (!press->text().isEmpty() && press->text().front().isPrint()) {
            answer_->setSelection(0, 0);
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CalculationWindow::runCalculation(const std::function<Outcome()>& calculation) {
    std::optional<Outcome> outcome = calculateOrReport(this, calculation);
    if (!outcome) {
        return;
    }
    if (auto* refusal = std::get_if<Refusal>(&*outcome)) {
        applyRefusal(*refusal);
    } else {
        applyAnswer(std::get<Answer>(std::move(*outcome)));
    }
}

void CalculationWindow::applyRefusal(const Refusal& refusal) {
    announceRefusal(this, refusal);
}

void CalculationWindow::applyAnswer(Answer answer) {
    if (answer_ != nullptr) {
        answer_->setText(withLineFeeds(answer.text));
    }
    if (answer.clipboard) {
        replaceClipboardText(*answer.clipboard);
    }
    if (answer.beep) {
        alerts().beep();
    }
}

void CalculationWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quillon
