#include "calculations/report/binomial_effects.h"

#include "calculations/report/two_sided_count_p.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/special_functions/beta.hpp>

#include <cmath>
#include <exception>

namespace quillon::report {

BinomialEffects binomialEffects(double trials, double successes, double p, double level) {
    BinomialEffects effects;
    auto refuseAll = [&](const std::string& reason) {
        const auto none = DefinedNumber::notDefined(reason);
        effects = {none, {none, none}, none};
        return effects;
    };
    if (!std::isfinite(trials) || trials < 1.0 || std::floor(trials) != trials)
        return refuseAll("not defined: the trials are not a whole number of at least 1");
    if (trials > kBinomialMaximumTrials)
        return refuseAll("not defined: more than 1E15 trials");
    if (!std::isfinite(successes) || successes < 0.0 || std::floor(successes) != successes ||
        successes > trials)
        return refuseAll("not defined: the successes are not a whole number from 0 to the trials");
    if (!(p >= 0.0 && p <= 1.0))
        return refuseAll("not defined: the probability is not from 0 to 1");

    effects.proportion = finiteOrNot(successes / trials);
    const double x = successes;
    const double n = trials;
    try {
        if (!isConfidenceLevel(level)) {
            effects.proportionInterval = {DefinedNumber::notDefined(badLevelReason),
                                          DefinedNumber::notDefined(badLevelReason)};
        } else {
            const double alpha = (1.0 - level) / 2.0;
            effects.proportionInterval.lower =
                finiteOrNot(x == 0.0 ? 0.0 : boost::math::ibeta_inv(x, n - x + 1.0, alpha));
            effects.proportionInterval.upper =
                finiteOrNot(x == n ? 1.0 : boost::math::ibeta_inv(x + 1.0, n - x, 1.0 - alpha));
        }
    } catch (const std::exception&) {
        const auto none =
            DefinedNumber::notDefined("not defined: beyond the range of the computation");
        effects.proportionInterval = {none, none};
    }
    try {
        const boost::math::binomial_distribution<double> binomial(n, p);
        const UnimodalCount count{
            [&](double i) { return boost::math::pdf(binomial, i); },
            [&](double i) { return boost::math::cdf(binomial, i); },
            [&](double i) {
                return i <= 0.0 ? 1.0
                                : boost::math::cdf(boost::math::complement(binomial, i - 1.0));
            },
            n * p, n};
        effects.pTwoSided = finiteOrNot(twoSidedCountP(count, x));
    } catch (const std::exception&) {
        effects.pTwoSided =
            DefinedNumber::notDefined("not defined: beyond the range of the computation");
    }
    return effects;
}

} // namespace quillon::report
