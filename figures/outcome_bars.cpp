// The tests on counts as the probability of each outcome: one bar per number of successes, of
// events, or per 2 x 2 table with the observed margins; the observed one and the tail marked.
#include "core/number_text.h"
#include "figures/figure_builders.h"
#include "figures/quiet_policy.h"
#include "figures/ticks.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/distributions/poisson.hpp>

#include <algorithm>
#include <cmath>
#include <functional>

namespace quillon {
namespace {

// Beyond this many outcomes, neighbouring outcomes share a bar: the picture stays readable and
// its size bounded.
constexpr double kMostBars = 300.0;
// Outcomes this many standard deviations from the expected count are drawn.
constexpr double kSpread = 6.0;

enum class Tail { Upper, Lower, None };

struct Outcomes {
    double first = 0.0; // the whole numbers first..last
    double last = 0.0;
    double observed = 0.0;
    Tail tail = Tail::None;
    std::function<double(double)> probability; // of one outcome
    std::function<double(double)> upTo;        // of the outcomes up to and including one
};

bool inTail(const Outcomes& outcomes, double from, double to) {
    switch (outcomes.tail) {
    case Tail::Upper:
        return from >= outcomes.observed;
    case Tail::Lower:
        return to <= outcomes.observed;
    case Tail::None:
        return false;
    }
    return false;
}

std::optional<Panel> barsPanel(const Outcomes& outcomes, const std::string& xTitle,
                               const std::string& observedLabel) {
    const double count = outcomes.last - outcomes.first + 1.0;
    if (!std::isfinite(count) || count < 1.0 || count > 1e15)
        return std::nullopt;
    const double width = count <= kMostBars ? 1.0 : std::ceil(count / kMostBars);
    Panel panel;
    double top = 0.0;
    for (double from = outcomes.first; from <= outcomes.last; from += width) {
        const double to = std::min(from + width - 1.0, outcomes.last);
        const double height =
            width == 1.0 ? outcomes.probability(from)
                         : outcomes.upTo(to) - (from > 0.0 ? outcomes.upTo(from - 1.0) : 0.0);
        if (!std::isfinite(height))
            continue;
        Ink ink = inTail(outcomes, from, to) ? Ink::Shade : Ink::Curve;
        if (outcomes.observed >= from && outcomes.observed <= to)
            ink = Ink::Accent;
        // A small gap between bars, as wide as a tenth of a bar.
        panel.bars.push_back(
            {from - 0.5 + 0.05 * width, to + 0.5 - 0.05 * width, std::max(0.0, height), ink});
        top = std::max(top, height);
    }
    if (panel.bars.empty() || !(top > 0.0))
        return std::nullopt;
    panel.x = makeAxis(xTitle, outcomes.first - 0.5 * width, outcomes.last + 0.5 * width);
    // Outcomes are whole numbers: no tick between them.
    std::erase_if(panel.x.ticks, [](const Tick& t) { return t.value != std::floor(t.value); });
    panel.y = makeAxis("Probability", 0.0, top * 1.12, 4);
    panel.markers.push_back({outcomes.observed, observedLabel, Ink::Accent});
    return panel;
}

// The outcomes within kSpread standard deviations of the expected count, and the observed one.
void frame(Outcomes& outcomes, double mean, double sd, double most) {
    outcomes.first =
        std::max(0.0, std::floor(std::min(mean - kSpread * sd - 1.0, outcomes.observed)));
    outcomes.last =
        std::min(most, std::ceil(std::max(mean + kSpread * sd + 1.0, outcomes.observed)));
}

Tail tailOf(const Evaluation& evaluation) {
    // The calculation chooses its tail and says which in its answer.
    return evaluation.answer.text.find(" or more ") != std::string::npos ? Tail::Upper
                                                                         : Tail::Lower;
}

std::string tailWords(Tail tail, const std::string& observed, const std::string& what) {
    return observed + (tail == Tail::Upper ? " or more " : " or fewer ") + what;
}

FigureOutcome binomialFigure(const FigureInputs& inputs) {
    const auto trials = boxValue(inputs, 1);
    const auto chance = boxValue(inputs, 2);
    const LabelledQuantity* successes = findQuantity(inputs.evaluation, "successes");
    const LabelledQuantity* p = findQuantity(inputs.evaluation, "p");
    if (!trials || !chance || !successes || !p || *trials < 1.0 || *trials > 1e9 ||
        !(*chance > 0.0 && *chance < 1.0))
        return noFigure("The outcomes cannot be drawn for these values.");
    // The bars are drawn for the whole number of trials nearest to the one typed.
    const double n = std::nearbyint(*trials);
    const boost::math::binomial_distribution<double, QuietPolicy> binomial(n, *chance);
    Outcomes outcomes;
    outcomes.observed = std::nearbyint(successes->value);
    outcomes.tail = tailOf(inputs.evaluation);
    outcomes.probability = [binomial](double k) { return boost::math::pdf(binomial, k); };
    outcomes.upTo = [binomial](double k) { return boost::math::cdf(binomial, k); };
    frame(outcomes, n * *chance, std::sqrt(n * *chance * (1.0 - *chance)), n);
    std::optional<Panel> panel =
        barsPanel(outcomes, "Number of successes",
                  successes->text + " observed, " + probabilityPhrase(p->text));
    if (!panel)
        return noFigure("The outcomes cannot be drawn for these values.");
    Figure figure;
    figure.description = "The probability of each number of successes in " + numberLabel(n, 15) +
                         " trials with a probability of " + numberLabel(*chance) +
                         " each; the bars of " +
                         tailWords(outcomes.tail, successes->text, "successes") +
                         " are marked, with a probability of " + p->text + ".";
    figure.panels.push_back(std::move(*panel));
    return {std::move(figure), {}};
}

FigureOutcome poissonFigure(const FigureInputs& inputs) {
    const auto expected = boxValue(inputs, 2);
    const LabelledQuantity* events = findQuantity(inputs.evaluation, "events");
    const LabelledQuantity* p = findQuantity(inputs.evaluation, "p");
    if (!expected || !events || !p)
        return noFigure("The outcomes cannot be drawn for these values.");
    if (!(*expected > 0.0))
        return noFigure("An expected frequency of 0 or less has no distribution to draw.");
    if (*expected > 1e12 || events->value < 0.0 || events->value > 1e15)
        return noFigure("The counts are too large to draw their outcomes.");
    const boost::math::poisson_distribution<double, QuietPolicy> poisson(*expected);
    Outcomes outcomes;
    outcomes.observed = std::nearbyint(events->value);
    outcomes.tail = tailOf(inputs.evaluation);
    outcomes.probability = [poisson](double k) { return boost::math::pdf(poisson, k); };
    outcomes.upTo = [poisson](double k) { return boost::math::cdf(poisson, k); };
    frame(outcomes, *expected, std::sqrt(*expected), 1e15);
    std::optional<Panel> panel = barsPanel(
        outcomes, "Number of events", events->text + " observed, " + probabilityPhrase(p->text));
    if (!panel)
        return noFigure("The outcomes cannot be drawn for these values.");
    Figure figure;
    figure.description = "The Poisson probability of each number of events when " +
                         numberLabel(*expected) + " are expected; the bars of " +
                         tailWords(outcomes.tail, events->text, "events") +
                         " are marked, with a probability (twice the tail) of " + p->text + ".";
    figure.panels.push_back(std::move(*panel));
    return {std::move(figure), {}};
}

FigureOutcome fourfoldFigure(const FigureInputs& inputs) {
    double cells[4] = {};
    for (int box = 1; box <= 4; ++box) {
        const auto value = boxValue(inputs, box);
        if (!value || std::fabs(*value) > 1e6)
            return noFigure("The table cannot be drawn for these values.");
        // The cells are whole counts, each the nearest whole number to the one typed.
        cells[box - 1] = std::nearbyint(*value);
        if (cells[box - 1] < 0.0)
            return noFigure("A table with a negative count has no distribution to draw.");
    }
    const LabelledQuantity* p = findQuantity(inputs.evaluation, "p");
    if (!p)
        return noFigure("The table cannot be drawn for these values.");
    const double row1 = cells[0] + cells[1];
    const double column1 = cells[0] + cells[2];
    const double total = cells[0] + cells[1] + cells[2] + cells[3];
    const boost::math::hypergeometric_distribution<double, QuietPolicy> tables(
        static_cast<unsigned>(column1), static_cast<unsigned>(row1), static_cast<unsigned>(total));
    Outcomes outcomes;
    outcomes.first = std::max(0.0, row1 + column1 - total);
    outcomes.last = std::min(row1, column1);
    outcomes.observed = cells[0];
    outcomes.probability = [tables](double k) {
        return boost::math::pdf(tables, static_cast<unsigned>(k));
    };
    outcomes.upTo = [tables](double k) {
        return boost::math::cdf(tables, static_cast<unsigned>(k));
    };
    std::optional<Panel> panel =
        barsPanel(outcomes, "Top left cell", "observed, " + probabilityPhrase(p->text));
    if (!panel)
        return noFigure("The table cannot be drawn for these values.");
    Figure figure;
    figure.description =
        "The probability of each 2 x 2 table with the observed margins (rows " +
        numberLabel(row1, 15) + " and " + numberLabel(total - row1, 15) + ", columns " +
        numberLabel(column1, 15) + " and " + numberLabel(total - column1, 15) +
        "), by its top left cell; the observed table, with " + numberLabel(cells[0], 15) +
        " there, is marked, with a probability of " + p->text + ".";
    figure.panels.push_back(std::move(*panel));
    return {std::move(figure), {}};
}

} // namespace

FigureOutcome outcomeBarsFigure(const FigureInputs& inputs) {
    switch (inputs.row.figure) {
    case FigureKind::BinomialOutcomes:
        return binomialFigure(inputs);
    case FigureKind::PoissonOutcomes:
        return poissonFigure(inputs);
    default:
        return fourfoldFigure(inputs);
    }
}

} // namespace quillon
