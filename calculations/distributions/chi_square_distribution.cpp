#include "calculations/distributions/chi_square_distribution.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/plain_quantity.h"
#include "calculations/distributions/distribution_support.h"
#include "core/critical_value.h"
#include "core/distributions.h"

#include <cmath>
#include <string_view>

namespace quillon {
namespace {

// The critical chi-square search climbs from 0 by 1, about one probe per degree of freedom;
// beyond this many the user would wait too long for an answer.
constexpr double kMostChiSquareDegrees = 100000.0;

// The answer's pattern; the clipboard uses the probability pattern.
constexpr std::string_view kChiSquareAnswerPattern = "###.###0";

} // namespace

Outcome chiSquareProbability(InputTexts inputs) {
    const float x = std::fabs(readSingle(inputs[0]));
    const double df = readNumber(inputs[1]);
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {1, x == 0.0f, "The chi-square value must not be 0."},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, df < 1.0, "The degrees of freedom must be 1 or more."}}))
        return *refusal;
    const float p = chiSquareProb(x, df);
    const std::string pText = format(p, kChiSquareAnswerPattern);
    const Quantity dfShown = plainQuantity("df", df);
    const Quantity chiSquareShown = plainQuantity("chi_square", x);
    // The probability is published once, with the answer's text.
    return answer("Probability = " + pText,
                  "X2(" + dfShown.text + ")=" + chiSquareShown.text + ", p=" + probabilityText(p),
                  {{"p", double{p}, pText}, dfShown, chiSquareShown});
}

Outcome criticalChiSquare(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    const double df = readNumber(inputs[1]);
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {1, !isAcceptedProbability(target), kProbabilityRangeReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, df < 1.0 || df > kMostChiSquareDegrees,
                           "The degrees of freedom must be from 1 to 100000."}}))
        return *refusal;
    const CriticalValue found = criticalValue(Distribution::chiSquare(df), target);
    const std::string chiSquareText = measurementText(found.value);
    const Quantity dfShown = plainQuantity("df", df);
    const Quantity foundP = foundProbabilityQuantity(found);
    return answer("Chi-square value = " + chiSquareText,
                  "X2(" + dfShown.text + ")=" + chiSquareText + ", p=" + foundP.text,
                  {{"critical_chi_square", double{found.value}, chiSquareText}, dfShown, foundP});
}

} // namespace quillon
