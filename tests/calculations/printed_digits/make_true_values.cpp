// Writes the table of true values that printed_digits_test checks every window against: seeded
// inputs for each window that prints a probability or a critical value, and the true value of
// each printed number, from Boost.Math's distributions in long double at the values as typed.
// It does not use the program's own code. Run by scripts/make-true-values; the table it writes is
// kept in the repository.
//
// One line per printed value, tab-separated:
//   window  inputs  label  true value  tolerance
// inputs: a calculator's box texts joined by '|'; a data sheet's rows joined by ';', each row's
// cells by ','. label: the text the value follows in the answer or the clipboard.
// Tolerances: one unit of the fourth decimal for a probability; for a critical value 0.05% of the
// true value or 0.0006 (a step of the .0001 grid and the rounding to three decimals), whichever is
// more; for an interval's half-width that band of its critical t, scaled, with half a unit of the
// printed digit.
#include <boost/math/distributions/chi_squared.hpp>
#include <boost/math/distributions/fisher_f.hpp>
#include <boost/math/distributions/normal.hpp>
#include <boost/math/distributions/students_t.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <string>
#include <vector>

namespace {

using Real = long double;
namespace bm = boost::math;

constexpr std::uint64_t kSeed = 20261208;
constexpr Real kProbabilityTolerance = 1e-4L;
constexpr Real kCriticalShare = 0.0005L;
constexpr Real kCriticalDistance = 0.0006L;

// The standard fixes mt19937_64's output; the uniform draw is made here from its bits.
class Random {
public:
    Real uniform() { return static_cast<Real>(engine_() >> 11) * 0x1p-53L; }
    Real between(Real low, Real high) { return low + (high - low) * uniform(); }
    Real logBetween(Real low, Real high) {
        return std::exp(between(std::log(low), std::log(high)));
    }
    long whole(long low, long high) {
        return std::min(high,
                        low + static_cast<long>(uniform() * static_cast<Real>(high - low + 1)));
    }
    bool chance(Real p) { return uniform() < p; }
    template <typename T> const T& pick(const std::vector<T>& from) {
        return from[static_cast<std::size_t>(whole(0, static_cast<long>(from.size()) - 1))];
    }

private:
    std::mt19937_64 engine_{kSeed};
};

// A plain decimal with the given significant digits, no exponent, no trailing zeros.
std::string decimal(Real value, int significant) {
    if (value == 0.0L)
        return "0";
    const int magnitude = static_cast<int>(std::floor(std::log10(std::fabs(value))));
    const int decimals = std::max(0, significant - 1 - magnitude);
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, "%.*Lf", decimals, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    return text;
}

Real valueOf(const std::string& text) {
    return std::strtold(text.c_str(), nullptr);
}

std::string join(const std::vector<std::string>& parts, char separator) {
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0)
            text += separator;
        text += parts[i];
    }
    return text;
}

void emit(const std::string& window, const std::string& inputs, const std::string& label,
          Real truth, Real tolerance) {
    std::printf("%s\t%s\t%s\t%.12Lg\t%.3Lg\n", window.c_str(), inputs.c_str(), label.c_str(), truth,
                tolerance);
}

Real criticalTolerance(Real quantile) {
    return std::max(kCriticalShare * quantile, kCriticalDistance);
}

// Distributions, upper tails and their inverses.
Real twoTailedZ(Real z) {
    return 2.0L * bm::cdf(bm::complement(bm::normal_distribution<Real>(), std::fabs(z)));
}
Real lowerZ(Real z) {
    return bm::cdf(bm::normal_distribution<Real>(), z);
}
Real twoTailedT(Real t, Real df) {
    return 2.0L * bm::cdf(bm::complement(bm::students_t_distribution<Real>(df), std::fabs(t)));
}
Real lowerT(Real t, Real df) {
    return bm::cdf(bm::students_t_distribution<Real>(df), t);
}
Real upperF(Real f, Real df1, Real df2) {
    if (f <= 0.0L)
        return 1.0L;
    return bm::cdf(bm::complement(bm::fisher_f_distribution<Real>(df1, df2), f));
}
Real upperChiSquare(Real x, Real df) {
    if (x <= 0.0L)
        return 1.0L;
    return bm::cdf(bm::complement(bm::chi_squared_distribution<Real>(df), x));
}
Real criticalZ(Real p) {
    return bm::quantile(bm::complement(bm::normal_distribution<Real>(), p / 2.0L));
}
Real criticalT(Real p, Real df) {
    return bm::quantile(bm::complement(bm::students_t_distribution<Real>(df), p / 2.0L));
}
Real criticalF(Real p, Real df1, Real df2) {
    return bm::quantile(bm::complement(bm::fisher_f_distribution<Real>(df1, df2), p));
}
Real criticalChiSquare(Real p, Real df) {
    return bm::quantile(bm::complement(bm::chi_squared_distribution<Real>(df), p));
}

