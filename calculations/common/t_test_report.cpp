#include "calculations/common/t_test_report.h"

#include "calculations/common/answer_breaks.h"
#include "core/number_text.h"

namespace quillon {

template <typename Real> std::string tTestLines(Real t, Real df, float probability) {
    return "t-statistic = " + format(t, kGeneralPattern) + kBlankLine +
           "Degrees of freedom = " + plainForm(df) + kBlankLine +
           "Two-tailed probability = " + format(probability, kProbabilityPattern);
}

template <typename Real> std::string tTestSummary(Real t, Real df, float probability) {
    return "t(" + trimmedPlainForm(df) + ")=" + format(t, kGeneralPattern) +
           ", p=" + format(probability, kProbabilityPattern);
}

template std::string tTestLines(float, float, float);
template std::string tTestLines(double, double, float);
template std::string tTestSummary(float, float, float);
template std::string tTestSummary(double, double, float);

} // namespace quillon
