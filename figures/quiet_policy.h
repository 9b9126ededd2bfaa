// Boost.Math distributions for drawing: every error becomes NaN rather than an exception, and the
// figure leaves that point out.
#pragma once

#include <boost/math/policies/policy.hpp>

namespace quillon {

using QuietPolicy = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::pole_error<boost::math::policies::ignore_error>,
    boost::math::policies::overflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::underflow_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>,
    boost::math::policies::rounding_error<boost::math::policies::ignore_error>,
    boost::math::policies::indeterminate_result_error<boost::math::policies::ignore_error>,
    boost::math::policies::max_series_iterations<100000>,
    boost::math::policies::max_root_iterations<200>>;

} // namespace quillon
