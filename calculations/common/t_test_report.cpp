#include "calculations/common/t_test_report.h"

#include "calculations/common/answer_breaks.h"
#include "core/number_text.h"

namespace quillon {

std::string tTestLines(float t, float df, float probability) {
    return "t-statistic = " + format(t, kGeneralPattern) + kBlankLine +
           "Degrees of freedom = " + plainForm(df) + kBlankLine +
           "Two-tailed probability = " + format(probability, kProbabilityPattern);
}

std::string tTestSummary(float t, float df, float probability) {
    return "t(" + trimmedPlainForm(df) + ")=" + format(t, kGeneralPattern) +
           ", p=" + format(probability, kProbabilityPattern);
}

} // namespace quillon
