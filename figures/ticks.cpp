#include "figures/ticks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace quillon {
namespace {

std::string printed(const char* format, int precision, double value) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, precision, value);
    return buffer;
}

// "1.50E+30" loses its trailing zeros: "1.5E+30".
std::string withoutTrailingZeros(std::string text) {
    const std::size_t exponent = text.find_first_of("eE");
    std::string mantissa = text.substr(0, exponent);
    const std::string rest = exponent == std::string::npos ? "" : text.substr(exponent);
    if (mantissa.find('.') != std::string::npos) {
        while (!mantissa.empty() && mantissa.back() == '0')
            mantissa.pop_back();
        if (!mantissa.empty() && mantissa.back() == '.')
            mantissa.pop_back();
    }
    std::string out = mantissa + rest;
    for (char& c : out)
        if (c == 'e')
            c = 'E';
    return out;
}

} // namespace

double niceStep(double low, double high, int maxCount) {
    const double span = high - low;
    if (!std::isfinite(span) || !(span > 0.0) || maxCount < 1)
        return 1.0;
    const double rough = span / maxCount;
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double factor : {1.0, 2.0, 5.0, 10.0})
        if (factor * power >= rough * (1.0 - 1e-9))
            return factor * power;
    return 10.0 * power;
}

std::vector<Tick> niceTicks(double low, double high, int maxCount) {
    std::vector<Tick> ticks;
    if (!std::isfinite(low) || !std::isfinite(high) || !(high > low))
        return ticks;
    const double step = niceStep(low, high, maxCount);
    if (!std::isfinite(step) || !(step > 0.0))
        return ticks;
    const double first = std::ceil(low / step - 1e-9);
    const double last = std::floor(high / step + 1e-9);
    if (!std::isfinite(first) || !std::isfinite(last) || last - first > 4.0 * maxCount + 4.0)
        return ticks;
    for (double k = first; k <= last; k += 1.0) {
        double value = k * step;
        if (std::fabs(value) < step * 1e-9)
            value = 0.0; // never a minus zero
        // One form for the whole axis: the exponent form when its largest tick needs it.
        const double magnitude = std::max(std::fabs(first), std::fabs(last)) * step;
        ticks.push_back({value, tickLabel(value, step, magnitude)});
    }
    return ticks;
}

std::string tickLabel(double value, double step) {
    if (!std::isfinite(value))
        return "?";
    if (!std::isfinite(step) || !(step > 0.0))
        return numberLabel(value);
    if (std::fabs(value) < step * 1e-9)
        return "0";
    return tickLabel(value, step, std::max(std::fabs(value), step));
}

std::string tickLabel(double value, double step, double magnitude) {
    if (!std::isfinite(value))
        return "?";
    if (!std::isfinite(step) || !(step > 0.0) || !std::isfinite(magnitude))
        return numberLabel(value);
    if (std::fabs(value) < step * 1e-9)
        return "0";
    magnitude = std::max(magnitude, step);
    if (magnitude >= 1e7 || step < 1e-4) {
        // The exponent form with as many mantissa digits as the step keeps apart.
        const int digits = static_cast<int>(std::clamp(
            std::floor(std::log10(magnitude)) - std::floor(std::log10(step)), 0.0, 15.0));
        return withoutTrailingZeros(printed("%.*e", digits, value));
    }
    const int decimals =
        static_cast<int>(std::clamp(-std::floor(std::log10(step) + 1e-9), 0.0, 15.0));
    return printed("%.*f", decimals, value);
}

std::string numberLabel(double value, int digits) {
    if (!std::isfinite(value))
        return "?";
    if (value == 0.0)
        return "0";
    digits = std::clamp(digits, 1, 15);
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e6 || magnitude < 1e-4)
        return withoutTrailingZeros(printed("%.*e", digits - 1, value));
    const std::string text = withoutTrailingZeros(printed("%.*g", digits, value));
    return text == "-0" ? std::string("0") : text;
}

std::string percentLabel(double probability) {
    if (!std::isfinite(probability))
        return "?";
    const double percent = std::clamp(probability, 0.0, 1.0) * 100.0;
    if (percent > 0.0 && percent < 0.01)
        return "less than 0.01%";
    if (percent < 100.0 && percent > 99.99)
        return "more than 99.99%";
    return withoutTrailingZeros(printed("%.*f", percent >= 10.0 ? 1 : 2, percent)) + "%";
}

Axis makeAxis(std::string title, double low, double high, int maxTicks) {
    if (!std::isfinite(low) || !std::isfinite(high)) {
        low = 0.0;
        high = 1.0;
    }
    if (high < low)
        std::swap(low, high);
    if (!(high > low)) {
        const double half = low == 0.0 ? 1.0 : std::fabs(low) * 0.1;
        low -= half;
        high += half;
    }
    Axis axis{.title = std::move(title), .low = low, .high = high};
    axis.ticks = niceTicks(low, high, maxTicks);
    return axis;
}

} // namespace quillon
