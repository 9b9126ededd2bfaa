#include "terminal/figure_file.h"

#include "figures/build_figure.h"
#include "terminal/exit_status.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <fstream>
#include <ostream>

namespace quillon::terminal {
namespace {

std::optional<int> pixels(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 120 || value > 4000)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<SvgSize> parseFigureSize(const std::string& text) {
    const std::size_t cross = text.find('x');
    if (cross == std::string::npos)
        return std::nullopt;
    const auto width = pixels(std::string_view(text).substr(0, cross));
    const auto height = pixels(std::string_view(text).substr(cross + 1));
    if (!width || !height)
        return std::nullopt;
    return SvgSize{*width, *height};
}

int writeFigureFile(const CatalogueEntry& calculation, const Evaluation& evaluation,
                    std::span<const std::string> texts, const DataSheetInput* sheet,
                    const FigureRequest& request, std::ostream& err) {
    const FigureOutcome outcome = buildFigure(FigureInputs{calculation, evaluation, texts, sheet});
    if (!outcome.figure) {
        err << "quillon-calc: no figure: " << outcome.reason << '\n';
        return kExitNoFigure;
    }
    const std::string svg = writeSvg(*outcome.figure, request.size,
                                     request.dark ? darkFigureColours() : lightFigureColours());
    std::ofstream file(request.path, std::ios::binary | std::ios::trunc);
    if (file)
        file << svg;
    if (file)
        file.close();
    if (!file) {
        err << "quillon-calc: cannot write " << request.path << ": " << std::strerror(errno)
            << '\n';
        return kExitOutputError;
    }
    return kExitAnswered;
}

} // namespace quillon::terminal
