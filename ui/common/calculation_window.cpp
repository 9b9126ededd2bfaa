#include "ui/common/calculation_window.h"

#include "ui/common/alerts.h"
#include "ui/common/announcement.h"
#include "ui/common/notice_bubble.h"
#include "ui/common/notice_placement.h"
#include "ui/common/notice_text.h"
#include "ui/common/outcome_effects.h"
#include "ui/common/report_panel.h"
#include "ui/common/report_settings.h"
#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"
#include "ui/help/help_viewer.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <algorithm>
#include <chrono>
#include <optional>
#include <utility>
#include <variant>

namespace quillon {

namespace {

constexpr std::array kButtonCaptions = {"Calculate", "Clear", "Exit", "Help"};
// Long enough to read a line of a summary; the next key takes it away sooner.
constexpr std::chrono::milliseconds kCopiedLasting{4000};
// A reason wraps at about this many characters, however wide the window.
constexpr int kNoticeCharacters = 56;
// A bubble may come close to the window's edges, not onto them.
constexpr int kNoticeMargin = 4;

} // namespace

CalculationWindow::CalculationWindow(QWidget* parent)
    : QDialog(parent), noticeMargins_(kNoticeMargin, kNoticeMargin, kNoticeMargin, kNoticeMargin) {
    notice_ = new NoticeBubble(NoticeBubble::Kind::Pointing, this);
    copied_ = new NoticeBubble(NoticeBubble::Kind::Line, this);
}

CalculationWindow::~CalculationWindow() {
    // The descriptions lent to the controls go back before they go.
    hideNotice();
}

std::array<QPushButton*, 4> CalculationWindow::buildButtons(const std::array<QRect, 4>& twips) {
    std::array<QPushButton*, 4> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new QPushButton(QString::fromLatin1(kButtonCaptions[i]), this);
        buttons[i]->setObjectName(QStringLiteral("Command%1").arg(i + 1));
        buttons[i]->setGeometry(fromTwips(twips[i]));
    }
    buttons[0]->setDefault(true);
    connect(buttons[0], &QPushButton::clicked, this, [this] { calculate(); });
    connect(buttons[1], &QPushButton::clicked, this, [this] {
        hideNotices();
        clear();
        clearReport();
    });
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
    if (rule_ == nullptr && name == QLatin1String("Line1"))
        rule_ = rule;
    return rule;
}

QLabel* CalculationWindow::buildAnswerLabel(const QRect& twips) {
    answer_ = new QLabel(this);
    answer_->setObjectName(QStringLiteral("Answer"));
    answer_->setTextFormat(Qt::PlainText);
    answer_->setGeometry(fromTwips(twips));
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answer_->setWordWrap(true);
    // Screen readers read the answer itself as the label's name; this says what it is.
    answer_->setAccessibleDescription(QStringLiteral("Answer"));
    answerArea_ = answer_;
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
        if (report_ != nullptr)
            report_->addMenuEntries(*menu);
        menu->popup(answer_->mapToGlobal(at));
    });
    return answer_;
}

void CalculationWindow::copyAnswer() {
    if (answer_ == nullptr)
        return;
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
        for (QWidget* control : findChildren<QWidget*>())
            if (control->focusPolicy() != Qt::NoFocus)
                control->installEventFilter(this);
    }
    QDialog::showEvent(event);
}

bool CalculationWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ContextMenu && report_ != nullptr && !inReportPanel(watched)) {
        // The control's own menu (or the window's, where the control has none) comes first; the
        // report's entries join it, so that the menu key finds them wherever the focus is.
        watched->removeEventFilter(this);
        QApplication::sendEvent(watched, event);
        watched->installEventFilter(this);
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            report_->addMenuEntries(*menu);
        return true;
    }
    // The report's own text copies its own selection.
    if (event->type() == QEvent::KeyPress && answer_ != nullptr && answer_->hasSelectedText() &&
        !inReportPanel(watched)) {
        const auto* press = static_cast<QKeyEvent*>(event);
        // The answer's selection is the one to copy until the user types elsewhere.
        if (press->matches(QKeySequence::Copy)) {
            copyAnswer();
            return true;
        }
        if (!press->text().isEmpty() && press->text().front().isPrint())
            answer_->setSelection(0, 0);
    }
    return QDialog::eventFilter(watched, event);
}

