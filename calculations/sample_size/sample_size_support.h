// What the sample size calculations share: the population and percents as they read them, the
// confidence level's check, the size a percent needs, and the lines of their clipboard texts.
#pragma once

#include "calculations/common/outcome.h"

#include <string>
#include <string_view>

namespace quillon {

// Stands for an unlimited population; the clipboard shows it as 1E+36.
inline constexpr float kUnlimitedPopulation = 1E36f;

// A population of 0 stands for kUnlimitedPopulation (stored as Real: single or double).
template <typename Real> Real populationOrUnlimited(Real population);

// A percent box read as a proportion.
template <typename Real = float> Real readProportion(std::string_view text);

// 1 - CL / 100, each step stored single.
float alphaOfLevel(float level);

// A confidence level from .01 to 99.99 percent: alpha from .0001 to .9999.
bool isLevelAccepted(float alpha);
inline constexpr std::string_view kLevelRangeReason =
    "The confidence level must be from .01 to 99.99.";

// A population (0 for unlimited) and a rate (as a proportion) that a size can be worked out for:
// a negative population, or a rate beyond 0 to 100%, can only give a negative size, a size above
// the population, or an error of 0.
bool isPopulationAccepted(float population);
bool isRateAccepted(float rate);
inline constexpr std::string_view kPopulationRangeReason =
    "The population size must not be negative.";
inline constexpr std::string_view kRateRangeReason =
    "The rate must be greater than 0 and at most 100.";

// The size a percent needs for an error (both proportions), reduced for a finite population.
template <typename Real>
Real requiredSizeForPercent(float z, Real rate, Real error, Real population);

// "sample_size": the required size as its answer prints it, without the blank of its plain form.
template <typename Real> Quantity requiredSizeQuantity(Real required);

// A clipboard line: the label, the value and a line break.
std::string line(std::string_view label, std::string value);

} // namespace quillon
