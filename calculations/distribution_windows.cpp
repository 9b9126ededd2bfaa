#include "distribution_windows.h"

#include "calculation_support.h"
#include "critical_probabilities.h"
#include "critical_search.h"
#include "distributions.h"

#include <cmath>
#include <functional>
#include <string>
#include <string_view>

namespace quillon {
namespace {

// A critical-value window takes a probability from .0001 to .9999, compared as singles.
constexpr float kLowestProbability = 0.0001f;
constexpr float kHighestProbability = 0.9999f;

// The critical chi-square search climbs from 0 by 1, about one probe per degree of freedom;
// beyond this many the user would wait too long for an answer.
constexpr double kMostChiSquareDegrees = 100000.0;

// Distr4a's answer pattern; its clipboard uses the probability pattern.
constexpr std::string_view kChiSquareAnswerPattern = "###.###0";

bool isAcceptedProbability(std::string_view text, float probability) {
    return !isEmpty(text) && probability >= kLowestProbability &&
           probability <= kHighestProbability;
}

std::string probabilityText(float probability) {
    return format(probability, kProbabilityPattern);
}

std::string measurementText(float value) {
    return format(value, kGeneralPattern);
}

// Every critical-value window searches from 0 with a first step of 1.
CriticalValue searchFromZero(const std::function<float(float)>& probability, float target) {
    return criticalValueSearch(probability, target, 0.0f, 1.0f);
}

int signOf(float value) {
    return (value > 0.0f) - (value < 0.0f);
}

struct RangeProbability {
    float within;
    float outside;
};

// The area between the mean and each limit is half the complement of the limit's two-tailed
// probability; limits on the same side of the mean take the difference of their areas.
RangeProbability rangeProbability(float mean, float sd, float lower, float upper,
                                  const std::function<float(float)>& twoTailed) {
    const float lowerDeviate = single(divide(double{lower} - double{mean}, sd));
    const int lowerSide = signOf(lowerDeviate);
    const float lowerArea = single((1.0 - twoTailed(lowerDeviate)) / 2.0);
    const float upperDeviate = single(divide(double{upper} - double{mean}, sd));
    const int upperSide = signOf(upperDeviate);
    const float upperArea = single((1.0 - twoTailed(upperDeviate)) / 2.0);
    const float within = lowerSide == upperSide
                             ? single(std::fabs(double{lowerArea} - double{upperArea}))
                             : single(double{lowerArea} + double{upperArea});
    const float outside = single(1.0 - within);
    return {within, outside};
}

std::string withinLine(const RangeProbability& range) {
    return "Probability of a value falling within the range = " + probabilityText(range.within);
}

std::string outsideLine(const RangeProbability& range) {
    return "Probability of a value falling outside the range = " + probabilityText(range.outside);
}

std::string rangeAnswer(const RangeProbability& range) {
    std::string text = withinLine(range);
    text += kLineBreak;
    text += kLineBreak;
    text += outsideLine(range);
    return text;
}

// Four lines, each ended by a line break: the sample, the range, the two probabilities.
std::string rangeClipboard(const std::string& sample, float lower, float upper,
                           const RangeProbability& range) {
    std::string text = sample;
    text += kLineBreak;
    text += "Defined Range: " + trimmedPlainForm(lower) + " - " + trimmedPlainForm(upper);
    text += kLineBreak;
    text += withinLine(range);
    text += kLineBreak;
    text += outsideLine(range);
    text += kLineBreak;
    return text;
}

} // namespace

Outcome calculateDistr1a(InputTexts inputs) {
    const float z = std::fabs(readSingle(inputs[0]));
    if (isEmpty(inputs[0]) || z == 0.0f)
        return refuse(1);
    const float p = zProb(z);
    return answer("Two-tailed probability = " + probabilityText(p),
                  "z=" + trimmedPlainForm(z) + ", p=" + probabilityText(p));
}

Outcome calculateDistr1b(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    if (!isAcceptedProbability(inputs[0], target))
        return refuse(1);
    const CriticalValue found = searchFromZero(zProb, target);
    return answer("z value = " + measurementText(found.value),
                  "z=" + measurementText(found.value) +
                      ", p=" + probabilityText(found.probability));
}

Outcome calculateDistr1c(InputTexts inputs) {
    const float mean = readSingle(inputs[0]);
    const float sd = readSingle(inputs[1]);
    const float lower = readSingle(inputs[2]);
    const float upper = readSingle(inputs[3]);
    if (isEmpty(inputs[0]))
        return refuse(1);
    if (isEmpty(inputs[1]))
        return refuse(2);
    if (isEmpty(inputs[2]))
        return refuse(3);
    if (isEmpty(inputs[3]))
        return refuse(4);
    if (!(sd > 0.0f))
        return refuse(2);
    const RangeProbability range = rangeProbability(mean, sd, lower, upper, zProb);
    const std::string sample =
        "Mean=" + trimmedPlainForm(mean) + " (SD=" + trimmedPlainForm(sd) + ")";
    return answer(rangeAnswer(range), rangeClipboard(sample, lower, upper, range));
}

Outcome calculateDistr2a(InputTexts inputs) {
    const float t = std::fabs(readSingle(inputs[0]));
    const double df = readNumber(inputs[1]);
    if (isEmpty(inputs[0]) || t == 0.0f)
        return refuse(1);
    if (isEmpty(inputs[1]) || df < 1.0)
        return refuse(2);
    const float p = tProb(t, df);
    return answer("Two-tailed probability = " + probabilityText(p),
                  "t(" + trimmedPlainForm(df) + ")=" + trimmedPlainForm(t) +
                      ", p=" + probabilityText(p));
}

Outcome calculateDistr2b(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    const double df = readNumber(inputs[1]);
    if (!isAcceptedProbability(inputs[0], target))
        return refuse(1);
    if (df < 1.0)
        return refuse(2);
    const CriticalValue found = fastCriticalValueSearch(guidedTProb(df), target, 0.0f, 1.0f);
    return answer("t value = " + measurementText(found.value),
                  "t(" + trimmedPlainForm(df) + ")=" + measurementText(found.value) +
                      ", p=" + probabilityText(found.probability));
}

Outcome calculateDistr2c(InputTexts inputs) {
    const float mean = readSingle(inputs[0]);
    const float sd = readSingle(inputs[1]);
    const float n = readSingle(inputs[2]);
    const float lower = readSingle(inputs[3]);
    const float upper = readSingle(inputs[4]);
    if (isEmpty(inputs[0]))
        return refuse(1);
    if (isEmpty(inputs[1]) || sd <= 0.0f)
        return refuse(2);
    if (isEmpty(inputs[2]) || n < 2.0f)
        return refuse(3);
    if (isEmpty(inputs[3]))
        return refuse(4);
    if (isEmpty(inputs[4]))
        return refuse(5);
    const float df = single(double{n} - 1.0);
    const RangeProbability range =
        rangeProbability(mean, sd, lower, upper, [df](float t) { return tProb(t, df); });
    const std::string sample = "Mean=" + trimmedPlainForm(mean) + ", SD=" + trimmedPlainForm(sd) +
                               " (N=" + trimmedPlainForm(n) + ")";
    return answer(rangeAnswer(range), rangeClipboard(sample, lower, upper, range));
}

Outcome calculateDistr3a(InputTexts inputs) {
    const float f = readSingle(inputs[0]);
    const double df1 = readNumber(inputs[1]);
    const double df2 = readNumber(inputs[2]);
    if (isEmpty(inputs[0]))
        return refuse(1);
    if (isEmpty(inputs[1]) || df1 < 1.0)
        return refuse(2);
    if (isEmpty(inputs[2]) || df2 < 1.0)
        return refuse(3);
    const float p = fProb(f, df1, df2);
    return answer("Probability  = " + probabilityText(p),
                  "F(" + trimmedPlainForm(df1) + "," + trimmedPlainForm(df2) +
                      ")=" + trimmedPlainForm(f) + ", p=" + probabilityText(p));
}

Outcome calculateDistr3b(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    const double df1 = readNumber(inputs[1]);
    const double df2 = readNumber(inputs[2]);
    if (!isAcceptedProbability(inputs[0], target))
        return refuse(1);
    if (df1 < 1.0)
        return refuse(2);
    if (df2 < 2.0)
        return refuse(3);
    const CriticalValue found =
        fastCriticalValueSearch(guidedFProb(df1, df2), target, 0.0f, 1.0f);
    return answer("F value = " + measurementText(found.value),
                  "F(" + trimmedPlainForm(df1) + "," + trimmedPlainForm(df2) + ")=" +
                      measurementText(found.value) + ", p=" + probabilityText(found.probability));
}

Outcome calculateDistr4a(InputTexts inputs) {
    const float x = std::fabs(readSingle(inputs[0]));
    const double df = readNumber(inputs[1]);
    if (isEmpty(inputs[0]) || x == 0.0f)
        return refuse(1);
    if (isEmpty(inputs[1]) || df < 1.0)
        return refuse(2);
    const float p = chiSquareProb(x, df);
    return answer("Probability = " + format(p, kChiSquareAnswerPattern),
                  "X2(" + trimmedPlainForm(df) + ")=" + trimmedPlainForm(x) +
                      ", p=" + probabilityText(p));
}

Outcome calculateDistr4b(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    const double df = readNumber(inputs[1]);
    if (!isAcceptedProbability(inputs[0], target))
        return refuse(1);
    if (df < 1.0 || df > kMostChiSquareDegrees)
        return refuse(2);
    const CriticalValue found =
        searchFromZero([df](float x) { return chiSquareProb(x, df); }, target);
    return answer("Chi-square value = " + measurementText(found.value),
                  "X2(" + trimmedPlainForm(df) + ")=" + measurementText(found.value) +
                      ", p=" + probabilityText(found.probability));
}

} // namespace quillon