void CalculationWindow::runEvaluation(const std::function<Evaluation()>& evaluation) {
    Evaluation evaluated = evaluateOrReport(this, evaluation);
    switch (evaluated.kind) {
    case Evaluation::Kind::Answered:
        applyAnswer(std::move(evaluated.answer));
        break;
    case Evaluation::Kind::Refused:
        applyRefusal(evaluated.refusal);
        break;
    case Evaluation::Kind::Failed:
        break;
    }
}

void CalculationWindow::runEvaluation(const ReportedEvaluation& evaluation,
                                      const FigureOfEvaluation& figureOf) {
    const std::optional<ReportOptions> options =
        report_ != nullptr ? report_->options() : std::nullopt;
    Evaluation evaluated = evaluateOrReport(this, [&] { return evaluation(options); });
    switch (evaluated.kind) {
    case Evaluation::Kind::Answered: {
        // Drawn before the answer moves out of the evaluation.
        std::optional<FigureOutcome> figure;
        if (report_ != nullptr && report_->figureShown() && figureOf)
            figure = figureOf(evaluated);
        std::optional<Report> formed = std::move(evaluated.report);
        applyAnswer(std::move(evaluated.answer));
        if (report_ != nullptr)
            report_->answered(evaluation, formed, figureOf, figure);
        break;
    }
    case Evaluation::Kind::Refused:
        applyRefusal(evaluated.refusal);
        break;
    case Evaluation::Kind::Failed:
        break;
    }
}

void CalculationWindow::offerReport(const CatalogueEntry& row, QWidget* lastControl) {
    const Offered offered{row.report != nullptr, row.figure != FigureKind::None};
    if ((!offered.report && !offered.figure) || report_ != nullptr)
        return;
    report_ = new WindowReport(this, lastControl, answerArea_, reportSettings(), offered);
    connect(report_, &WindowReport::copied, this, &CalculationWindow::showCopied);
    if (answerArea_ != nullptr) {
        const QString what = offered.report && offered.figure ? QStringLiteral("report and figure")
                             : offered.figure                 ? QStringLiteral("figure")
                                              : QStringLiteral("report of effect sizes");
        answerArea_->setToolTip(QStringLiteral("Ctrl+R shows the %1 below the answer").arg(what));
    }
}

void CalculationWindow::clearReport() {
    if (report_ != nullptr)
        report_->clear();
}

bool CalculationWindow::inReportPanel(const QObject* object) const {
    const auto* widget = qobject_cast<const QWidget*>(object);
    return report_ != nullptr && report_->contains(widget);
}

void CalculationWindow::contextMenuEvent(QContextMenuEvent* event) {
    if (report_ == nullptr) {
        QDialog::contextMenuEvent(event);
        return;
    }
    auto* menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    report_->addMenuEntries(*menu);
    menu->popup(event->globalPos());
}

void CalculationWindow::applyRefusal(const Refusal& refusal) {
    // The last notice belongs to what was before; the new reason, if any, follows the focus.
    hideNotices();
    announceRefusal(this, refusal);
}

void CalculationWindow::applyAnswer(Answer answer) {
    hideNotices();
    if (answer_ != nullptr)
        answer_->setText(withLineFeeds(answer.text));
    if (answer.clipboard)
        replaceClipboardText(*answer.clipboard);
    if (answer.beep)
        alerts().beep();
    if (answerArea_ != nullptr)
        announce(answerArea_);
    if (answer.clipboard)
        showCopied(*answer.clipboard);
}