// Degrees of freedom as people type them: mostly whole, every range from 1 up, some with
// decimals; now and then one beyond 100,000.
std::string degreesOfFreedom(Random& random, long lowest, long highest) {
    static const std::vector<long> landmarks = {1,    2,    3,     4,     5,     10,    29,
                                                30,   31,   32,    100,   998,   999,   1000,
                                                1001, 5000, 32767, 65534, 65535, 65536, 70000};
    const Real share = random.uniform();
    if (share < 0.12) {
        const long df = random.pick(landmarks);
        if (df >= lowest && df <= highest)
            return std::to_string(df);
    }
    if (share < 0.40)
        return std::to_string(random.whole(lowest, std::min(30L, highest)));
    if (share < 0.85) {
        const Real df = random.logBetween(std::max<Real>(lowest, 31), highest + 0.999L);
        return std::to_string(static_cast<long>(df));
    }
    const Real df = random.logBetween(lowest + 0.01L, static_cast<Real>(highest));
    return decimal(std::round(df * 100.0L) / 100.0L, 12);
}

// A probability as people type one: round ones, and any from .0001 to .9999 to two digits.
std::string typedProbability(Random& random) {
    static const std::vector<std::string> round = {".0001", ".0002", ".0005", ".001", ".005", ".01",
                                                   ".025",  ".05",   ".1",    ".2",   ".5",   ".8",
                                                   ".9",    ".95",   ".99",   ".999", ".9999"};
    if (random.chance(0.25))
        return random.pick(round);
    Real p = random.logBetween(1e-4L, 1.0L);
    if (random.chance(0.2))
        p = 1.0L - p;
    p = std::clamp(p, 1e-4L, 0.9999L);
    std::string text = decimal(p, 2);
    if (valueOf(text) < 1e-4L)
        text = ".0001";
    if (valueOf(text) > 0.9999L)
        text = ".9999";
    return text;
}

// A tail probability to aim a statistic at: every size from 1E-6 up, and close to 1.
Real aimedTail(Random& random) {
    const Real p = random.logBetween(1e-6L, 1.0L);
    return random.chance(0.2) ? 1.0L - p * 0.5L : p;
}

void zWindows(Random& random) {
    for (int i = 0; i < 150; ++i) {
        const Real z = criticalZ(aimedTail(random)) * (random.chance(0.2) ? -1.0L : 1.0L);
        const std::string text = decimal(z, 4);
        emit("Distr1a", text, "Two-tailed probability = ", twoTailedZ(valueOf(text)),
             kProbabilityTolerance);
    }
    for (int i = 0; i < 120; ++i) {
        const std::string p = typedProbability(random);
        const Real q = criticalZ(valueOf(p));
        emit("Distr1b", p, "z value = ", q, criticalTolerance(q));
    }
    for (int i = 0; i < 80; ++i) {
        const Real mean = std::round(random.between(-100.0L, 100.0L) * 100.0L) / 100.0L;
        const Real sd = random.logBetween(0.1L, 100.0L);
        const std::string meanText = decimal(mean, 5);
        const std::string sdText = decimal(sd, 3);
        const std::string lower = decimal(mean + valueOf(sdText) * random.between(-4.5L, 4.5L), 5);
        const std::string upper = decimal(mean + valueOf(sdText) * random.between(-4.5L, 4.5L), 5);
        const Real zLower = (valueOf(lower) - valueOf(meanText)) / valueOf(sdText);
        const Real zUpper = (valueOf(upper) - valueOf(meanText)) / valueOf(sdText);
        const Real within = std::fabs(lowerZ(zUpper) - lowerZ(zLower));
        const std::string inputs = join({meanText, sdText, lower, upper}, '|');
        emit("Distr1c", inputs, "falling within the range = ", within, kProbabilityTolerance);
        emit("Distr1c", inputs, "falling outside the range = ", 1.0L - within,
             kProbabilityTolerance);
    }
}

