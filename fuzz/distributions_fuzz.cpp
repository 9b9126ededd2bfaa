// The distribution routines and critical-value searches with arbitrary values and degrees of
// freedom. The input's first line names the routine (or, when it names none, its first byte picks
// one); each further line is one argument as a decimal number, missing ones 0. Arguments that are
// not finite are left out: no box reads as one. The searches take what their windows accept (a
// target within .0001 to .9999, the windows' lowest degrees of freedom and the chi-square limit);
// the searches the confidence intervals and sample sizes share take any target and degrees of
// freedom, as those windows can pass them.
#include "calculations/common/critical_values.h"
#include "core/arithmetic.h"
#include "core/critical_value.h"
#include "core/distributions.h"
#include "core/true_distributions.h"
#include "fuzz/fuzz_checks.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using quillon::fuzz::fail;

enum class Routine {
    ZProb,
    TProb,
    ChiSquareProb,
    FProb,
    RegularizedBeta,
    RegularizedUpperGamma,
    CriticalZ,
    CriticalT,
    CriticalF,
    CriticalChiSquare,
    GridCriticalZ,
    GridCriticalT,
};

constexpr std::array<std::string_view, 12> kRoutineNames = {
    "zProb",           "tProb",
    "chiSquareProb",   "fProb",
    "regularizedBeta", "regularizedUpperGamma",
    "criticalZ",       "criticalT",
    "criticalF",       "criticalChiSquare",
    "gridCriticalZ",   "gridCriticalT"};

Routine chosenRoutine(const std::string& name) {
    for (std::size_t i = 0; i < kRoutineNames.size(); ++i)
        if (kRoutineNames[i] == name)
            return static_cast<Routine>(i);
    const std::size_t pick = name.empty() ? 0 : static_cast<unsigned char>(name[0]);
    return static_cast<Routine>(pick % kRoutineNames.size());
}

std::string described(const std::vector<double>& arguments) {
    std::string text;
    for (const double argument : arguments)
        text += std::to_string(argument) + " ";
    return text;
}

void checkProbability(double p, const std::vector<double>& arguments) {
    if (!(p >= 0.0 && p <= 1.0))
        fail("probability within 0 to 1 (got " + std::to_string(p) + ")", described(arguments));
}

void checkCritical(const quillon::CriticalValue& found, const std::vector<double>& arguments) {
    if (!(found.value >= 0.0f) || !std::isfinite(found.value))
        fail("critical value finite and not negative", described(arguments));
    checkProbability(found.probability, arguments);
}

bool isWindowTarget(float target) {
    return target >= 0.0001f && target <= 0.9999f;
}

void run(Routine routine, const std::vector<double>& a) {
    const float x = static_cast<float>(a[0]);
    if (!std::isfinite(x) && std::isfinite(a[0]))
        return; // beyond the single range: no box holds it as a single
    switch (routine) {
    case Routine::ZProb:
        return checkProbability(quillon::zProb(x), a);
    case Routine::TProb:
        return checkProbability(quillon::tProb(x, a[1]), a);
    case Routine::ChiSquareProb:
        return checkProbability(quillon::chiSquareProb(x, a[1]), a);
    case Routine::FProb:
        return checkProbability(quillon::fProb(x, a[1], a[2]), a);
    case Routine::RegularizedBeta:
        return checkProbability(quillon::regularizedBeta(a[0], a[1], a[2], 1.0 - a[2]), a);
    case Routine::RegularizedUpperGamma:
        return checkProbability(quillon::regularizedUpperGamma(a[0], a[1]), a);
    case Routine::CriticalZ:
        if (isWindowTarget(x))
            checkCritical(quillon::criticalValue(quillon::Distribution::normal(), x), a);
        return;
    case Routine::CriticalT:
        if (isWindowTarget(x) && a[1] >= 1.0)
            checkCritical(quillon::criticalValue(quillon::Distribution::t(a[1]), x), a);
        return;
    case Routine::CriticalF:
        if (isWindowTarget(x) && a[1] >= 1.0 && a[2] >= 2.0)
            checkCritical(quillon::criticalValue(quillon::Distribution::f(a[1], a[2]), x), a);
        return;
    case Routine::CriticalChiSquare:
        if (isWindowTarget(x) && a[1] >= 1.0 && a[1] <= 100000.0)
            checkCritical(quillon::criticalValue(quillon::Distribution::chiSquare(a[1]), x), a);
        return;
    case Routine::GridCriticalZ:
        if (quillon::gridCriticalZ(quillon::clampedAlpha(x)) < 0.0f)
            fail("critical value not negative", described(a));
        return;
    case Routine::GridCriticalT: {
        const float df = static_cast<float>(a[1]);
        if (std::isfinite(df) && quillon::gridCriticalT(quillon::clampedAlpha(x), df) < 0.0f)
            fail("critical value not negative", described(a));
        return;
    }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines =
        quillon::fuzz::splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    std::vector<double> arguments(3, 0.0);
    for (std::size_t i = 0; i < arguments.size() && i + 1 < lines.size(); ++i) {
        const double value = std::strtod(lines[i + 1].c_str(), nullptr);
        if (!std::isfinite(value))
            return 0;
        arguments[i] = value;
    }
    try {
        run(chosenRoutine(lines.front()), arguments);
    } catch (const quillon::ArithmeticError&) {
        // Raised for arguments outside a routine's domain, reported by the windows.
    }
    return 0;
}
