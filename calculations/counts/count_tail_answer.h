// The answer sentence shared by the binomial and the Poisson events tests:
// "Probability of 8 or more successes = .0547".
#pragma once

#include "calculations/common/outcome.h"

#include <string_view>

namespace quillon {

// count is the whole count tested; tail reads "more successes ", "fewer events " and the like. A
// probability below .0001 or above .9999 is written as a clamp text and then leaves the clipboard
// alone; otherwise the clipboard receives the whole answer.
// The count and probability are singles or doubles, as the calculation stores them. The answer
// publishes the count under countName and the probability as "p", a clamp text with the
// probability computed, held to at most 1.
template <typename Real>
Answer countTailAnswer(Real count, std::string_view countName, std::string_view tail,
                       Real probability);

} // namespace quillon
