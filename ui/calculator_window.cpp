#include "calculator_window.h"

#include "alerts.h"
#include "calculator_geometry.h"
#include "help_viewer.h"
#include "numeric_key_filter.h"
#include "outcome_effects.h"
#include "text_conversion.h"
#include "twips.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace quillon {

namespace {

constexpr std::array kButtonCaptions = {"Calculate", "Clear", "Exit", "Help"};

QString numbered(const char* stem, std::size_t index) {
    return QString::fromLatin1(stem) + QString::number(index + 1);
}

QLabel* makeLabel(QWidget* parent, const QString& name, const QRect& twips) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setGeometry(fromTwips(twips));
    return label;
}

QFrame* makeRule(QWidget* parent, const QString& name, const QRect& twips) {
    auto* rule = new QFrame(parent);
    rule->setObjectName(name);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    rule->setGeometry(fromTwips(twips));
    return rule;
}

} // namespace

CalculatorWindow::CalculatorWindow(const CalculatorDefinition& definition, QWidget* parent)
    : CalculationDialog(parent), definition_(definition), keyFilter_(new NumericKeyFilter(this)) {
    setObjectName(toQString(definition.name));
    setWindowTitle(toQString(definition.title));
    buildControls();
}

void CalculatorWindow::buildControls() {
    const CalculatorGeometry geometry = calculatorGeometry(definition_);
    setFixedSize(fromTwips(geometry.client));

    // Created in tab order: the boxes, then Calculate, Clear, Exit and Help.
    for (std::size_t i = 0; i < geometry.inputs.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(numbered("Input", i));
        box->setGeometry(fromTwips(geometry.inputs[i]));
        box->installEventFilter(keyFilter_);
        inputs_.push_back(box);
    }
    std::array<QPushButton*, 4> buttons{};
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        buttons[i] = new QPushButton(QString::fromLatin1(kButtonCaptions[i]), this);
        buttons[i]->setObjectName(numbered("Command", i));
        buttons[i]->setGeometry(fromTwips(geometry.buttons[i]));
    }
    calculateButton_ = buttons[0];
    calculateButton_->setDefault(true);
    QWidget* previous = nullptr;
    for (QWidget* next : inputs_) {
        if (previous != nullptr) {
            setTabOrder(previous, next);
        }
        previous = next;
    }
    for (QWidget* next : buttons) {
        setTabOrder(previous, next);
        previous = next;
    }

    const bool fourfold = definition_.layout == CalculatorLayout::FourfoldTable;
    for (std::size_t i = 0; i < geometry.labels.size(); ++i) {
        const QString name = fourfold ? QStringLiteral("Label1") : numbered("Question", i);
        auto* label = makeLabel(this, name, geometry.labels[i]);
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(true);
        labels_.push_back(label);
    }
    makeRule(this, QStringLiteral("Line1"), geometry.line1);
    if (geometry.line2) {
        makeRule(this, QStringLiteral("Line2"), *geometry.line2);
    }
    answer_ = makeLabel(this, QStringLiteral("Answer"), geometry.answer);
    answer_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    answer_->setWordWrap(true);
    answer_->setText(withLineFeeds(definition_.initialAnswer));
    for (std::size_t i = 0; i < labels_.size() && i < definition_.questions.size(); ++i) {
        labels_[i]->setText(toQString(definition_.questions[i]));
    }

    connect(buttons[0], &QPushButton::clicked, this, &CalculatorWindow::calculate);
    connect(buttons[1], &QPushButton::clicked, this, &CalculatorWindow::clear);
    connect(buttons[2], &QPushButton::clicked, this, &QWidget::close);
    connect(buttons[3], &QPushButton::clicked, this, &CalculatorWindow::showHelp);
}

void CalculatorWindow::prepare() {
    setWindowTitle(toQString(definition_.title));
    for (std::size_t i = 0; i < labels_.size() && i < definition_.questions.size(); ++i) {
        labels_[i]->setText(toQString(definition_.questions[i]));
    }
    // Every opening starts as "Clear" leaves the window: empty boxes and answer, caret in Input1.
    clear();
}

void CalculatorWindow::calculate() {
    if (definition_.calculate == nullptr) {
        return;
    }
    std::vector<std::string> texts;
    texts.reserve(inputs_.size());
    for (const QLineEdit* box : inputs_) {
        texts.push_back(toStdString(box->text()));
    }
    // On an arithmetic fault nothing changes: the answer, the clipboard and the boxes stay.
    const std::optional<Outcome> outcome =
        calculateOrReport(this, [&] { return definition_.calculate(texts); });
    if (outcome) {
        std::visit([this](const auto& result) { apply(result); }, *outcome);
    }
}

void CalculatorWindow::apply(const Refusal& refusal) {
    announceRefusal(this, refusal);
    if (refusal.focus >= 1 && refusal.focus <= static_cast<int>(inputs_.size())) {
        inputs_[static_cast<std::size_t>(refusal.focus - 1)]->setFocus();
    }
}

void CalculatorWindow::apply(const Answer& answer) {
    answer_->setText(withLineFeeds(answer.text));
    if (answer.clipboard) {
        replaceClipboardText(*answer.clipboard);
    }
    if (answer.beep) {
        alerts().beep();
    }
}

void CalculatorWindow::clear() {
    for (QLineEdit* box : inputs_) {
        box->clear();
    }
    answer_->clear();
    if (!inputs_.empty()) {
        inputs_.front()->setFocus();
    }
}

void CalculatorWindow::showHelp() {
    showHelpTopic(definition_.helpTopic);
}

} // namespace quillon