void tWindows(Random& random) {
    for (int i = 0; i < 500; ++i) {
        std::string df = degreesOfFreedom(random, 1, 100000);
        if (random.chance(0.05))
            df = std::to_string(static_cast<long>(random.logBetween(1e5L, 1e7L)));
        const std::string t = decimal(criticalT(aimedTail(random), valueOf(df)), 4);
        emit("Distr2a", t + "|" + df,
             "Two-tailed probability = ", twoTailedT(valueOf(t), valueOf(df)),
             kProbabilityTolerance);
    }
    for (int i = 0; i < 450; ++i) {
        const std::string p = typedProbability(random);
        const std::string df = degreesOfFreedom(random, 1, 100000);
        const Real q = criticalT(valueOf(p), valueOf(df));
        emit("Distr2b", p + "|" + df, "t value = ", q, criticalTolerance(q));
    }
    for (int i = 0; i < 100; ++i) {
        const Real mean = std::round(random.between(-100.0L, 100.0L) * 100.0L) / 100.0L;
        const std::string meanText = decimal(mean, 5);
        const std::string sdText = decimal(random.logBetween(0.1L, 100.0L), 3);
        std::string n = std::to_string(valueOf(degreesOfFreedom(random, 1, 100000)) + 1);
        n = decimal(valueOf(n), 12);
        const Real df = valueOf(n) - 1.0L;
        const std::string lower = decimal(mean + valueOf(sdText) * random.between(-5.0L, 5.0L), 5);
        const std::string upper = decimal(mean + valueOf(sdText) * random.between(-5.0L, 5.0L), 5);
        const Real tLower = (valueOf(lower) - valueOf(meanText)) / valueOf(sdText);
        const Real tUpper = (valueOf(upper) - valueOf(meanText)) / valueOf(sdText);
        const Real within = std::fabs(lowerT(tUpper, df) - lowerT(tLower, df));
        const std::string inputs = join({meanText, sdText, n, lower, upper}, '|');
        emit("Distr2c", inputs, "falling within the range = ", within, kProbabilityTolerance);
        emit("Distr2c", inputs, "falling outside the range = ", 1.0L - within,
             kProbabilityTolerance);
    }
}

void fWindows(Random& random) {
    for (int i = 0; i < 600; ++i) {
        const std::string df1 = degreesOfFreedom(random, 1, 100000);
        const std::string df2 = degreesOfFreedom(random, 1, 100000);
        const std::string f = decimal(criticalF(aimedTail(random), valueOf(df1), valueOf(df2)), 4);
        emit("Distr3a", join({f, df1, df2}, '|'),
             "Probability  = ", upperF(valueOf(f), valueOf(df1), valueOf(df2)),
             kProbabilityTolerance);
    }
    for (int i = 0; i < 450; ++i) {
        const std::string p = typedProbability(random);
        const std::string df1 = degreesOfFreedom(random, 1, 100000);
        const std::string df2 = degreesOfFreedom(random, 2, 100000);
        const Real q = criticalF(valueOf(p), valueOf(df1), valueOf(df2));
        emit("Distr3b", join({p, df1, df2}, '|'), "F value = ", q, criticalTolerance(q));
    }
}

void chiSquareWindows(Random& random) {
    for (int i = 0; i < 400; ++i) {
        std::string df = degreesOfFreedom(random, 1, 100000);
        if (random.chance(0.05))
            df = std::to_string(static_cast<long>(random.logBetween(1e5L, 1e7L)));
        const std::string x = decimal(criticalChiSquare(aimedTail(random), valueOf(df)), 5);
        emit("Distr4a", x + "|" + df, "Probability = ", upperChiSquare(valueOf(x), valueOf(df)),
             kProbabilityTolerance);
    }
    for (int i = 0; i < 350; ++i) {
        const std::string p = typedProbability(random);
        const std::string df = degreesOfFreedom(random, 1, 100000);
        const Real q = criticalChiSquare(valueOf(p), valueOf(df));
        emit("Distr4b", p + "|" + df, "Chi-square value = ", q, criticalTolerance(q));
    }
}

