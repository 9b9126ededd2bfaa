// Which picture of its answer a calculation has: the reference distribution with the area of the
// answer shaded, the probability of each outcome as bars, or the data themselves.
#pragma once

namespace quillon {

enum class FigureKind {
    None,               // a single number that a picture would not explain
    NormalTwoTails,     // the standard normal density, both tails beyond |z| shaded
    NormalRange,        // a normal density over the user's scale, the range shaded
    TTwoTails,          // the t density on the answer's df, both tails beyond |t| shaded
    TRange,             // a t density over the user's scale, the range shaded
    FUpperTail,         // the F density on (df1, df2), the tail beyond F shaded
    ChiSquareUpperTail, // the chi-square density on df, the tail beyond the value shaded
    GroupMeansT,        // the t test's density beside the two group means with 95% intervals
    GroupMeansF,        // the analysis of variance's F density beside the group means
    FourfoldTables,     // the probability of each table with the observed margins
    BinomialOutcomes,   // the probability of each number of successes, the tail marked
    PoissonOutcomes,    // the probability of each number of events, the tail marked
    DotPlot,            // the values as dots with the mean and the median
    Scatter,            // the pairs (or their ranks) with the least-squares line
    IntervalOnAxis,     // a confidence interval around its estimate
};

} // namespace quillon
