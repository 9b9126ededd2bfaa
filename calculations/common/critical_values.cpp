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

float gridCriticalT(float alpha, float df) {
    const float firstStep = df < 3.0f ? 5.0f : 1.0f;
    return fastCriticalValueSearch(guidedTProb(df), alpha, 0.0001f, firstStep).value;
}

} // namespace quillon
