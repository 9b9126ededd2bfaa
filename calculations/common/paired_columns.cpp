#include "calculations/common/paired_columns.h"

#include "calculations/common/calculation_support.h"
#include "calculations/common/refusal_text.h"
#include "core/storage.h"

#include <string>

namespace quillon {

PairedColumns readPairedColumns(const DataSheet& sheet) {
    PairedColumns pairs;
    for (int row = 1; row <= DataSheet::kRows; ++row) {
        const std::string& firstText = sheet.text(row, 1);
        const std::string& secondText = sheet.text(row, 2);
        pairs.lastRead = {row, 2};
        if (isEmpty(firstText) && isEmpty(secondText))
            break;
        if (isEmpty(firstText) || isEmpty(secondText))
            continue;
        pairs.refusal = nonNumberCellRefusal({row, 1}, firstText);
        if (!pairs.refusal)
            pairs.refusal = nonNumberCellRefusal({row, 2}, secondText);
        if (pairs.refusal)
            break;
        pairs.count = pairs.count + 1.0f;
        const auto index = static_cast<std::size_t>(pairs.count);
        pairs.first[index] = readSingle(firstText);
        pairs.second[index] = readSingle(secondText);
        pairs.firstTyped[index] = readNumber(firstText);
        pairs.secondTyped[index] = readNumber(secondText);
    }
    return pairs;
}

bool singlesHold(const PairedColumns& pairs) {
    for (int i = 1; static_cast<float>(i) <= pairs.count; ++i) {
        const auto index = static_cast<std::size_t>(i);
        if (!fitsSingle(pairs.firstTyped[index]) || !fitsSingle(pairs.secondTyped[index]))
            return false;
    }
    return true;
}

} // namespace quillon
