#include "ui/calculator/calculator_window.h"

#include "figures/build_figure.h"
#include "ui/calculator/calculator_geometry.h"
#include "ui/calculator/numeric_key_filter.h"
#include "ui/common/text_conversion.h"
#include "ui/common/twips.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <array>
#include <string>

namespace quillon {

namespace {

QString numbered(const char* stem, std::size_t index) {
    return QString::fromLatin1(stem) + QString::number(index + 1);
}

// The boxes of a fourfold table, named by their place for screen readers: row by row.
QString fourfoldPlace(std::size_t index) {
    return QStringLiteral("Observed frequency, row %1, column %2")
        .arg(index / 2 + 1)
        .arg(index % 2 + 1);
}

} // namespace

CalculatorWindow::CalculatorWindow(const CatalogueEntry& row, QWidget* parent)
    : CalculationWindow(parent), row_(row), asked_(std::get<QuestionInputs>(row.inputs)),
      keyFilter_(new NumericKeyFilter(this)) {
    setObjectName(toQString(row.windowName));
    setWindowTitle(toQString(row.title));
    buildControls();
}

void CalculatorWindow::buildControls() {
    const CalculatorGeometry geometry = calculatorGeometry(asked_);
    // A paste the box refused says why beside the box, as a refused Calculate does.
    connect(keyFilter_, &NumericKeyFilter::pasteRefused, this,
            [this](QLineEdit* box, const QString& reason) { showNotice(box, QRect(), reason); });
    setFixedSize(fromTwips(geometry.client));

    // Created in tab order: the boxes, then Calculate, Clear, Exit and Help.
    for (std::size_t i = 0; i < geometry.inputs.size(); ++i) {
        auto* box = new QLineEdit(this);
        box->setObjectName(numbered("Input", i));
        box->setGeometry(fromTwips(geometry.inputs[i]));
        box->installEventFilter(keyFilter_);
        inputs_.push_back(box);
    }
    const std::array<QPushButton*, 4> buttons = buildButtons(geometry.buttons);
    // A reason's bubble ends where the boxes and buttons end.
    constexpr int kNear = 4;
    setNoticeMargins(
        QMargins(kNear, kNear, width() - 1 - buttons.front()->geometry().right(), kNear));
    QWidget* previous = nullptr;
    for (QWidget* next : inputs_) {
        if (previous != nullptr)
            setTabOrder(previous, next);
        previous = next;
    }
    for (QWidget* next : buttons) {
        setTabOrder(previous, next);
        previous = next;
    }

    const bool fourfold = asked_.layout == CalculatorLayout::FourfoldTable;
    for (std::size_t i = 0; i < geometry.labels.size(); ++i) {
        const QString name = fourfold ? QStringLiteral("Label1") : numbered("Question", i);
        auto* label = new QLabel(this);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);
        label->setGeometry(fromTwips(geometry.labels[i]));
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        label->setWordWrap(true);
        labels_.push_back(label);
    }
    // Each box is named by its question for screen readers; the table's boxes by their place.
    for (std::size_t i = 0; i < inputs_.size(); ++i)
        if (fourfold)
            inputs_[i]->setAccessibleName(fourfoldPlace(i));
        else if (i < labels_.size())
            labels_[i]->setBuddy(inputs_[i]);
    buildRule(QStringLiteral("Line1"), geometry.line1);
    if (geometry.line2)
        buildRule(QStringLiteral("Line2"), *geometry.line2);
    buildAnswerLabel(geometry.answer)->setText(withLineFeeds(asked_.initialAnswer));
    for (std::size_t i = 0; i < labels_.size() && i < asked_.questions.size(); ++i)
        labels_[i]->setText(toQString(asked_.questions[i]));
    offerReport(row_, buttons.back());
}

void CalculatorWindow::prepare() {
    hideNotices();
    setWindowTitle(toQString(row_.title));
    for (std::size_t i = 0; i < labels_.size() && i < asked_.questions.size(); ++i)
        labels_[i]->setText(toQString(asked_.questions[i]));
    // Every opening starts as "Clear" leaves the window: empty boxes and answer, caret in Input1.
    clear();
}

void CalculatorWindow::calculate() {
    if (asked_.calculate == nullptr)
        return;
    std::vector<std::string> texts;
    texts.reserve(inputs_.size());
    for (const QLineEdit* box : inputs_)
        texts.push_back(toStdString(box->text()));
    // The texts are kept with the evaluation, so that the report and the figure can be formed
    // again from them.
    FigureOfEvaluation figureOf = [&row = row_, texts](const Evaluation& evaluation) {
        return buildFigure(row, evaluation, texts);
    };
    runEvaluation(ReportedEvaluation(
                      [&row = row_, texts = std::move(texts)](std::optional<ReportOptions> report) {
                          return evaluate(row, texts, report);
                      }),
                  figureOf);
}

void CalculatorWindow::applyRefusal(const Refusal& refusal) {
    CalculationWindow::applyRefusal(refusal);
    if (refusal.focus >= 1 && refusal.focus <= static_cast<int>(inputs_.size())) {
        QLineEdit* box = inputs_[static_cast<std::size_t>(refusal.focus - 1)];
        box->setFocus();
        // Under the box, pointing up at it: where the eye already is, and the box's own row and
        // question stay in sight.
        showNotice(box, QRect(), reasonText(refusal));
    }
}

void CalculatorWindow::clear() {
    for (QLineEdit* box : inputs_)
        box->clear();
    answerLabel()->clear();
    if (!inputs_.empty())
        inputs_.front()->setFocus();
}

} // namespace quillon