QString CalculationWindow::reasonText(const Refusal& refusal) {
    return toQString(refusal.reason.empty() ? refusal.message : refusal.reason);
}

void CalculationWindow::showNotice(QWidget* anchor, const QRect& area, const QString& text) {
    if (anchor == nullptr || text.isEmpty()) {
        hideNotice();
        return;
    }
    NoticeTarget target;
    target.area = [this, anchor = QPointer<QWidget>(anchor), area]() -> std::optional<QRect> {
        if (anchor == nullptr || !anchor->isVisibleTo(this))
            return std::nullopt;
        const QRect local = area.isNull() ? anchor->rect() : area;
        return QRect(anchor->mapTo(this, local.topLeft()), local.size());
    };
    target.described = {anchor};
    QObject* scope = showNotice(target, text);
    if (auto* box = qobject_cast<QLineEdit*>(anchor))
        connect(box, &QLineEdit::textChanged, scope, [this] { hideNotice(); });
}

QObject* CalculationWindow::showNotice(const NoticeTarget& target, const QString& text) {
    hideNotice();
    noticeScope_ = new QObject(this);
    noticeText_ = text;
    noticeArea_ = target.area;
    for (QWidget* control : target.described) {
        described_.emplace_back(control, control->accessibleDescription());
        control->setAccessibleDescription(text);
    }
    // Out of the way of the control the user goes on to, where there is room.
    connect(qApp, &QApplication::focusChanged, noticeScope_, [this] { followNoticeTarget(); });
    followNoticeTarget();
    return noticeScope_;
}

void CalculationWindow::followNoticeTarget() {
    if (!noticeArea_)
        return;
    const std::optional<QRect> target = noticeArea_();
    if (!target) {
        notice_->hide();
        return;
    }
    const QRect room = rect().marginsRemoved(noticeMargins_);
    const int widest =
        std::min(room.width(), notice_->fontMetrics().averageCharWidth() * kNoticeCharacters);
    // In sight stay the control being worked in and every value typed into a box.
    std::vector<QRect> keepInSight;
    const auto placeOf = [this](const QWidget* widget) {
        return QRect(widget->mapTo(this, QPoint(0, 0)), widget->size());
    };
    if (QWidget* focus = QApplication::focusWidget();
        focus != nullptr && focus->window() == this && focus != notice_)
        keepInSight.push_back(placeOf(focus));
    for (const QLineEdit* box : findChildren<QLineEdit*>())
        if (box->isVisible() && !box->text().isEmpty())
            keepInSight.push_back(placeOf(box));
    const NoticeSpot spot = placeNotice(*target, notice_->bodySize(noticeText_, widest),
                                        notice_->pointerHeight(), room, keepInSight);
    if (notice_->isVisible() && notice_->text() == noticeText_)
        notice_->moveTo(spot);
    else
        notice_->showAt(noticeText_, spot);
}

void CalculationWindow::hideNotice() {
    delete noticeScope_;
    noticeScope_ = nullptr;
    noticeArea_ = nullptr;
    noticeText_.clear();
    for (auto& [control, description] : described_)
        if (control != nullptr)
            control->setAccessibleDescription(description);
    described_.clear();
    if (notice_ != nullptr)
        notice_->hide();
}

void CalculationWindow::hideNotices() {
    hideNotice();
    copied_->hide();
}

void CalculationWindow::showCopied(const std::string& clipboard) {
    if (rule_ == nullptr)
        return;
    const QString text = copiedNoticeText(clipboard);
    const QRect line = rule_->geometry();
    QRect body(QPoint(line.left(), 0), copied_->bodySize(text, line.width()));
    // Astride the rule, above the answer's first line.
    body.moveTop(line.center().y() - body.height() / 2);
    if (answerArea_ != nullptr && body.bottom() >= answerArea_->y())
        body.moveBottom(answerArea_->y() - 1);
    copied_->showBriefly(text, body, kCopiedLasting);
}

void CalculationWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace quillon
