#include "calculations/report/anova_effects.h"

#include "calculations/report/degrees_of_freedom_limit.h"
#include "calculations/report/noncentral_f_interval.h"

#include <boost/math/distributions/fisher_f.hpp>

#include <cmath>

namespace quillon::report {

namespace {

void setWelch(AnovaEffects& result, const std::vector<GroupSummary>& groups) {
    const auto notDefined = [&](const char* reason) {
        result.welchF = DefinedNumber::notDefined(reason);
        result.welchDf1 = DefinedNumber::notDefined(reason);
        result.welchDf2 = DefinedNumber::notDefined(reason);
        result.welchProbability = DefinedNumber::notDefined(reason);
    };
    double weightSum = 0.0;
    double weightedMeans = 0.0;
    for (const auto& group : groups) {
        if (group.n < 2.0)
            return notDefined("not defined: a group has fewer than 2 cases");
        if (group.sd == 0.0)
            return notDefined("not defined: a group's standard deviation is 0");
        const double weight = group.n / (group.sd * group.sd);
        weightSum += weight;
        weightedMeans += weight * group.mean;
    }
    const double k = static_cast<double>(groups.size());
    const double grand = weightedMeans / weightSum;
    double between = 0.0;
    double spread = 0.0;
    for (const auto& group : groups) {
        const double weight = group.n / (group.sd * group.sd);
        between += weight * (group.mean - grand) * (group.mean - grand);
        const double share = 1.0 - weight / weightSum;
        spread += share * share / (group.n - 1.0);
    }
    const double f = (between / (k - 1.0)) / (1.0 + 2.0 * (k - 2.0) / (k * k - 1.0) * spread);
    const double df2 = (k * k - 1.0) / (3.0 * spread);
    result.welchF = finiteOrNot(f);
    result.welchDf1 = DefinedNumber::of(k - 1.0);
    result.welchDf2 = finiteOrNot(df2);
    if (!result.welchF.isDefined() || !result.welchDf2.isDefined()) {
        result.welchProbability = DefinedNumber::notDefined("not defined: too large to compute");
        return;
    }
    try {
        result.welchProbability = finiteOrNot(boost::math::cdf(boost::math::complement(
            boost::math::fisher_f_distribution<double>(k - 1.0, boundedDf(df2)), f)));
    } catch (const std::exception&) {
        result.welchProbability = DefinedNumber::notDefined("not defined: too large to compute");
    }
}

} // namespace

AnovaEffects anovaEffects(const std::vector<GroupSummary>& groups, double level) {
    AnovaEffects result{DefinedNumber::notDefined(""), DefinedBounds::notDefined(""),
                        DefinedNumber::notDefined(""), DefinedNumber::notDefined(""),
                        DefinedNumber::notDefined(""), DefinedNumber::notDefined(""),
                        DefinedNumber::notDefined("")};
    const auto allNotDefined = [&](const char* reason) {
        result.etaSquared = DefinedNumber::notDefined(reason);
        result.etaSquaredInterval = DefinedBounds::notDefined(reason);
        result.omegaSquared = DefinedNumber::notDefined(reason);
        result.welchF = DefinedNumber::notDefined(reason);
        result.welchDf1 = DefinedNumber::notDefined(reason);
        result.welchDf2 = DefinedNumber::notDefined(reason);
        result.welchProbability = DefinedNumber::notDefined(reason);
        return result;
    };
    if (groups.size() < 2)
        return allNotDefined("not defined: fewer than 2 groups");
    double total = 0.0;
    double sum = 0.0;
    for (const auto& group : groups) {
        if (!std::isfinite(group.mean) || !std::isfinite(group.sd) || !std::isfinite(group.n))
            return allNotDefined("not defined: too large to compute");
        if (group.n < 1.0)
            return allNotDefined("not defined: a group has no cases");
        total += group.n;
        sum += group.n * group.mean;
    }
    const double k = static_cast<double>(groups.size());
    if (!(total > k))
        return allNotDefined("not defined: too few cases (no more cases than groups)");
    setWelch(result, groups);

    const double grand = sum / total;
    double between = 0.0;
    double within = 0.0;
    for (const auto& group : groups) {
        between += group.n * (group.mean - grand) * (group.mean - grand);
        within += (group.n - 1.0) * group.sd * group.sd;
    }
    const double whole = between + within;
    if (!std::isfinite(whole) || !std::isfinite(grand)) {
        const char* reason = "not defined: too large to compute";
        result.etaSquared = DefinedNumber::notDefined(reason);
        result.etaSquaredInterval = DefinedBounds::notDefined(reason);
        result.omegaSquared = DefinedNumber::notDefined(reason);
        return result;
    }
    if (!(whole > 0.0)) {
        const char* reason = "not defined: every value is the same";
        result.etaSquared = DefinedNumber::notDefined(reason);
        result.etaSquaredInterval = DefinedBounds::notDefined(reason);
        result.omegaSquared = DefinedNumber::notDefined(reason);
        return result;
    }
    const double df1 = k - 1.0;
    const double df2 = total - k;
    const double meanWithin = within / df2;
    result.etaSquared = finiteOrNot(between / whole);
    result.omegaSquared = finiteOrNot((between - df1 * meanWithin) / (whole + meanWithin));
    if (!(within > 0.0)) {
        result.etaSquaredInterval =
            DefinedBounds::notDefined("not defined: no variation within the groups");
        return result;
    }
    const auto lambda = noncentralFInterval((between / df1) / meanWithin, df1, df2, level);
    if (!lambda.isDefined()) {
        result.etaSquaredInterval = lambda;
        return result;
    }
    const double lower = lambda.value().lower;
    const double upper = lambda.value().upper;
    result.etaSquaredInterval =
        finiteOrNot(Bounds{lower / (lower + total), upper / (upper + total)});
    return result;
}

} // namespace quillon::report
