// The confidence interval of each group's mean from its mean, unbiased SD and size: the mean
// plus and minus the t quantile on n - 1 degrees of freedom times SD / sqrt(n), in double.
#pragma once

#include <optional>
#include <span>
#include <vector>

namespace quillon {

struct GroupSummaryValues {
    double mean = 0.0;
    double sd = 0.0;
    double n = 0.0;
};

struct GroupMeanInterval {
    double mean = 0.0;
    std::optional<double> lower; // empty when the group has no interval (n < 2, SD < 0, or not
    std::optional<double> upper; // finite)
};

// level is the two-sided confidence level, from 0 to 1 exclusive.
std::vector<GroupMeanInterval> groupMeanIntervals(std::span<const GroupSummaryValues> groups,
                                                  double level = 0.95);

} // namespace quillon
