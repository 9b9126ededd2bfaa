#include "calculations/sample_size/sample_size_for_percent.h"

#include "calculations/common/answer_breaks.h"
#include "calculations/common/calculation_support.h"
#include "calculations/common/critical_values.h"
#include "core/critical_search.h"

#include <array>

namespace quillon {

namespace {

// Stands for an unlimited population; the clipboard shows it as 1E+36.
constexpr float kUnlimitedPopulation = 1E36f;

float populationOrUnlimited(float population) {
    return population == 0.0f ? kUnlimitedPopulation : population;
}

// A percent box read as a proportion.
float readProportion(std::string_view text) {
    return single(readNumber(text) / 100.0);
}

// 1 - CL / 100, each step stored single.
float alphaOfLevel(float level) {
    const float share = single(level / 100.0);
    return single(1.0 - share);
}

bool isLevelAccepted(float alpha) {
    return alpha >= 0.0001f && alpha <= 0.9999f;
}

// The size a percent needs for an error (both proportions), reduced for a finite population.
float requiredSizeForPercent(float z, float rate, float error, float population) {
    const float unlimitedSize =
        single(divide(power(z, 2.0) * rate * (1.0 - rate), power(error, 2.0)));
    return single(divide(unlimitedSize, divide(unlimitedSize, population) + 1.0));
}

// The first error (percentage points) on the .01 grid whose required size is at or below the
// sample: raised by 1 while the size it needs still exceeds the sample, then from the last error
// whose size did by .1, then by .01. The first step of every pass is taken unconditionally: from
// 2^24 on, n + 1 equals n in single precision and would otherwise skip the first pass and leave a
// negative error. Rates far outside 0 to 100% can keep the size needed above the sample for
// millions of steps; such a pass is given up like a critical value search that cannot end.
float maximumError(float z, float rate, float sampleSize, float population) {
    float error = 0.0f;
    float needed = single(double{sampleSize} + 1.0);
    for (const float step : std::array{1.0f, 0.1f, 0.01f}) {
        float previousNeeded = needed;
        long steps = 0;
        do {
            if (++steps > maxProbesPerPass)
                throw ArithmeticError(ArithmeticFault::Overflow);
            previousNeeded = needed;
            error = single(double{error} + step);
            needed = requiredSizeForPercent(z, rate, single(error / 100.0), population);
        } while (needed > sampleSize);
        error = single(double{error} - step);
        needed = previousNeeded;
    }
    return single(double{error} + 0.01f);
}

std::string line(std::string_view label, std::string value) {
    return std::string(label) + value + kBreak;
}

} // namespace

Outcome calculateSample1(InputTexts inputs) {
    const float population = populationOrUnlimited(readSingle(inputs[0]));
    const float rate = readProportion(inputs[1]);
    const float error = readProportion(inputs[2]);
    const float level = readSingle(inputs[3]);
    if (rate == 0.0f)
        return refuse(2);
    if (error == 0.0f)
        return refuse(3);
    const float alpha = alphaOfLevel(level);
    if (!isLevelAccepted(alpha))
        return refuse(4);

    const float z = criticalZ(alpha);
    const float size = requiredSizeForPercent(z, rate, error, population);
    // Never raised to the next whole number.
    const float required = single(wholePart(size));

    const std::string text = "Required sample size =" + plainForm(required) + kBlankLine;
    const std::string clipboard = line("Population size =", plainForm(population)) +
                                  line("Estimate of the population rate = ", plainForm(rate)) +
                                  line("Maximum acceptable error =", plainForm(error)) +
                                  line("Confidence level =", plainForm(level)) +
                                  line("Required sample size =", plainForm(required));
    return answer(text, clipboard);
}

Outcome calculateSample2(InputTexts inputs) {
    const float deviation = readSingle(inputs[0]);
    const float error = readSingle(inputs[1]);
    const float level = readSingle(inputs[2]);
    if (deviation == 0.0f)
        return refuse(1);
    if (error == 0.0f)
        return refuse(2);
    const float alpha = alphaOfLevel(level);
    if (!isLevelAccepted(alpha))
        return refuse(3);

    const float z = criticalZ(alpha);
    const float size = single(divide(power(z, 2.0) * power(deviation, 2.0), power(error, 2.0)));
    const float required = single(wholePart(size));

    const std::string text = "Required sample size =" + plainForm(required) + kBlankLine;
    const std::string clipboard = line("Population SD =", plainForm(deviation)) +
                                  line("Maximum acceptable error =", plainForm(error)) +
                                  line("Confidence level =", plainForm(level)) +
                                  line("Required sample size =", plainForm(required));
    return answer(text, clipboard);
}

Outcome calculateSample3(InputTexts inputs) {
    const float population = populationOrUnlimited(readSingle(inputs[0]));
    const float rate = readProportion(inputs[1]);
    const float sampleSize = readSingle(inputs[2]);
    const float level = readSingle(inputs[3]);
    if (rate == 0.0f)
        return refuse(2);
    if (sampleSize < 2.0f)
        return refuse(3);
    const float alpha = alphaOfLevel(level);
    if (!isLevelAccepted(alpha))
        return refuse(4);

    const float z = criticalZ(alpha);
    const float error = maximumError(z, rate, sampleSize, population);

    const std::string errorText =
        "Maximum error = " + std::string(kPlusMinus) + " " + format(error, "#0.0") + "%";
    const std::string clipboard = line("Population size =", plainForm(population)) +
                                  line("Estimate of the population rate = ", plainForm(rate)) +
                                  line("Sample size =", plainForm(sampleSize)) +
                                  line("Confidence level =", plainForm(level)) +
                                  line(errorText, "");
    return answer(errorText + kBlankLine, clipboard);
}

} // namespace quillon
