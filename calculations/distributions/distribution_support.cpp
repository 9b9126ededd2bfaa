#include "calculations/distributions/distribution_support.h"

#include "calculations/common/calculation_support.h"
#include "core/kept_or_true.h"

#include <cmath>

namespace quillon {
namespace {

constexpr float kLowestProbability = 0.0001f;
constexpr float kHighestProbability = 0.9999f;

int signOf(float value) {
    return (value > 0.0f) - (value < 0.0f);
}

std::string withinLine(const RangeProbability& range) {
    return "Probability of a value falling within the range = " + probabilityText(range.within);
}

std::string outsideLine(const RangeProbability& range) {
    return "Probability of a value falling outside the range = " + probabilityText(range.outside);
}

} // namespace

bool isAcceptedProbability(float probability) {
    return probability >= kLowestProbability && probability <= kHighestProbability;
}

std::string probabilityText(float probability) {
    return format(probability, kProbabilityPattern);
}

std::string measurementText(float value) {
    return format(value, kGeneralPattern);
}

template <typename Real>
RangeProbability rangeProbability(Real mean, Real sd, Real lower, Real upper,
                                  const std::function<float(float)>& twoTailed,
                                  const std::function<double(double)>& trueTwoTailed) {
    const float lowerDeviate = single(divide(static_cast<double>(lower) - mean, sd));
    const int lowerSide = signOf(lowerDeviate);
    const float lowerArea = single((1.0 - twoTailed(lowerDeviate)) / 2.0);
    const float upperDeviate = single(divide(static_cast<double>(upper) - mean, sd));
    const int upperSide = signOf(upperDeviate);
    const float upperArea = single((1.0 - twoTailed(upperDeviate)) / 2.0);
    const float within = lowerSide == upperSide
                             ? single(std::fabs(double{lowerArea} - double{upperArea}))
                             : single(double{lowerArea} + double{upperArea});
    const float outside = single(1.0 - within);
    double trueWithin = 0.0;
    try {
        const double trueLowerArea = (1.0 - trueTwoTailed(lowerDeviate)) / 2.0;
        const double trueUpperArea = (1.0 - trueTwoTailed(upperDeviate)) / 2.0;
        trueWithin = lowerSide == upperSide ? std::fabs(trueLowerArea - trueUpperArea)
                                            : trueLowerArea + trueUpperArea;
    } catch (const ArithmeticError&) {
        return {within, outside};
    }
    if (printsTrueProbability(within, trueWithin) &&
        printsTrueProbability(outside, 1.0 - trueWithin))
        return {within, outside};
    const float trueWithinSingle = single(trueWithin);
    return {trueWithinSingle, single(1.0 - trueWithinSingle)};
}

std::string rangeAnswer(const RangeProbability& range) {
    std::string text = withinLine(range);
    text += kLineBreak;
    text += kLineBreak;
    text += outsideLine(range);
    return text;
}

std::vector<Quantity> rangeQuantities(const RangeProbability& range) {
    return {{"p_within", double{range.within}, probabilityText(range.within)},
            {"p_outside", double{range.outside}, probabilityText(range.outside)}};
}

std::string rangeClipboard(const std::string& sample, const Quantity& lower, const Quantity& upper,
                           const RangeProbability& range) {
    std::string text = sample;
    text += kLineBreak;
    text += "Defined Range: " + lower.text + " - " + upper.text;
    text += kLineBreak;
    text += withinLine(range);
    text += kLineBreak;
    text += outsideLine(range);
    text += kLineBreak;
    return text;
}

Quantity foundProbabilityQuantity(const CriticalValue& found) {
    return {"p", double{found.probability}, probabilityText(found.probability)};
}

template RangeProbability rangeProbability(float, float, float, float,
                                           const std::function<float(float)>&,
                                           const std::function<double(double)>&);
template RangeProbability rangeProbability(double, double, double, double,
                                           const std::function<float(float)>&,
                                           const std::function<double(double)>&);

} // namespace quillon
