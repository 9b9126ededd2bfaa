// Every data sheet calculation with an arbitrary grid. The input's first line names the window (or,
// when it names none, its first byte picks one); the second line is the window's own control (the
// population size as typed; Yates' correction on when it starts with "1"; the correlation method by
// its first digit, 0 to 2); every further line is a grid row from row 1 on, its cells split at
// tabs. Rows beyond the grid and cells beyond the window's columns are left out.
#include "calculations/catalogue.h"
#include "calculations/correlation/correlate.h"
#include "calculations/evaluation.h"
#include "figures/build_figure.h"
#include "fuzz/fuzz_checks.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace {

std::vector<const quillon::CatalogueEntry*> dataSheetWindows() {
    std::vector<const quillon::CatalogueEntry*> windows;
    for (const quillon::CatalogueEntry& entry : quillon::catalogue())
        if (std::holds_alternative<quillon::SheetInputs>(entry.inputs))
            windows.push_back(&entry);
    return windows;
}

const quillon::CatalogueEntry& chosenWindow(const std::string& name) {
    static const std::vector<const quillon::CatalogueEntry*> windows = dataSheetWindows();
    for (const quillon::CatalogueEntry* entry : windows)
        if (entry->windowName == name)
            return *entry;
    const std::size_t pick = name.empty() ? 0 : static_cast<unsigned char>(name[0]);
    return *windows[pick % windows.size()];
}

std::vector<std::string> cellsOf(const std::string& row) {
    std::vector<std::string> cells;
    std::size_t start = 0;
    while (start <= row.size()) {
        std::size_t end = row.find('\t', start);
        if (end == std::string::npos)
            end = row.size();
        cells.push_back(row.substr(start, end - start));
        start = end + 1;
    }
    return cells;
}

quillon::DataSheetInput sheetInput(const quillon::SheetInputs& sheet,
                                   const std::vector<std::string>& lines) {
    quillon::DataSheetInput input;
    const std::string control = lines.size() > 1 ? lines[1] : std::string();
    input.options["population"] = control;
    input.options["yates"] = control.starts_with('1') ? quillon::kOptionOn : quillon::kOptionOff;
    if (!control.empty() && control[0] >= '0' && control[0] <= '2')
        input.options["method"] = quillon::correlationMethodKey(
            static_cast<quillon::CorrelationMethod>(control[0] - '0'));
    for (std::size_t line = 2; line < lines.size(); ++line) {
        const int row = static_cast<int>(line) - 1;
        if (row > quillon::DataSheet::kRows)
            break;
        const std::vector<std::string> cells = cellsOf(lines[line]);
        for (std::size_t cell = 0; cell < cells.size(); ++cell) {
            const int column = static_cast<int>(cell) + 1;
            if (column > sheet.columns)
                break;
            input.sheet.setText(row, column, cells[cell]);
        }
    }
    return input;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> lines =
        quillon::fuzz::splitLines(std::string_view(reinterpret_cast<const char*>(data), size));
    const quillon::CatalogueEntry& window = chosenWindow(lines.front());
    const quillon::SheetInputs& sheet = std::get<quillon::SheetInputs>(window.inputs);
    const quillon::DataSheetInput input = sheetInput(sheet, lines);
    const quillon::Evaluation evaluation =
        quillon::evaluate(window, input, quillon::fuzz::reportOptionsFor(size));
    quillon::fuzz::checkEvaluation(evaluation, 1);
    if (evaluation.kind == quillon::Evaluation::Kind::Answered)
        quillon::fuzz::checkFigure(quillon::buildFigure(window, evaluation, input));
    return 0;
}
