#include "data_sheet_layout.h"

#include "calculations/correlation/correlate.h"
#include "calculations/counts/contingency_chi_square.h"
#include "calculations/means/describe_sample.h"
#include "calculations/means/matched_pairs_t.h"
#include "calculations/means/one_way_anova.h"

namespace quillon {

namespace {

// Counts1 names its columns by letter: A is column 1, Z column 26.
std::vector<std::string> letterHeadings() {
    std::vector<std::string> headings{""};
    for (int column = 1; column <= DataSheet::kColumns; ++column) {
        headings.emplace_back(1, static_cast<char>(64 + column));
    }
    return headings;
}

std::vector<DataSheetLayout> makeLayouts() {
    std::vector<DataSheetLayout> layouts;

    DataSheetLayout counts;
    counts.name = "Counts1";
    counts.title = "Chi-square test";
    counts.instruction = "Enter the observed cell frequencies:";
    counts.helpTopic = 47;
    counts.calculate = &chiSquareTableTest;
    counts.shape.columns = DataSheet::kColumns;
    counts.shape.headings = letterHeadings();
    counts.shape.rowNumberWidth = 600;
    counts.shape.columnWidth = 780;
    counts.shape.fitsColumns = false;
    counts.shape.designWidth = 4840; // five columns in view; the rest scroll
    counts.shape.keys = {SheetWalk::Columns, KeyMoment::Press, KeyMoment::Press, true, true};
    counts.extra = SheetExtra::YatesCorrection;
    layouts.push_back(counts);

    DataSheetLayout sample;
    sample.name = "Means0";
    sample.title = "Mean and standard deviation of a sample";
    sample.instruction = "Enter the data for the sample:";
    sample.helpTopic = 57;
    sample.calculate = &describeSample;
    sample.shape.columns = 1;
    sample.shape.headings = {"Record", "Data"};
    sample.shape.keys = {SheetWalk::Rows, KeyMoment::Release, KeyMoment::Release, false, true};
    sample.extra = SheetExtra::PopulationSize;
    layouts.push_back(sample);

    DataSheetLayout pairs;
    pairs.name = "Means1";
    pairs.title = "Matched pairs t-test between means";
    pairs.instruction = "Enter both variables for each record:";
    pairs.helpTopic = 58;
    pairs.calculate = &matchedPairsTest;
    pairs.shape.columns = 2;
    pairs.shape.headings = {"Record", "Var. 1", "Var. 2"};
    layouts.push_back(pairs);

    DataSheetLayout anova;
    anova.name = "Means6";
    anova.title = "Compare three or more means";
    anova.instruction =
        "Enter the mean, unbiased standard deviation, and sample size for each group:";
    anova.helpTopic = 63;
    anova.calculate = &analyseVariance;
    anova.shape.columns = 3;
    anova.shape.headings = {"Group", "Mean", "SD", "N"};
    anova.shape.columnWidth = 1000;
    anova.shape.height = 3255;
    anova.shape.advanceLimit = DataSheet::kRows;
    anova.answer = AnswerArea::Table;
    layouts.push_back(anova);

    const CorrelationPresentation regression =
        correlationPresentation(CorrelationMethod::Regression);
    DataSheetLayout correl;
    correl.name = "Correl";
    correl.title = std::string(regression.title);
    correl.instruction = "Enter both variables for each record:";
    correl.helpTopic = regression.helpTopic;
    correl.calculate = &correlate;
    correl.shape.columns = 2;
    correl.shape.headings = {"Record", std::string(regression.firstHeading),
                             std::string(regression.secondHeading)};
    correl.shape.keys = {SheetWalk::Rows, KeyMoment::Press, KeyMoment::Release, true, false};
    correl.shape.timerInterval = 500;
    correl.extra = SheetExtra::CorrelationMethod;
    layouts.push_back(correl);

    return layouts;
}

} // namespace

const std::vector<DataSheetLayout>& dataSheetLayouts() {
    static const std::vector<DataSheetLayout> layouts = makeLayouts();
    return layouts;
}

const DataSheetLayout* findDataSheetLayout(std::string_view name) {
    for (const DataSheetLayout& layout : dataSheetLayouts()) {
        if (layout.name == name) {
            return &layout;
        }
    }
    return nullptr;
}

} // namespace quillon
