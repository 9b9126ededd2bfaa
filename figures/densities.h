// The reference distributions a figure draws, as densities with the quantiles that frame their
// view. Drawing evaluates a density at points; it never forms a statistic.
#pragma once

#include <functional>
#include <string>

namespace quillon {

struct Density {
    std::string name;                       // "The t distribution on 10 degrees of freedom"
    std::function<double(double)> pdf;      // never throws; NaN where it has no value
    std::function<double(double)> quantile; // the lower-tail quantile, NaN where none
    bool positive = false;                  // defined for x >= 0 only (F, chi-square)
};

Density standardNormalDensity();
// The normal (or t, on df) density of values with this mean and SD.
Density normalDensity(double mean, double sd);
Density tDensity(double df, double location = 0.0, double scale = 1.0);
Density fDensity(double df1, double df2);
Density chiSquareDensity(double df);

// "10 degrees of freedom", "1 degree of freedom", from the answer's text of df.
std::string degreesOfFreedom(const std::string& dfText);

} // namespace quillon
