#include "core/kept_or_true.h"

#include "core/arithmetic.h"
#include "core/number_text.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quillon {

namespace {

// Half a unit of the last decimal a pattern prints: .0005 for "#########0.##0".
double halfUnitOfLastDigit(std::string_view pattern) {
    const auto point = pattern.find('.');
    if (point == std::string_view::npos)
        return 0.5;
    const auto decimals =
        static_cast<int>(std::count_if(pattern.begin() + static_cast<std::ptrdiff_t>(point) + 1,
                                       pattern.end(), [](char c) { return c == '0' || c == '#'; }));
    return 0.5 * std::pow(10.0, -decimals);
}

} // namespace

double printedProbability(float probability) {
    return readNumber(format(probability, kProbabilityPattern));
}

bool printsTrueProbability(float probability, double truth) {
    // Below kKeptSmallProbability a unit of the fourth decimal is a tenth of the value or more:
    // there only the truth's own rounding is true.
    const double distance =
        truth < kKeptSmallProbability ? kKeptProbabilityUnit / 2.0 : kKeptProbabilityUnit;
    return std::fabs(printedProbability(probability) - truth) <= distance + kKeptProbabilitySlack;
}

float keptOrTrueProbability(float bySteps, double truth) {
    if (printsTrueProbability(bySteps, truth))
        return bySteps;
    return single(truth);
}

float keptOrTrueProbability(float bySteps, const std::function<double()>& truth) {
    double trueTail = 0.0;
    try {
        trueTail = truth();
    } catch (const ArithmeticError&) {
        return bySteps;
    }
    return keptOrTrueProbability(bySteps, trueTail);
}

double printedCriticalValue(float value) {
    return readNumber(format(value, kGeneralPattern));
}

bool quantileWithinBand(double value, double extra, float target,
                        const std::function<double(double)>& trueTail) {
    const double widened = extra + kKeptTargetShare * std::fabs(value);
    // |value - q| <= max(share q, distance) + widened holds for q from `lowest` to `highest`.
    const double lowest = std::min((value - widened) / (1.0 + kKeptCriticalShare),
                                   value - kKeptCriticalDistance - widened);
    const double highest = std::max((value + widened) / (1.0 - kKeptCriticalShare),
                                    value + kKeptCriticalDistance + widened);
    // No quantile lies below 0.
    const bool quantileNotBelow = lowest <= 0.0 || trueTail(lowest) >= double{target};
    return quantileNotBelow && trueTail(highest) <= double{target};
}

bool printsTrueCriticalValue(float value, float target,
                             const std::function<double(double)>& trueTail) {
    return quantileWithinBand(printedCriticalValue(value), 0.0, target, trueTail);
}

float HalfWidth::of(float t) const {
    return single(scale * double{t} + offset);
}

bool printsTrueHalfWidth(const HalfWidth& halfWidth, float t, float target,
                         const std::function<double(double)>& trueTail) {
    // A half-width that does not grow with t prints the same at any t.
    if (!(halfWidth.scale > 0.0))
        return true;
    const double printed = readNumber(format(halfWidth.of(t), halfWidth.pattern));
    // The band of the half-width, in units of t about the t it prints for.
    const double printedT = (printed - halfWidth.offset) / halfWidth.scale;
    const double extra =
        kKeptCriticalRounding + halfUnitOfLastDigit(halfWidth.pattern) / halfWidth.scale;
    return quantileWithinBand(printedT, extra, target, trueTail);
}

} // namespace quillon
