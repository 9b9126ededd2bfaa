#include "calculations/report/percent_difference.h"

#include "calculations/report/cohens_h.h"
#include "calculations/report/confidence_level.h"
#include "calculations/report/wilson_interval.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace quillon::report {

namespace {

bool isProportion(double p) {
    return p >= 0.0 && p <= 1.0;
}
bool isSize(double n) {
    return n >= 1.0 && std::isfinite(n);
}

PercentDifference refused(const std::string& reason) {
    return {DefinedNumber::notDefined(reason), DefinedBounds::notDefined(reason),
            DefinedNumber::notDefined(reason)};
}

// Newcombe's combination of the two Wilson intervals: phi is the correlation of the two
// estimates (0 for independent samples).
DefinedBounds newcombe(double p1, WilsonBounds w1, double p2, WilsonBounds w2, double phi) {
    const double below1 = p1 - w1.lower;
    const double above1 = w1.upper - p1;
    const double below2 = p2 - w2.lower;
    const double above2 = w2.upper - p2;
    const double delta =
        std::sqrt(std::max(0.0, below1 * below1 - 2.0 * phi * below1 * above2 + above2 * above2));
    const double epsilon =
        std::sqrt(std::max(0.0, above1 * above1 - 2.0 * phi * above1 * below2 + below2 * below2));
    const double d = p1 - p2;
    return finiteOrNot(Bounds{d - delta, d + epsilon});
}

} // namespace

PercentDifference independentPercentDifference(double p1, double n1, double p2, double n2,
                                               double level) {
    if (!isConfidenceLevel(level))
        return refused(badLevelReason);
    if (!isProportion(p1) || !isProportion(p2))
        return refused("not defined: a percent is not between 0 and 100");
    if (!isSize(n1) || !isSize(n2))
        return refused("not defined: a sample size is below 1");
    const double z = twoSidedZ(level);
    const WilsonBounds w1 = wilsonBounds(p1 * n1, n1, z);
    const WilsonBounds w2 = wilsonBounds(p2 * n2, n2, z);
    return {finiteOrNot(p1 - p2), newcombe(p1, w1, p2, w2, 0.0), cohensH(p1, p2)};
}

PercentDifference sameSamplePercentDifference(double p1, double p2, double n, double level) {
    if (!isConfidenceLevel(level))
        return refused(badLevelReason);
    if (!isProportion(p1) || !isProportion(p2))
        return refused("not defined: a percent is not between 0 and 100");
    if (!isSize(n))
        return refused("not defined: the sample size is below 1");
    // A tolerance of a few units in the last place lets 60% and 40% of one sample pass.
    if (p1 + p2 > 1.0 + 1e-12) {
        const char* const reason =
            "not defined: the two percents add to more than 100, so they cannot be two answers "
            "of the same respondents";
        return {finiteOrNot(p1 - p2), DefinedBounds::notDefined(reason), cohensH(p1, p2)};
    }
    const double z = twoSidedZ(level);
    const double b = p1 * n;
    const double c = p2 * n;
    const WilsonBounds w1 = wilsonBounds(b, n, z);
    const WilsonBounds w2 = wilsonBounds(c, n, z);
    // phi of the table (0, b; c, d): (0 d - b c) / sqrt((a+b)(c+d)(a+c)(b+d)), written with
    // proportions; 0 where a margin is empty, as Newcombe sets it.
    const double q1 = 1.0 - p1;
    const double q2 = 1.0 - p2;
    const double phi =
        (p1 <= 0.0 || p2 <= 0.0 || q1 <= 0.0 || q2 <= 0.0) ? 0.0 : -std::sqrt(p1 * p2 / (q1 * q2));
    return {finiteOrNot(p1 - p2), newcombe(p1, w1, p2, w2, phi), cohensH(p1, p2)};
}

} // namespace quillon::report