// A sample size from 2 up to large surveys.
long sampleSize(Random& random, long largest) {
    if (random.chance(0.3))
        return random.whole(2, 40);
    return static_cast<long>(random.logBetween(41.0L, static_cast<Real>(largest)));
}

void meanWindows(Random& random) {
    // Independent groups: the difference of the means aimed at a tail.
    for (int i = 0; i < 80; ++i) {
        const long n1 = sampleSize(random, 50000);
        const long n2 = sampleSize(random, 50000);
        const std::string sd1 = decimal(random.logBetween(0.5L, 50.0L), 3);
        const std::string sd2 = decimal(random.logBetween(0.5L, 50.0L), 3);
        const Real pooled =
            ((n1 - 1) * std::pow(valueOf(sd1), 2.0L) + (n2 - 1) * std::pow(valueOf(sd2), 2.0L)) /
            static_cast<Real>(n1 + n2 - 2);
        const Real se = std::sqrt((1.0L / n2 + 1.0L / n1) * pooled);
        const Real df = static_cast<Real>(n1 + n2 - 2);
        const std::string mean1 = decimal(random.between(10.0L, 100.0L), 5);
        const std::string mean2 =
            decimal(valueOf(mean1) - criticalT(aimedTail(random), df) * se, 6);
        const Real t = std::fabs((valueOf(mean1) - valueOf(mean2)) / se);
        emit("Means2", join({mean1, sd1, std::to_string(n1), mean2, sd2, std::to_string(n2)}, '|'),
             "Two-tailed probability = ", twoTailedT(t, df), kProbabilityTolerance);
    }
    // Interval around a mean of 0 with a standard error of exactly 1: the half-width is the
    // critical t, printed with four decimals.
    for (int i = 0; i < 60; ++i) {
        const long root = random.chance(0.3) ? random.whole(2, 6) : random.whole(7, 300);
        const long n = root * root;
        std::string level = decimal(100.0L * (1.0L - valueOf(typedProbability(random))), 6);
        const Real alpha = std::clamp(1.0L - valueOf(level) / 100.0L, 1e-4L, 0.9999L);
        const Real q = criticalT(alpha, static_cast<Real>(n - 1));
        emit("Means3", join({"0", std::to_string(root), std::to_string(n), "", level}, '|'),
             "\u00B1 ", q, criticalTolerance(q) + 0.00055L);
    }
    // A sample mean against a population mean.
    for (int i = 0; i < 80; ++i) {
        const long n = sampleSize(random, 100000);
        const std::string sd = decimal(random.logBetween(0.5L, 50.0L), 3);
        const Real df = static_cast<Real>(n - 1);
        const Real se = valueOf(sd) / std::sqrt(static_cast<Real>(n));
        const std::string mu = decimal(random.between(10.0L, 100.0L), 5);
        const Real sign = random.chance(0.5) ? 1.0L : -1.0L;
        const std::string mean =
            decimal(valueOf(mu) + sign * criticalT(aimedTail(random), df) * se, 6);
        const Real t = (valueOf(mean) - valueOf(mu)) / se;
        emit("Means4", join({mean, sd, std::to_string(n), "", mu}, '|'),
             "Two-tailed probability = ", twoTailedT(t, df), kProbabilityTolerance);
    }
    // Two standard deviations: the larger is the numerator.
    for (int i = 0; i < 80; ++i) {
        const long n1 = sampleSize(random, 100000);
        const long n2 = sampleSize(random, 100000);
        const Real f = criticalF(std::min(aimedTail(random), 0.5L), n1 - 1.0L, n2 - 1.0L);
        const std::string sd2 = decimal(random.logBetween(0.5L, 50.0L), 4);
        const std::string sd1 = decimal(valueOf(sd2) * std::sqrt(f), 6);
        Real ratio = std::pow(valueOf(sd1) / valueOf(sd2), 2.0L);
        Real df1 = n1 - 1.0L;
        Real df2 = n2 - 1.0L;
        if (ratio < 1.0L) {
            ratio = 1.0L / ratio;
            std::swap(df1, df2);
        }
        emit("Means5", join({sd1, std::to_string(n1), sd2, std::to_string(n2)}, '|'),
             "due to chance = ", upperF(ratio, df1, df2), kProbabilityTolerance);
    }
}

