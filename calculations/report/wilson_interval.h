#pragma once
// Wilson (1927): the score interval of a proportion, x successes in n trials, with the normal
// critical value z. It is the interval of R's prop.test without continuity correction.
// x need not be whole (a typed percent of a size); the bounds lie in [0, 1].

namespace quillon::report {

struct WilsonBounds {
    double lower;
    double upper;
};

// Requires n > 0 and 0 <= x <= n.
WilsonBounds wilsonBounds(double x, double n, double z);

} // namespace quillon::report
