// Readable axis ticks: steps of 1, 2 or 5 times a power of ten, and labels that print each tick
// with the decimals its step needs, never NaN, infinity or a minus zero.
#pragma once

#include "figures/figure.h"

#include <string>
#include <vector>

namespace quillon {

// The step of 1, 2 or 5 times a power of ten that cuts low..high into at most maxCount steps.
double niceStep(double low, double high, int maxCount);

// The ticks on low..high (ends included where they fall on the step); none when an end is not
// finite or high is not above low.
std::vector<Tick> niceTicks(double low, double high, int maxCount = 6);

// A tick's label for a value on a grid of the given step.
std::string tickLabel(double value, double step);
// The same on an axis whose largest tick has this magnitude, so that all its labels share a form.
std::string tickLabel(double value, double step, double magnitude);

// A value for a label or a sentence with up to `digits` significant digits: "2.228", "0.05",
// "1.5E+30". Never "nan", "inf" or "-0"; a value that is not finite prints as "?".
std::string numberLabel(double value, int digits = 4);

// A probability as a percent for a sentence: "5%", "0.35%", "less than 0.01%".
std::string percentLabel(double probability);

// An axis over low..high with its ticks; a range of no width is widened around its value.
Axis makeAxis(std::string title, double low, double high, int maxTicks = 6);

} // namespace quillon