// The analysis of variance from group summaries: means close together against their spread, so
// that the window's sums in single precision keep their digits.
void analysisOfVariance(Random& random) {
    for (int i = 0; i < 50; ++i) {
        const long k = random.whole(2, 8);
        const long largest = random.chance(0.5) ? 30000 : 200;
        std::vector<std::string> rows;
        std::vector<Real> means, sds, sizes;
        const Real spread = random.logBetween(1e-3L, 2.0L);
        for (long g = 0; g < k; ++g) {
            const long n = std::max(2L, sampleSize(random, largest));
            const std::string mean = decimal(random.between(-spread, spread), 4);
            const std::string sd = decimal(random.logBetween(0.5L, 3.0L), 4);
            rows.push_back(mean + "," + sd + "," + std::to_string(n));
            means.push_back(valueOf(mean));
            sds.push_back(valueOf(sd));
            sizes.push_back(static_cast<Real>(n));
        }
        Real total = 0.0L, weighted = 0.0L;
        for (long g = 0; g < k; ++g) {
            total += sizes[g];
            weighted += sizes[g] * means[g];
        }
        const Real grand = weighted / total;
        Real between = 0.0L, within = 0.0L;
        for (long g = 0; g < k; ++g) {
            between += sizes[g] * (means[g] - grand) * (means[g] - grand);
            within += (sizes[g] - 1.0L) * sds[g] * sds[g];
        }
        const Real df1 = static_cast<Real>(k - 1);
        const Real df2 = total - static_cast<Real>(k);
        const Real f = (between / df1) / (within / df2);
        emit("Means6", join(rows, ';'), "p=", upperF(f, df1, df2), kProbabilityTolerance);
    }
}

void percentWindows(Random& random) {
    // Two percents of one sample.
    for (int i = 0; i < 60; ++i) {
        const long n = sampleSize(random, 100000);
        const std::string p1 = decimal(random.between(1.0L, 99.0L), 4);
        const Real a = valueOf(p1) / 100.0L;
        const Real aimedT = criticalT(aimedTail(random), n - 1.0L);
        // d / sqrt((a + b - d^2) / n) = t, solved for d = a - b approximately by one step.
        Real d = aimedT * std::sqrt(2.0L * a / n);
        d = std::clamp(d, -a + 0.005L, 0.99L - a);
        const std::string p2 = decimal(std::clamp(100.0L * (a - d), 0.01L, 99.99L), 4);
        const Real b = valueOf(p2) / 100.0L;
        const Real t = std::fabs((a - b) / std::sqrt((a + b - (a - b) * (a - b)) / n));
        emit("Percent1", join({p1, p2, std::to_string(n)}, '|'),
             "Two-tailed probability = ", twoTailedT(t, n - 1.0L), kProbabilityTolerance);
    }
    // Two percents of two samples.
    for (int i = 0; i < 60; ++i) {
        const long na = sampleSize(random, 60000);
        const long nb = sampleSize(random, 60000);
        const std::string p1 = decimal(random.between(5.0L, 95.0L), 4);
        const Real a = valueOf(p1) / 100.0L;
        const Real aimedT = criticalT(aimedTail(random), na + nb - 2.0L);
        const Real d = aimedT * std::sqrt(a * (1.0L - a) * (1.0L / na + 1.0L / nb));
        const std::string p2 = decimal(std::clamp(100.0L * (a - d), 0.01L, 99.99L), 5);
        const Real b = valueOf(p2) / 100.0L;
        const Real pooled = (na * a + nb * b) / (na + nb);
        const Real se = std::sqrt(pooled * (1.0L - pooled) * (1.0L / na + 1.0L / nb));
        emit("Percent2", join({p1, std::to_string(na), p2, std::to_string(nb)}, '|'),
             "Two-tailed probability = ", twoTailedT(std::fabs(a - b) / se, na + nb - 2.0L),
             kProbabilityTolerance);
    }
    // Interval around 50 percent with n - 1 a square: the standard error is .5 / root exactly.
    for (int i = 0; i < 50; ++i) {
        const long root = random.chance(0.3) ? random.whole(1, 6) : random.whole(7, 300);
        const long n = root * root + 1;
        std::string level = decimal(100.0L * (1.0L - valueOf(typedProbability(random))), 6);
        const Real alpha = std::clamp(1.0L - valueOf(level) / 100.0L, 1e-4L, 0.9999L);
        const Real q = criticalT(alpha, static_cast<Real>(n - 1));
        const Real se = 0.5L / static_cast<Real>(root);
        const Real halfWidth = 100.0L * q * se + 1.0L / (2.0L * n);
        emit("Percent3", join({"50", std::to_string(n), "", level}, '|'), "\u00B1 ", halfWidth,
             (criticalTolerance(q) + 0.0005L) * 100.0L * se + 0.0005L);
    }
}

