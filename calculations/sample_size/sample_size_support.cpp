#include "calculations/sample_size/sample_size_support.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "core/storage.h"

#include <type_traits>

namespace quillon {

template <typename Real> Real populationOrUnlimited(Real population) {
    // 1E+36 itself as a double, not the single nearest it.
    if constexpr (std::is_same_v<Real, double>)
        return population == 0.0 ? 1E36 : population;
    else
        return population == 0.0f ? kUnlimitedPopulation : population;
}

template <typename Real> Real readProportion(std::string_view text) {
    return stored<Real>(readNumber(text) / 100.0);
}

float alphaOfLevel(float level) {
    const float share = single(level / 100.0);
    return single(1.0 - share);
}

bool isLevelAccepted(float alpha) {
    return alpha >= 0.0001f && alpha <= 0.9999f;
}

bool isPopulationAccepted(float population) {
    return population >= 0.0f;
}

bool isRateAccepted(float rate) {
    return rate > 0.0f && rate <= 1.0f;
}

template <typename Real>
Real requiredSizeForPercent(float z, Real rate, Real error, Real population) {
    const Real unlimitedSize =
        stored<Real>(divide(power(z, 2.0) * rate * (1.0 - rate), power(error, 2.0)));
    return stored<Real>(divide(unlimitedSize, divide(unlimitedSize, population) + 1.0));
}

template float populationOrUnlimited(float);
template double populationOrUnlimited(double);
template float readProportion(std::string_view);
template double readProportion(std::string_view);
template float requiredSizeForPercent(float, float, float, float);
template double requiredSizeForPercent(float, double, double, double);

template <typename Real> Quantity requiredSizeQuantity(Real required) {
    return {"sample_size", static_cast<double>(required), trimmedPlainForm(required)};
}

template Quantity requiredSizeQuantity(float);
template Quantity requiredSizeQuantity(double);

std::string line(std::string_view label, std::string value) {
    return std::string(label) + value + kBreak;
}

} // namespace quillon
