#include "calculations/report/report_text.h"

#include <cmath>
#include <iomanip>
#include <locale>
#include <sstream>

namespace quillon::report {

namespace {

std::ostringstream classicStream() {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    return out;
}

std::string fixed(double value, int decimals) {
    std::ostringstream out = classicStream();
    out << std::fixed << std::setprecision(decimals) << value;
    return out.str();
}

// "0.038" -> ".038"; "1.000" stays.
std::string withoutLeadingZero(std::string text) {
    if (text.rfind("0.", 0) == 0)
        text.erase(0, 1);
    return text;
}

std::string levelText(double level) {
    std::ostringstream out = classicStream();
    out << std::setprecision(6) << level * 100.0;
    return out.str() + "%";
}

} // namespace

std::string probabilityText(double p, bool withExponent) {
    if (!(p >= 0.0 && p <= 1.0))
        return "p not defined";
    // A probability of 0 is one too small for a double to hold.
    if (p == 0.0)
        return withExponent ? "p < 2.2e-308" : "p < .001";
    if (withExponent && p < 0.001) {
        std::ostringstream out = classicStream();
        out << std::scientific << std::setprecision(1) << p;
        return "p = " + out.str();
    }
    if (p < 0.001)
        return "p < .001";
    if (p >= 0.9995)
        return "p > .999";
    return "p = " + withoutLeadingZero(fixed(p, 3));
}

std::string numberText(double value) {
    if (!std::isfinite(value))
        return "not defined";
    std::string text = fixed(value, 2);
    if (text == "-0.00")
        text = "0.00";
    return text;
}

std::string intervalText(double level, const DefinedBounds& interval) {
    const std::string head = levelText(level) + " CI";
    if (!interval.isDefined())
        return head + " " + interval.reason();
    return head + " [" + numberText(interval.value().lower) + ", " +
           numberText(interval.value().upper) + "]";
}

std::string statisticText(const std::string& name, const std::vector<double>& degrees,
                          double value) {
    std::string text = name;
    if (!degrees.empty()) {
        text += "(";
        for (std::size_t i = 0; i < degrees.size(); ++i) {
            if (i > 0)
                text += ", ";
            const double df = degrees[i];
            text += std::isfinite(df) && df == std::floor(df) && std::fabs(df) < 1e15
                        ? fixed(df, 0)
                        : numberText(df);
        }
        text += ")";
    }
    return text + " = " + numberText(value);
}

std::string effectText(const std::string& name, const DefinedNumber& effect) {
    if (!effect.isDefined())
        return name + " " + effect.reason();
    return name + " = " + numberText(effect.value());
}

std::string reportLine(const std::vector<std::string>& parts) {
    std::string line;
    for (const std::string& part : parts) {
        if (part.empty())
            continue;
        if (!line.empty())
            line += ", ";
        line += part;
    }
    return line;
}

} // namespace quillon::report
