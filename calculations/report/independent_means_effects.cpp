#include "calculations/report/independent_means_effects.h"

#include "calculations/report/noncentral_t_interval.h"
#include "calculations/report/t_interval.h"

#include <boost/math/special_functions/gamma.hpp>

#include <cmath>

namespace quillon::report {

DefinedNumber hedgesCorrection(double df) {
    if (!(df > 1.0) || !std::isfinite(df))
        return DefinedNumber::notDefined("not defined: too few cases for the correction");
    try {
        // Gamma(df/2) / Gamma(df/2 - 1/2) as one ratio keeps its digits when df is large.
        return finiteOrNot(boost::math::tgamma_delta_ratio(df / 2.0, -0.5) / std::sqrt(df / 2.0));
    } catch (const std::exception&) {
        return DefinedNumber::notDefined("not defined: too large to compute");
    }
}

namespace {

void setWelch(IndependentMeansEffects& result, double difference, double sd1, double n1, double sd2,
              double n2) {
    const auto notDefined = [&](const char* reason) {
        result.welchT = DefinedNumber::notDefined(reason);
        result.welchDf = DefinedNumber::notDefined(reason);
        result.welchProbability = DefinedNumber::notDefined(reason);
    };
    if (n1 < 2.0 || n2 < 2.0)
        return notDefined("not defined: a sample size is below 2");
    const double share1 = sd1 * sd1 / n1;
    const double share2 = sd2 * sd2 / n2;
    const double variance = share1 + share2;
    if (!(variance > 0.0))
        return notDefined("not defined: the standard deviations are 0");
    if (!std::isfinite(variance))
        return notDefined("not defined: too large to compute");
    // Each share divided by the variance before squaring, so that large SDs do not overflow.
    const double part1 = share1 / variance;
    const double part2 = share2 / variance;
    const double df = 1.0 / (part1 * part1 / (n1 - 1.0) + part2 * part2 / (n2 - 1.0));
    const double t = difference / std::sqrt(variance);
    result.welchT = finiteOrNot(t);
    result.welchDf = finiteOrNot(df);
    if (result.welchT.isDefined() && result.welchDf.isDefined())
        result.welchProbability = twoSidedTProbability(t, df);
    else
        result.welchProbability = DefinedNumber::notDefined("not defined: too large to compute");
}

} // namespace

IndependentMeansEffects independentMeansEffects(double mean1, double sd1, double n1, double mean2,
                                                double sd2, double n2, double level) {
    const double difference = mean2 - mean1;
    IndependentMeansEffects result{finiteOrNot(difference),       DefinedBounds::notDefined(""),
                                   DefinedNumber::notDefined(""), DefinedBounds::notDefined(""),
                                   DefinedNumber::notDefined(""), DefinedNumber::notDefined(""),
                                   DefinedNumber::notDefined(""), DefinedNumber::notDefined("")};
    const auto allNotDefined = [&](const char* reason) {
        result.differenceInterval = DefinedBounds::notDefined(reason);
        result.cohensD = DefinedNumber::notDefined(reason);
        result.cohensDInterval = DefinedBounds::notDefined(reason);
        result.hedgesG = DefinedNumber::notDefined(reason);
        result.welchT = DefinedNumber::notDefined(reason);
        result.welchDf = DefinedNumber::notDefined(reason);
        result.welchProbability = DefinedNumber::notDefined(reason);
        return result;
    };
    for (const double value : {mean1, sd1, n1, mean2, sd2, n2})
        if (!std::isfinite(value))
            return allNotDefined("not defined: too large to compute");
    if (!result.difference.isDefined())
        return allNotDefined("not defined: too large to compute");
    if (n1 < 1.0 || n2 < 1.0)
        return allNotDefined("not defined: a sample size is below 1");
    const double df = n1 + n2 - 2.0;
    if (!(df > 0.0))
        return allNotDefined("not defined: too few cases (the sizes add up to 2)");
    setWelch(result, difference, sd1, n1, sd2, n2);

    // Each SD scaled down by the larger before squaring, so that SDs near the largest single do
    // not overflow the pooled variance.
    const double scale = std::fmax(std::fabs(sd1), std::fabs(sd2));
    if (!(scale > 0.0)) {
        const char* reason = "not defined: the standard deviations are 0";
        result.differenceInterval = DefinedBounds::notDefined(reason);
        result.cohensD = DefinedNumber::notDefined(reason);
        result.cohensDInterval = DefinedBounds::notDefined(reason);
        result.hedgesG = DefinedNumber::notDefined(reason);
        return result;
    }
    const double r1 = sd1 / scale;
    const double r2 = sd2 / scale;
    const double pooledSd = scale * std::sqrt(((n1 - 1.0) * r1 * r1 + (n2 - 1.0) * r2 * r2) / df);
    const double sizeFactor = std::sqrt(1.0 / n1 + 1.0 / n2);
    result.differenceInterval = tInterval(difference, pooledSd * sizeFactor, df, level);

    result.cohensD = finiteOrNot(difference / pooledSd);
    if (!result.cohensD.isDefined()) {
        result.cohensDInterval = DefinedBounds::notDefined(result.cohensD.reason());
        result.hedgesG = result.cohensD;
        return result;
    }
    const double d = result.cohensD.value();
    const auto ncp = noncentralTInterval(d / sizeFactor, df, level);
    result.cohensDInterval =
        ncp.isDefined()
            ? finiteOrNot(Bounds{ncp.value().lower * sizeFactor, ncp.value().upper * sizeFactor})
            : ncp;
    const auto correction = hedgesCorrection(df);
    result.hedgesG = correction.isDefined() ? finiteOrNot(correction.value() * d) : correction;
    return result;
}

} // namespace quillon::report