// Contingency tables of every size, counts spread about their expected values.
void contingencyTables(Random& random) {
    for (int i = 0; i < 50; ++i) {
        const long rows = random.whole(2, 12);
        const long columns = random.chance(0.5) ? random.whole(2, 12) : random.whole(13, 26);
        if (rows == 2 && columns == 2)
            continue; // Yates' correction; the probability's routine is the same
        std::vector<Real> rowShare(rows), columnShare(columns);
        for (auto& share : rowShare)
            share = random.between(0.5L, 2.0L);
        for (auto& share : columnShare)
            share = random.between(0.5L, 2.0L);
        const Real scale = random.logBetween(5.0L, 200.0L);
        const Real departure = random.logBetween(0.01L, 0.4L);
        std::vector<std::vector<Real>> observed(rows, std::vector<Real>(columns));
        std::vector<std::string> lines;
        for (long r = 0; r < rows; ++r) {
            std::vector<std::string> cells;
            for (long c = 0; c < columns; ++c) {
                const Real mean = scale * rowShare[r] * columnShare[c];
                const Real count = std::max(
                    1.0L, std::round(mean * (1.0L + departure * random.between(-1.0L, 1.0L))));
                observed[r][c] = count;
                cells.push_back(decimal(count, 12));
            }
            lines.push_back(join(cells, ','));
        }
        std::vector<Real> rowTotal(rows, 0.0L), columnTotal(columns, 0.0L);
        Real total = 0.0L;
        for (long r = 0; r < rows; ++r)
            for (long c = 0; c < columns; ++c) {
                rowTotal[r] += observed[r][c];
                columnTotal[c] += observed[r][c];
                total += observed[r][c];
            }
        Real chi = 0.0L;
        for (long r = 0; r < rows; ++r)
            for (long c = 0; c < columns; ++c) {
                const Real expected = rowTotal[r] * columnTotal[c] / total;
                chi += (observed[r][c] - expected) * (observed[r][c] - expected) / expected;
            }
        const Real df = static_cast<Real>((rows - 1) * (columns - 1));
        emit("Counts1", join(lines, ';'), "Probability of chance = ", upperChiSquare(chi, df),
             kProbabilityTolerance);
    }
}

