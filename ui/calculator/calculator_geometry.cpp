#include "ui/calculator/calculator_geometry.h"

namespace quillon {

namespace {

constexpr int kClientWidth = 7365;
// Questions, rules and answer share one left edge, 24 pixels in: the longest question ("Enter the
// unbiased standard deviation of the second group:") needs all the room up to its box.
constexpr int kLabelLeft = 360;
constexpr int kInputLeft = 5880;
// A question runs up to its box.
constexpr int kLabelWidth = kInputLeft - kLabelLeft - 45;
constexpr int kInputWidth = 1095;
constexpr int kInputHeight = 285;
constexpr int kRowPitch = 480;
constexpr int kFirstRowTop = 360;
constexpr int kGroupGap = 240; // extra room for the rule between two groups of questions
constexpr int kButtonHeight = 375;
constexpr int kRuleGap = 240;
constexpr int kRuleRight = kInputLeft + kInputWidth;
// The longest answers run to eight lines with blank lines between, and a long line may wrap.
constexpr int kAnswerHeight = 2400;
constexpr int kBottomMargin = 240;

// A fourfold table's first column stands left of the boxes' usual column, the second in it.
constexpr int kTableFirstColumnLeft = kInputLeft - kInputWidth - 105;

QRect inputRect(int left, int top) {
    return {left, top, kInputWidth, kInputHeight};
}

// A question is centred on its box's height and may wrap onto a second line when the font is too
// wide for it; the two lines take the row's whole pitch and stay clear of the next row.
constexpr int kLabelHeight = kRowPitch;

QRect labelRect(int inputTop) {
    return {kLabelLeft, inputTop + (kInputHeight - kLabelHeight) / 2, kLabelWidth, kLabelHeight};
}

QRect ruleRect(int y) {
    return {kLabelLeft, y, kRuleRight - kLabelLeft, 30};
}

void layOutQuestions(const QuestionInputs& asked, CalculatorGeometry& geometry) {
    const bool twoGroups = asked.layout == CalculatorLayout::TwoGroups;
    const int firstGroupSize = asked.inputCount / 2;
    int top = kFirstRowTop;
    for (int i = 0; i < asked.inputCount; ++i) {
        if (twoGroups && i == firstGroupSize) {
            const int previousBottom = top - kRowPitch + kInputHeight;
            top += kGroupGap;
            geometry.line2 = ruleRect((previousBottom + top) / 2);
        }
        geometry.labels.push_back(labelRect(top));
        geometry.inputs.push_back(inputRect(kInputLeft, top));
        top += kRowPitch;
    }
}

void layOutFourfoldTable(CalculatorGeometry& geometry) {
    geometry.labels.push_back(labelRect(kFirstRowTop));
    for (int row = 0; row < 2; ++row) {
        const int top = kFirstRowTop + (row + 1) * kRowPitch;
        geometry.inputs.push_back(inputRect(kTableFirstColumnLeft, top));
        geometry.inputs.push_back(inputRect(kInputLeft, top));
    }
}

} // namespace

CalculatorGeometry calculatorGeometry(const QuestionInputs& asked) {
    CalculatorGeometry geometry;
    if (asked.layout == CalculatorLayout::FourfoldTable)
        layOutFourfoldTable(geometry);
    else
        layOutQuestions(asked, geometry);
    const int lastInputTop =
        geometry.inputs.empty() ? kFirstRowTop - kRowPitch : geometry.inputs.back().top();
    int top = lastInputTop;
    for (QRect& button : geometry.buttons) {
        top += kRowPitch;
        button = QRect(kInputLeft, top, kInputWidth, kButtonHeight);
    }
    const int ruleY = geometry.buttons.back().bottom() + 1 + kRuleGap;
    geometry.line1 = ruleRect(ruleY);
    // The answer runs the rule's whole width: with the platform's font the longest line
    // ("Probability that the difference was due to chance = .0841") would not fit the questions'
    // width.
    geometry.answer = QRect(kLabelLeft, ruleY + kRuleGap, kRuleRight - kLabelLeft, kAnswerHeight);
    geometry.client = QSize(kClientWidth, geometry.answer.bottom() + 1 + kBottomMargin);
    return geometry;
}

} // namespace quillon
