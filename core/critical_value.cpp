#include "core/critical_value.h"

#include "core/critical_probabilities.h"
#include "core/distributions.h"

namespace quillon {

namespace {

// The routine the search walks, prepared for it.
GuidedProbability routineOf(const Distribution& distribution) {
    switch (distribution.kind) {
    case Distribution::Kind::T:
        return guidedTProb(distribution.df1);
    case Distribution::Kind::F:
        return guidedFProb(distribution.df1, distribution.df2);
    case Distribution::Kind::ChiSquare:
        return guidedChiSquareProb(distribution.df1);
    case Distribution::Kind::Normal:
        break;
    }
    // z is walked point by point, unchecked: its routine costs little and has no bound.
    GuidedProbability normal;
    normal.probability = [](float z) { return zProb(z); };
    return normal;
}

} // namespace

CriticalValue criticalValue(const Distribution& distribution, float target,
                            const SearchGrid& grid) {
    return fastCriticalValueSearch(routineOf(distribution), target, grid.start, grid.firstStep);
}

CriticalValue criticalValue(const Distribution& distribution, float target, const SearchGrid& grid,
                            const KeptRule& kept) {
    const GuidedProbability routine = routineOf(distribution);
    return fastCriticalValueSearch(routine, target, grid.start, grid.firstStep,
                                   [&](float value) { return kept(value, routine.trueTail); });
}

} // namespace quillon
