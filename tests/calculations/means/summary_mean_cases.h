// The expected answers of the calculations on means from summary values, built from their figures.
#pragma once

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <string>

namespace quillon {

inline const std::string kGap = "\r\n\r\n";

inline std::string tLines(const std::string& t, const std::string& df, const std::string& p) {
    return "t-statistic = " + t + kGap + "Degrees of freedom =  " + df + kGap +
           "Two-tailed probability = " + p;
}

inline std::string tSummary(const std::string& t, const std::string& df, const std::string& p) {
    return "t(" + df + ")=" + t + ", p=" + p;
}

inline Outcome twoMeans(const std::string& t, const std::string& df, const std::string& p) {
    return answer(tLines(t, df, p), tSummary(t, df, p));
}

inline Outcome meanAgainstPopulation(const std::string& se, const std::string& t,
                                     const std::string& df, const std::string& p) {
    return answer("Standard error of the mean = " + se + kGap + tLines(t, df, p),
                  tSummary(t, df, p));
}

// The caption goes to the clipboard unchanged; the mean's pattern ends with a blank.
inline Outcome meanInterval(const std::string& se, const std::string& df, const std::string& level,
                            const std::string& mean, const std::string& halfWidth,
                            const std::string& lower, const std::string& upper) {
    const std::string text = "Standard error of the mean = " + se + kGap +
                             "Degrees of freedom = " + df + kGap + level +
                             "% Confidence interval  = " + mean + " " + "\u00B1 " + halfWidth +
                             kGap + "Confidence interval range = " + lower + " to " + upper;
    return answer(text, text);
}

inline Outcome deviations(const std::string& f, const std::string& plainF, const std::string& df1,
                          const std::string& df2, const std::string& p) {
    return answer("F-ratio = " + f + kGap + "Degrees of freedom = " + df1 + " and " + df2 + kGap +
                      "Probability that the difference was due to chance = " + p,
                  "F(" + df1 + "," + df2 + ")=" + plainF + ", p=" + p);
}

} // namespace quillon
