// What the distribution calculations share: the probability a critical value is asked for, the
// two patterns their answers print with, and the probability of a range.
#pragma once

#include "calculations/common/outcome.h"
#include "core/critical_value.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillon {

// A critical value is asked for a probability from .0001 to .9999, compared as singles.
bool isAcceptedProbability(float probability);
inline constexpr std::string_view kProbabilityRangeReason =
    "The probability must be from .0001 to .9999.";

std::string probabilityText(float probability);
std::string measurementText(float value);

struct RangeProbability {
    float within = 0.0f;
    float outside = 0.0f;
};

// The area between the mean and each limit is half the complement of the limit's two-tailed
// probability; limits on the same side of the mean take the difference of their areas. The two
// probabilities built so from the routine's own steps stand where each prints within a unit of its
// fourth decimal of the same built from the true two-tailed probability (kept_or_true.h); the
// latter, stored as singles, answer elsewhere. Where the true probability cannot be formed
// (ArithmeticError), the steps' stand. Half of each tail enters: the steps' values are taken
// unchecked, as a tail off by more than a unit can still give a range that prints true. The mean,
// SD and limits are singles or doubles as the calculation stores them; the deviates, which the
// routines take, are singles.
template <typename Real>
RangeProbability rangeProbability(Real mean, Real sd, Real lower, Real upper,
                                  const std::function<float(float)>& twoTailed,
                                  const std::function<double(double)>& trueTwoTailed);

// The within and outside lines with a blank line between them.
std::string rangeAnswer(const RangeProbability& range);

// "p_within" and "p_outside", as rangeAnswer prints them.
std::vector<Quantity> rangeQuantities(const RangeProbability& range);

// Four lines, each ended by a line break: the sample, the range between the limits as they are
// published, the two probabilities.
std::string rangeClipboard(const std::string& sample, const Quantity& lower, const Quantity& upper,
                           const RangeProbability& range);

// "p": the probability a critical value search found, as the clipboard prints it.
Quantity foundProbabilityQuantity(const CriticalValue& found);

} // namespace quillon
