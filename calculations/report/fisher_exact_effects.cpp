#include "calculations/report/fisher_exact_effects.h"

#include <boost/math/tools/toms748_solve.hpp>

#include <cmath>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

namespace quillon::report {
namespace {

// Terms below e^-745 of the largest are 0 in double precision; the searches stop at e^-40, which
// moves a tail of at least (1 - level) / 2 by less than one part in 1e15.
constexpr double kFullCutoff = -745.0;
constexpr double kSearchCutoff = -40.0;

// The top-left cell given the margins: x in lo..hi, with weights
// C(m, x) C(n, k - x) e^(theta x), theta the logarithm of the odds ratio.
class NoncentralHypergeometric {
public:
    NoncentralHypergeometric(double m, double n, double k)
        : m_(m), n_(n), k_(k), lo_(std::max(0.0, k - n)), hi_(std::min(k, m)) {}

    double lo() const { return lo_; }
    double hi() const { return hi_; }

    // The weights at theta, normalised, over the cells whose weight is above e^cutoff of the
    // largest; the others are taken as 0.
    void spread(double theta, double cutoff) {
        theta_ = theta;
        const double top = mode();
        std::vector<double> below;
        double logWeight = 0.0;
        double i = top;
        while (i > lo_) {
            logWeight -= logRatio(i - 1.0);
            if (logWeight < cutoff)
                break;
            below.push_back(logWeight);
            i -= 1.0;
        }
        first_ = top - static_cast<double>(below.size());
        weights_.assign(below.rbegin(), below.rend());
        weights_.push_back(0.0);
        logWeight = 0.0;
        for (i = top; i < hi_; i += 1.0) {
            logWeight += logRatio(i);
            if (logWeight < cutoff)
                break;
            weights_.push_back(logWeight);
        }
        double sum = 0.0;
        for (double& weight : weights_) {
            weight = std::exp(weight);
            sum += weight;
        }
        for (double& weight : weights_)
            weight /= sum;
    }

    double probability(double x) const {
        const double offset = x - first_;
        if (offset < 0.0 || offset >= static_cast<double>(weights_.size()))
            return 0.0;
        return weights_[static_cast<std::size_t>(offset)];
    }
    // P(X <= x) or P(X >= x).
    double tail(double x, bool upper) const {
        double sum = 0.0;
        for (std::size_t index = 0; index < weights_.size(); ++index) {
            const double cell = first_ + static_cast<double>(index);
            if (upper ? cell >= x : cell <= x)
                sum += weights_[index];
        }
        return std::min(1.0, sum);
    }
    double mean() const {
        double sum = 0.0;
        for (std::size_t index = 0; index < weights_.size(); ++index)
            sum += static_cast<double>(index) * weights_[index];
        return first_ + sum;
    }
    // The sum of the probabilities no greater than that of x times 1 + 1e-7.
    double noMoreProbable(double x) const {
        const double limit = probability(x) * (1.0 + 1e-7);
        double sum = 0.0;
        for (const double weight : weights_)
            if (weight <= limit)
                sum += weight;
        return std::min(1.0, sum);
    }

private:
    // ln(w(i + 1) / w(i)), falling as i rises.
    double logRatio(double i) const {
        return std::log(k_ - i) + std::log(m_ - i) - std::log(i + 1.0) -
               std::log(n_ - k_ + i + 1.0) + theta_;
    }
    // The first cell after which the weights fall.
    double mode() const {
        double low = lo_;
        double high = hi_;
        while (low < high) {
            const double middle = std::floor((low + high) / 2.0);
            if (logRatio(middle) <= 0.0)
                high = middle;
            else
                low = middle + 1.0;
        }
        return low;
    }

    double m_, n_, k_, lo_, hi_;
    double theta_ = 0.0;
    double first_ = 0.0;
    std::vector<double> weights_;
};

// The theta at which the rising function rising(theta) reaches target, searched outward from 0.
double solveRising(const std::function<double(double)>& rising, double target) {
    double low = -1.0;
    double high = 1.0;
    while (rising(low) > target && low > -1.0e4)
        low *= 2.0;
    while (rising(high) < target && high < 1.0e4)
        high *= 2.0;
    auto difference = [&](double theta) { return rising(theta) - target; };
    std::uintmax_t iterations = 200;
    const auto bracket = boost::math::tools::toms748_solve(
        difference, low, high, boost::math::tools::eps_tolerance<double>(50), iterations);
    return (bracket.first + bracket.second) / 2.0;
}

bool wholeAndNotNegative(double cell) {
    return std::isfinite(cell) && cell >= 0.0 && std::floor(cell) == cell;
}

} // namespace

FisherExactEffects fisherExactEffects(double a, double b, double c, double d, double level) {
    FisherExactEffects effects;
    auto refuseAll = [&](const std::string& reason) {
        const auto none = DefinedNumber::notDefined(reason);
        effects = {none, none, none, none, none, {none, none}};
        return effects;
    };
    if (!wholeAndNotNegative(a) || !wholeAndNotNegative(b) || !wholeAndNotNegative(c) ||
        !wholeAndNotNegative(d))
        return refuseAll("not defined: a cell is not a whole number of at least 0");
    const double total = a + b + c + d;
    if (total == 0.0)
        return refuseAll("not defined: the table is empty");
    if (total > kFisherMaximumTotal)
        return refuseAll("not defined: the total is above 100000");

    NoncentralHypergeometric cell(a + c, b + d, a + b);
    const double x = a;
    cell.spread(0.0, kFullCutoff);
    effects.pointProbability = finiteOrNot(cell.probability(x));
    effects.pLess = finiteOrNot(cell.tail(x, false));
    effects.pGreater = finiteOrNot(cell.tail(x, true));
    effects.pTwoSided = finiteOrNot(cell.noMoreProbable(x));

    const std::string unbounded = "not defined: the odds ratio has no upper bound (a cell is 0)";
    try {
        if (x == cell.lo())
            effects.oddsRatio = finiteOrNot(0.0);
        else if (x == cell.hi())
            effects.oddsRatio = DefinedNumber::notDefined(unbounded);
        else
            effects.oddsRatio = finiteOrNot(std::exp(solveRising(
                [&](double theta) {
                    cell.spread(theta, kSearchCutoff);
                    return cell.mean();
                },
                x)));

        if (!isConfidenceLevel(level)) {
            effects.oddsRatioInterval = {DefinedNumber::notDefined(badLevelReason),
                                         DefinedNumber::notDefined(badLevelReason)};
            return effects;
        }
        const double alpha = (1.0 - level) / 2.0;
        effects.oddsRatioInterval.lower = x == cell.lo()
                                              ? finiteOrNot(0.0)
                                              : finiteOrNot(std::exp(solveRising(
                                                    [&](double theta) {
                                                        cell.spread(theta, kSearchCutoff);
                                                        return cell.tail(x, true);
                                                    },
                                                    alpha)));
        effects.oddsRatioInterval.upper = x == cell.hi()
                                              ? DefinedNumber::notDefined(unbounded)
                                              : finiteOrNot(std::exp(solveRising(
                                                    [&](double theta) {
                                                        cell.spread(theta, kSearchCutoff);
                                                        return 1.0 - cell.tail(x, false);
                                                    },
                                                    1.0 - alpha)));
    } catch (const std::exception&) {
        const auto none =
            DefinedNumber::notDefined("not defined: the search for the odds ratio failed");
        effects.oddsRatio = none;
        effects.oddsRatioInterval = {none, none};
    }
    return effects;
}

} // namespace quillon::report
