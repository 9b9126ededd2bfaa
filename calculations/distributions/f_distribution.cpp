#include "calculations/distributions/f_distribution.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/plain_quantity.h"
#include "calculations/distributions/distribution_support.h"
#include "core/critical_value.h"
#include "core/distributions.h"

namespace quillon {

Outcome fProbability(InputTexts inputs) {
    const float f = readSingle(inputs[0]);
    const double df1 = readNumber(inputs[1]);
    const double df2 = readNumber(inputs[2]);
    // An F-ratio of 0 or below is taken: its probability is 1.
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, df1 < 1.0, "The numerator degrees of freedom must be 1 or more."},
                          {3, isEmpty(inputs[2]), kEmptyBoxReason},
                          {3, df2 < 1.0, "The denominator degrees of freedom must be 1 or more."}}))
        return *refusal;
    const float p = fProb(f, df1, df2);
    const std::string pText = probabilityText(p);
    const Quantity df1Shown = plainQuantity("df1", df1);
    const Quantity df2Shown = plainQuantity("df2", df2);
    const Quantity fShown = plainQuantity("f", f);
    return answer("Probability  = " + pText,
                  "F(" + df1Shown.text + "," + df2Shown.text + ")=" + fShown.text + ", p=" + pText,
                  {{"p", double{p}, pText}, df1Shown, df2Shown, fShown});
}

Outcome criticalF(InputTexts inputs) {
    const float target = readSingle(inputs[0]);
    const double df1 = readNumber(inputs[1]);
    const double df2 = readNumber(inputs[2]);
    if (const auto refusal =
            firstRefusal({{1, isEmpty(inputs[0]), kEmptyBoxReason},
                          {1, !isAcceptedProbability(target), kProbabilityRangeReason},
                          {2, isEmpty(inputs[1]), kEmptyBoxReason},
                          {2, df1 < 1.0, "The numerator degrees of freedom must be 1 or more."},
                          {3, isEmpty(inputs[2]), kEmptyBoxReason},
                          {3, df2 < 2.0, "The denominator degrees of freedom must be 2 or more."}}))
        return *refusal;
    const CriticalValue found = criticalValue(Distribution::f(df1, df2), target);
    const std::string fText = measurementText(found.value);
    const Quantity df1Shown = plainQuantity("df1", df1);
    const Quantity df2Shown = plainQuantity("df2", df2);
    const Quantity foundP = foundProbabilityQuantity(found);
    return answer("F value = " + fText,
                  "F(" + df1Shown.text + "," + df2Shown.text + ")=" + fText + ", p=" + foundP.text,
                  {{"critical_f", double{found.value}, fText}, df1Shown, df2Shown, foundP});
}

} // namespace quillon
