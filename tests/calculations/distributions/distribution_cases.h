// What the distribution tests share: the outcome tables, the answer of a range, and the number an
// answer ends with.
#pragma once

#include "calculations/common/calculation_support.h"
#include "tests/calculations/outcome_cases.h"

#include <string>

namespace quillon {

// The number at the end of an answer text such as "t value = 6366.198".
inline double answeredNumber(const Outcome& outcome) {
    const std::string& text = std::get<Answer>(outcome).text;
    return std::stod(text.substr(text.rfind(' ') + 1));
}

inline const std::string kWithin = "Probability of a value falling within the range = ";
inline const std::string kOutside = "Probability of a value falling outside the range = ";

inline Outcome rangeAnswered(const std::string& sample, const std::string& range,
                             const std::string& within, const std::string& outside) {
    return answer(kWithin + within + "\r\n\r\n" + kOutside + outside,
                  sample + "\r\nDefined Range: " + range + "\r\n" + kWithin + within + "\r\n" +
                      kOutside + outside + "\r\n");
}

} // namespace quillon
