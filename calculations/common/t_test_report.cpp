#include "calculations/common/t_test_report.h"

#include "calculations/common/answer_breaks.h"
#include "core/number_text.h"

namespace quillon {

template <typename Real> std::string tTestLines(Real t, Real df, float probability) {
    const std::vector<Quantity> printed = tTestQuantities(t, df, probability);
    return "t-statistic = " + printed[0].text + kBlankLine +
           "Degrees of freedom = " + plainForm(df) + kBlankLine +
           "Two-tailed probability = " + printed[2].text;
}

template <typename Real> std::vector<Quantity> tTestQuantities(Real t, Real df, float probability) {
    return {{"t", t, format(t, kGeneralPattern)},
            {"df", df, trimmedPlainForm(df)},
            {"p", probability, format(probability, kProbabilityPattern)}};
}

template <typename Real> std::string tTestSummary(Real t, Real df, float probability) {
    return "t(" + trimmedPlainForm(df) + ")=" + format(t, kGeneralPattern) +
           ", p=" + format(probability, kProbabilityPattern);
}

template std::string tTestLines(float, float, float);
template std::string tTestLines(double, double, float);
template std::vector<Quantity> tTestQuantities(float, float, float);
template std::vector<Quantity> tTestQuantities(double, double, float);
template std::string tTestSummary(float, float, float);
template std::string tTestSummary(double, double, float);

} // namespace quillon
