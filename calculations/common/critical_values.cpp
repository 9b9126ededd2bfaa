#include "calculations/common/critical_values.h"

#include "core/critical_value.h"

namespace quillon {

float clampedAlpha(float alpha) {
    if (alpha < 0.0001f)
        return 0.0001f;
    if (alpha > 0.9999f)
        return 0.9999f;
    return alpha;
}

float gridCriticalZ(float alpha) {
    return criticalValue(Distribution::normal(), alpha).value;
}

namespace {

float firstStepOfT(float df) {
    return df < 3.0f ? 5.0f : 1.0f;
}

} // namespace

float gridCriticalT(float alpha, float df) {
    return criticalValue(Distribution::t(df), alpha, {0.0001f, firstStepOfT(df)}).value;
}

float gridCriticalT(float alpha, float df, const HalfWidth& halfWidth) {
    const auto printsTrue = [&](float t, const std::function<double(double)>& trueTail) {
        return printsTrueHalfWidth(halfWidth, t, alpha, trueTail);
    };
    return criticalValue(Distribution::t(df), alpha, {0.0001f, firstStepOfT(df)}, printsTrue).value;
}

} // namespace quillon
