#include "calculations/means/group_mean_intervals.h"

#include <boost/math/distributions/students_t.hpp>

#include <cmath>

namespace quillon {

std::vector<GroupMeanInterval> groupMeanIntervals(std::span<const GroupSummaryValues> groups,
                                                  double level) {
    std::vector<GroupMeanInterval> intervals;
    intervals.reserve(groups.size());
    for (const GroupSummaryValues& group : groups) {
        GroupMeanInterval interval{.mean = group.mean};
        const bool usable = std::isfinite(group.mean) && std::isfinite(group.sd) &&
                            std::isfinite(group.n) && group.n >= 2.0 && group.sd >= 0.0 &&
                            level > 0.0 && level < 1.0;
        if (usable) {
            const boost::math::students_t t(group.n - 1.0);
            const double quantile = boost::math::quantile(t, 0.5 + level / 2.0);
            const double halfWidth = quantile * group.sd / std::sqrt(group.n);
            if (std::isfinite(halfWidth) && std::isfinite(group.mean - halfWidth) &&
                std::isfinite(group.mean + halfWidth)) {
                interval.lower = group.mean - halfWidth;
                interval.upper = group.mean + halfWidth;
            }
        }
        intervals.push_back(interval);
    }
    return intervals;
}

} // namespace quillon
