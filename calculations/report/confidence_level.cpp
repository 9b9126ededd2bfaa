#include "calculations/report/confidence_level.h"

#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <cmath>

namespace quillon::report {

// The upper quantile is taken as the complement of the lower tail, so that a level close to 1
// keeps its digits.
double twoSidedZ(double level) {
    try {
        const boost::math::normal_distribution<double> normal;
        return boost::math::quantile(boost::math::complement(normal, (1.0 - level) / 2.0));
    } catch (const std::exception&) {
        return std::nan("");
    }
}

double twoSidedT(double level, double df) {
    try {
        const boost::math::students_t_distribution<double> t(df);
        return boost::math::quantile(boost::math::complement(t, (1.0 - level) / 2.0));
    } catch (const std::exception&) {
        return std::nan("");
    }
}

} // namespace quillon::report
