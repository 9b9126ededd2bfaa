#include "calculations/common/t_test_report.h"

#include "calculations/common/answer_breaks.h"
#include "core/number_text.h"

namespace quillon {
namespace {

// One call each for the printed number and the published one.
template <typename Real> std::string tText(Real t) {
    return format(t, kGeneralPattern);
}

std::string twoTailedText(float probability) {
    return format(probability, kProbabilityPattern);
}

} // namespace

template <typename Real> std::string tTestLines(Real t, Real df, float probability) {
    return "t-statistic = " + tText(t) + kBlankLine + "Degrees of freedom = " + plainForm(df) +
           kBlankLine + "Two-tailed probability = " + twoTailedText(probability);
}

template <typename Real> std::string tTestSummary(Real t, Real df, float probability) {
    return "t(" + trimmedPlainForm(df) + ")=" + tText(t) + ", p=" + twoTailedText(probability);
}

template <typename Real> std::vector<Quantity> tTestQuantities(Real t, Real df, float probability) {
    return {{"t", static_cast<double>(t), tText(t)},
            {"df", static_cast<double>(df), trimmedPlainForm(df)},
            {"p", double{probability}, twoTailedText(probability)}};
}

template std::string tTestLines(float, float, float);
template std::string tTestLines(double, double, float);
template std::string tTestSummary(float, float, float);
template std::string tTestSummary(double, double, float);
template std::vector<Quantity> tTestQuantities(float, float, float);
template std::vector<Quantity> tTestQuantities(double, double, float);

} // namespace quillon
