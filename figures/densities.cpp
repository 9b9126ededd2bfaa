#include "figures/densities.h"

#include "figures/quiet_policy.h"

#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <cmath>
#include <limits>

namespace quillon {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

template <typename Call> double guarded(Call call) {
    try {
        const double value = call();
        return std::isfinite(value) ? value : kNaN;
    } catch (...) {
        return kNaN;
    }
}

template <typename Distribution>
Density densityOf(std::string name, Distribution distribution, bool positive, double location = 0.0,
                  double scale = 1.0) {
    Density density;
    density.name = std::move(name);
    density.positive = positive;
    density.pdf = [distribution, location, scale](double x) {
        return guarded(
            [&] { return boost::math::pdf(distribution, (x - location) / scale) / scale; });
    };
    density.quantile = [distribution, location, scale](double p) {
        return guarded([&] { return location + scale * boost::math::quantile(distribution, p); });
    };
    return density;
}

// Beyond this many degrees of freedom a density is drawn from its limit, which no picture tells
// apart from it; the exact one would take Boost.Math's series too long.
constexpr double kMostDrawnDf = 1e7;

} // namespace

std::string degreesOfFreedom(const std::string& dfText) {
    return dfText + (dfText == "1" ? " degree of freedom" : " degrees of freedom");
}

Density standardNormalDensity() {
    return densityOf("The standard normal distribution",
                     boost::math::normal_distribution<double, QuietPolicy>(0.0, 1.0), false);
}

Density normalDensity(double mean, double sd) {
    return densityOf("The normal distribution",
                     boost::math::normal_distribution<double, QuietPolicy>(0.0, 1.0), false, mean,
                     sd);
}

Density tDensity(double df, double location, double scale) {
    if (df > kMostDrawnDf)
        return densityOf("The t distribution",
                         boost::math::normal_distribution<double, QuietPolicy>(0.0, 1.0), false,
                         location, scale);
    return densityOf("The t distribution",
                     boost::math::students_t_distribution<double, QuietPolicy>(df), false, location,
                     scale);
}

Density fDensity(double df1, double df2) {
    return densityOf("The F distribution",
                     boost::math::fisher_f_distribution<double, QuietPolicy>(
                         std::min(df1, kMostDrawnDf), std::min(df2, kMostDrawnDf)),
                     true);
}

Density chiSquareDensity(double df) {
    if (df > kMostDrawnDf)
        return densityOf("The chi-square distribution",
                         boost::math::normal_distribution<double, QuietPolicy>(0.0, 1.0), true, df,
                         std::sqrt(2.0 * df));
    return densityOf("The chi-square distribution",
                     boost::math::chi_squared_distribution<double, QuietPolicy>(df), true);
}

} // namespace quillon
