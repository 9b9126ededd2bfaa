#include "calculations/sample_size/sample_size_support.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"

namespace quillon {

float populationOrUnlimited(float population) {
    return population == 0.0f ? kUnlimitedPopulation : population;
}

float readProportion(std::string_view text) {
    return single(readNumber(text) / 100.0);
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

float requiredSizeForPercent(float z, float rate, float error, float population) {
    const float unlimitedSize =
        single(divide(power(z, 2.0) * rate * (1.0 - rate), power(error, 2.0)));
    return single(divide(unlimitedSize, divide(unlimitedSize, population) + 1.0));
}

std::string line(std::string_view label, std::string value) {
    return std::string(label) + value + kBreak;
}

} // namespace quillon
