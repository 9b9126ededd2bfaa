#include "ui/data_sheet/data_sheet_layout.h"

#include <map>

namespace quillon {

namespace {

using Look = void (*)(SheetShape& shape);

// How a grid looks and walks where it differs from the usual sheet, by window name.
const std::map<std::string_view, Look>& sheetLooks() {
    static const std::map<std::string_view, Look> looks = {
        {"Counts1",
         [](SheetShape& shape) {
             shape.rowNumberWidth = 600;
             shape.columnWidth = 780;
             shape.fitsColumns = false;
             shape.designWidth = 4840; // five columns in view; the rest scroll
             shape.keys = {SheetWalk::Columns, KeyMoment::Press, KeyMoment::Press, true, true};
         }},
        {"Means0",
         [](SheetShape& shape) {
             shape.keys = {SheetWalk::Rows, KeyMoment::Release, KeyMoment::Release, false, true};
         }},
        {"Means6",
         [](SheetShape& shape) {
             shape.columnWidth = 1000;
             shape.height = 3255;
             shape.advanceLimit = DataSheet::kRows;
         }},
        {"Correl",
         [](SheetShape& shape) {
             shape.keys = {SheetWalk::Rows, KeyMoment::Press, KeyMoment::Release, true, false};
             shape.timerInterval = 500;
         }},
    };
    return looks;
}

std::vector<DataSheetLayout> makeLayouts() {
    std::vector<DataSheetLayout> layouts;
    for (const CatalogueEntry& calculation : catalogue()) {
        const auto* sheet = std::get_if<SheetInputs>(&calculation.inputs);
        if (sheet == nullptr)
            continue;
        DataSheetLayout layout;
        layout.name = std::string(calculation.windowName);
        layout.title = std::string(calculation.title);
        layout.instruction = std::string(sheet->instruction);
        layout.helpTopic = calculation.help.front().topic;
        layout.calculate = sheet->calculate;
        layout.shape.columns = sheet->columns;
        layout.shape.headings = sheet->headings;
        if (const auto look = sheetLooks().find(calculation.windowName); look != sheetLooks().end())
            look->second(layout.shape);
        layout.options = sheet->options;
        layout.presentation = sheet->presentation;
        layout.answer = sheet->answer;
        layouts.push_back(std::move(layout));
    }
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