// Pearson's r of 25 to 100 pairs.
void correlations(Random& random) {
    for (int i = 0; i < 30; ++i) {
        const long n = random.whole(25, 100);
        const Real slope = random.between(-0.5L, 0.5L);
        std::vector<std::string> lines;
        std::vector<Real> xs, ys;
        for (long k = 0; k < n; ++k) {
            const std::string x = decimal(random.between(0.0L, 100.0L), 4);
            const std::string y =
                decimal(slope * valueOf(x) + random.between(-30.0L, 30.0L) + 50.0L, 4);
            lines.push_back(x + "," + y);
            xs.push_back(valueOf(x));
            ys.push_back(valueOf(y));
        }
        Real meanX = 0.0L, meanY = 0.0L;
        for (long k = 0; k < n; ++k) {
            meanX += xs[k] / n;
            meanY += ys[k] / n;
        }
        Real sxx = 0.0L, syy = 0.0L, sxy = 0.0L;
        for (long k = 0; k < n; ++k) {
            sxx += (xs[k] - meanX) * (xs[k] - meanX);
            syy += (ys[k] - meanY) * (ys[k] - meanY);
            sxy += (xs[k] - meanX) * (ys[k] - meanY);
        }
        const Real r = sxy / std::sqrt(sxx * syy);
        const Real t = r * std::sqrt((n - 2.0L) / (1.0L - r * r));
        emit("Correl", join(lines, ';'), "Two-tailed probability = ", twoTailedT(t, n - 2.0L),
             kProbabilityTolerance);
    }
}

// Fixed inputs whose printed text is named in kept_texts_test.cpp: ranges and interval
// half-widths built from tails or a critical t that alone print off, and a critical t a hair from
// the edge of its band.
void keptTexts() {
    const auto tRange = [](Real mean, Real sd, long n, Real lower, Real upper) {
        const Real tLower = (lower - mean) / sd;
        const Real tUpper = (upper - mean) / sd;
        return std::fabs(lowerT(tUpper, n - 1.0L) - lowerT(tLower, n - 1.0L));
    };
    const struct {
        const char* inputs;
        Real within;
    } tRanges[] = {
        {"0|1|2000|-1.5|1.92", tRange(0.0L, 1.0L, 2000, -1.5L, 1.92L)},
        {"-79.59|15.2|2216|-142.38|-59.035", tRange(-79.59L, 15.2L, 2216, -142.38L, -59.035L)},
        {"81.35|7.14|6172|91.762|111.92", tRange(81.35L, 7.14L, 6172, 91.762L, 111.92L)},
    };
    for (const auto& range : tRanges) {
        emit("Distr2c", range.inputs, "falling within the range = ", range.within,
             kProbabilityTolerance);
        emit("Distr2c", range.inputs, "falling outside the range = ", 1.0L - range.within,
             kProbabilityTolerance);
    }
    const Real zWithin = lowerZ(0.01L) - lowerZ(-0.01L);
    emit("Distr1c", "0|1|-.01|.01", "falling within the range = ", zWithin, kProbabilityTolerance);
    emit("Distr1c", "0|1|-.01|.01", "falling outside the range = ", 1.0L - zWithin,
         kProbabilityTolerance);
    const Real edge = criticalT(0.36L, 47.0L);
    emit("Distr2b", "0.36|47", "t value = ", edge, criticalTolerance(edge));
    const struct {
        long root;
        const char* level;
    } means[] = {{104, "87"}, {168, "77"}, {316, "95"}};
    for (const auto& mean : means) {
        const long n = mean.root * mean.root;
        const Real q = criticalT(1.0L - valueOf(mean.level) / 100.0L, static_cast<Real>(n - 1));
        emit("Means3",
             join({"0", std::to_string(mean.root), std::to_string(n), "", mean.level}, '|'),
             "\u00B1 ", q, criticalTolerance(q) + 0.00055L);
    }
    const long root = 82;
    const long n = root * root + 1;
    const Real q = criticalT(0.11L, static_cast<Real>(n - 1));
    const Real se = 0.5L / static_cast<Real>(root);
    emit("Percent3", join({"50", std::to_string(n), "", "89"}, '|'), "\u00B1 ",
         100.0L * q * se + 1.0L / (2.0L * n),
         (criticalTolerance(q) + 0.0005L) * 100.0L * se + 0.0005L);
}

} // namespace

int main() {
    Random random;
    std::printf("# window\tinputs\tlabel\ttrue value\ttolerance (made by make_true_values.cpp, "
                "seed %llu)\n",
                static_cast<unsigned long long>(kSeed));
    zWindows(random);
    tWindows(random);
    fWindows(random);
    chiSquareWindows(random);
    meanWindows(random);
    analysisOfVariance(random);
    percentWindows(random);
    contingencyTables(random);
    correlations(random);
    keptTexts();
    return 0;
}
