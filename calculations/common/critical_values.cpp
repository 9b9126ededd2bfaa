#include "calculations/common/critical_values.h"

#include "core/critical_probabilities.h"
#include "core/critical_search.h"
#include "core/distributions.h"

namespace quillon {

float clampedAlpha(float alpha) {
    if (alpha < 0.0001f)
        return 0.0001f;
    if (alpha > 0.9999f)
        return 0.9999f;
    return alpha;
}

float gridCriticalZ(float alpha) {
    const auto probability = [](float z) { return zProb(z); };
    return criticalValueSearch(probability, alpha, 0.0f, 1.0f).value;
}

namespace {

float firstStepOfT(float df) {
    return df < 3.0f ? 5.0f : 1.0f;
}

} // namespace

float gridCriticalT(float alpha, float df) {
    return fastCriticalValueSearch(guidedTProb(df), alpha, 0.0001f, firstStepOfT(df)).value;
}

float gridCriticalT(float alpha, float df, const HalfWidth& halfWidth) {
    const GuidedProbability routine = guidedTProb(df);
    const auto printsTrue = [&](float t) {
        return printsTrueHalfWidth(halfWidth, t, alpha, routine.trueTail);
    };
    return fastCriticalValueSearch(routine, alpha, 0.0001f, firstStepOfT(df), printsTrue).value;
}

} // namespace quillon
