#include "calculations/common/t_test_report.h"

#include "calculations/common/answer_breaks.h"
#include "core/number_text.h"

namespace quillon {
namespace {

template <typename Real> std::string linesOf(Real t, float df, float probability) {
    return "t-statistic = " + format(t, kGeneralPattern) + kBlankLine +
           "Degrees of freedom = " + plainForm(df) + kBlankLine +
           "Two-tailed probability = " + format(probability, kProbabilityPattern);
}

template <typename Real> std::string summaryOf(Real t, float df, float probability) {
    return "t(" + trimmedPlainForm(df) + ")=" + format(t, kGeneralPattern) +
           ", p=" + format(probability, kProbabilityPattern);
}

} // namespace

std::string tTestLines(float t, float df, float probability) {
    return linesOf(t, df, probability);
}

std::string tTestLines(double t, float df, float probability) {
    return linesOf(t, df, probability);
}

std::string tTestSummary(float t, float df, float probability) {
    return summaryOf(t, df, probability);
}

std::string tTestSummary(double t, float df, float probability) {
    return summaryOf(t, df, probability);
}

} // namespace quillon
