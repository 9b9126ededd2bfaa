// The expected answers of the percent tests, built from their figures.
#pragma once

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <string>

namespace quillon {

inline Outcome tTest(const std::string& t, const std::string& df, const std::string& p) {
    return answer("t-statistic = " + t + "\r\n\r\nDegrees of freedom =  " + df +
                      "\r\n\r\nTwo-tailed probability = " + p,
                  "t(" + df + ")=" + t + ", p=" + p);
}

// The caption goes to the clipboard unchanged.
inline Outcome percentInterval(const std::string& se, const std::string& df,
                               const std::string& level, const std::string& centre,
                               const std::string& halfWidth, const std::string& lower,
                               const std::string& upper) {
    const std::string text = "Standard error of the proportion = " + se +
                             "\r\n\r\nDegrees of freedom = " + df + "\r\n\r\n" + level +
                             "% Confidence interval  = " + centre + " \u00B1 " + halfWidth +
                             "\r\n\r\nConfidence interval range = " + lower + " to " + upper;
    return answer(text, text);
}

} // namespace quillon
