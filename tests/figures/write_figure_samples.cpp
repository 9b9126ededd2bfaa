// Writes the SVG of every example and far-out figure, light and dark, into a folder, for xmllint
// to check (check_svg_files.cmake).
#include "figures/build_figure.h"
#include "figures/svg_writer.h"
#include "tests/figures/figure_cases.h"

#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    using namespace quillon;
    if (argc != 2) {
        std::cerr << "usage: write_figure_samples FOLDER\n";
        return 2;
    }
    std::vector<FigureCase> cases = ordinaryCases();
    cases.insert(cases.end(), farOutCases().begin(), farOutCases().end());
    int written = 0;
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const CatalogueEntry& row = *findByName(cases[i].name);
        const Evaluation evaluation = evaluateCase(row, cases[i]);
        const DataSheetInput sheet = sheetOf(cases[i]);
        const FigureOutcome outcome = std::holds_alternative<QuestionInputs>(row.inputs)
                                          ? buildFigure(row, evaluation, cases[i].texts)
                                          : buildFigure(row, evaluation, sheet);
        if (!outcome.figure)
            continue;
        for (const bool dark : {false, true}) {
            const std::string path = std::string(argv[1]) + "/" + std::to_string(i) + "-" +
                                     cases[i].name + (dark ? "-dark" : "") + ".svg";
            std::ofstream(path) << writeSvg(*outcome.figure, {640, 400},
                                            dark ? darkFigureColours() : lightFigureColours());
            ++written;
        }
    }
    std::cout << written << " figures\n";
    return written > 0 ? 0 : 1;
}
