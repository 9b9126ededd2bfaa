// Shell's method: insertion sorts over gaps n/2, n/4, ..., 1, each sorting the elements that lie
// gap apart.
#include "core/sort_sample.h"

#include "core/arithmetic.h"

#include <stdexcept>
#include <utility>

namespace quillon {
namespace {

template <typename Real> void shellSort(std::vector<Real>& values, float n) {
    const double k = roundHalfEven(n);
    double gap = wholePart(k / 2.0);
    // Also ends at once for a negative or NaN count, whose halving would never reach 0.
    while (gap >= 1.0) {
        const double last = roundHalfEven(n - gap);
        if (last + gap >= static_cast<double>(values.size()))
            throw std::out_of_range("sortSample: count beyond the values held");
        const long g = static_cast<long>(gap);
        for (long i = 1; i <= static_cast<long>(last); ++i) {
            long j = i;
            while (j > 0 && values[j] > values[j + g]) {
                std::swap(values[j], values[j + g]);
                j = j - g;
            }
        }
        gap = wholePart(gap / 2.0);
    }
}

} // namespace

void sortSample(std::vector<float>& values, float n) {
    shellSort(values, n);
}

void sortSample(std::vector<double>& values, float n) {
    shellSort(values, n);
}

} // namespace quillon
