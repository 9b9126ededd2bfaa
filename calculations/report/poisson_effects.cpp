#include "calculations/report/poisson_effects.h"

#include "calculations/report/two_sided_count_p.h"

#include <boost/math/distributions/poisson.hpp>
#include <boost/math/special_functions/gamma.hpp>

#include <cmath>
#include <exception>
#include <limits>

namespace quillon::report {

PoissonEffects poissonEffects(double observed, double expected, double level) {
    PoissonEffects effects;
    auto refuseAll = [&](const std::string& reason) {
        const auto none = DefinedNumber::notDefined(reason);
        effects = {{none, none}, none};
        return effects;
    };
    if (!std::isfinite(observed) || observed < 0.0 || std::floor(observed) != observed)
        return refuseAll("not defined: the observed count is not a whole number of at least 0");
    if (observed > kPoissonMaximumObserved)
        return refuseAll("not defined: the observed count is above 1E9");
    if (!std::isfinite(expected) || expected < 0.0)
        return refuseAll("not defined: the expected count is not a number of at least 0");

    const double x = observed;
    const std::string outOfRange = "not defined: beyond the range of the computation";
    try {
        if (!isConfidenceLevel(level)) {
            effects.countInterval = {DefinedNumber::notDefined(badLevelReason),
                                     DefinedNumber::notDefined(badLevelReason)};
        } else {
            const double alpha = (1.0 - level) / 2.0;
            effects.countInterval.lower =
                finiteOrNot(x == 0.0 ? 0.0 : boost::math::gamma_p_inv(x, alpha));
            effects.countInterval.upper =
                finiteOrNot(boost::math::gamma_p_inv(x + 1.0, 1.0 - alpha));
        }
    } catch (const std::exception&) {
        effects.countInterval = {DefinedNumber::notDefined(outOfRange),
                                 DefinedNumber::notDefined(outOfRange)};
    }
    // With nothing expected, only a count of 0 can happen.
    if (expected == 0.0) {
        effects.pTwoSided = finiteOrNot(x == 0.0 ? 1.0 : 0.0);
        return effects;
    }
    try {
        const boost::math::poisson_distribution<double> poisson(expected);
        const auto probability = [&](double i) { return boost::math::pdf(poisson, i); };
        // A count beyond the mean at which the probabilities have fallen below the observed one's,
        // found by doubling.
        double largest = std::max(1.0, std::ceil(2.0 * expected - x));
        const double observedProbability = probability(x);
        while (probability(largest) > observedProbability &&
               largest < std::numeric_limits<double>::max() / 4.0)
            largest *= 2.0;
        const UnimodalCount count{
            probability, [&](double i) { return boost::math::cdf(poisson, i); },
            [&](double i) {
                return i <= 0.0 ? 1.0 : boost::math::cdf(boost::math::complement(poisson, i - 1.0));
            },
            expected, largest};
        effects.pTwoSided = finiteOrNot(twoSidedCountP(count, x));
    } catch (const std::exception&) {
        effects.pTwoSided = DefinedNumber::notDefined(outOfRange);
    }
    return effects;
}

} // namespace quillon::report
