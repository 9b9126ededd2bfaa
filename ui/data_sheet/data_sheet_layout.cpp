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

} // namespace

SheetShape sheetShape(const CatalogueEntry& row) {
    const auto& sheet = std::get<SheetInputs>(row.inputs);
    SheetShape shape;
    shape.columns = sheet.columns;
    shape.headings = sheet.headings;
    if (const auto look = sheetLooks().find(row.windowName); look != sheetLooks().end())
        look->second(shape);
    return shape;
}

} // namespace quillon
