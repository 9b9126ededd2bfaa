// The expected answers of the sample size calculations, built from their figures.
#pragma once

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <string>

namespace quillon {

inline Outcome sizeForPercent(const std::string& population, const std::string& rate,
                              const std::string& error, const std::string& level,
                              const std::string& size) {
    return answer("Required sample size =" + size + "\r\n\r\n",
                  "Population size =" + population +
                      "\r\nEstimate of the population rate = " + rate +
                      "\r\nMaximum acceptable error =" + error + "\r\nConfidence level =" + level +
                      "\r\nRequired sample size =" + size + "\r\n");
}

inline Outcome sizeForMean(const std::string& deviation, const std::string& error,
                           const std::string& level, const std::string& size) {
    return answer("Required sample size =" + size + "\r\n\r\n",
                  "Population SD =" + deviation + "\r\nMaximum acceptable error =" + error +
                      "\r\nConfidence level =" + level + "\r\nRequired sample size =" + size +
                      "\r\n");
}

inline Outcome errorForSize(const std::string& population, const std::string& rate,
                            const std::string& size, const std::string& level,
                            const std::string& error) {
    const std::string errorLine = "Maximum error = \u00B1 " + error + "%";
    return answer(errorLine + "\r\n\r\n",
                  "Population size =" + population +
                      "\r\nEstimate of the population rate = " + rate + "\r\nSample size =" + size +
                      "\r\nConfidence level =" + level + "\r\n" + errorLine + "\r\n");
}

} // namespace quillon
