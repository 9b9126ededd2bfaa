// The layout of every calculator and data sheet window: each control inside the window, none
// overlapping another, questions level with their boxes and the answer under its rule.
#include "ui/calculator/calculator_geometry.h"
#include "ui/data_sheet/data_sheet_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace quillon {
namespace {

using NamedRects = std::vector<std::pair<std::string, QRect>>;

void expectInsideAndApart(const QSize& client, const NamedRects& rects) {
    const QRect window(QPoint(0, 0), client);
    for (std::size_t i = 0; i < rects.size(); ++i) {
        EXPECT_TRUE(window.contains(rects[i].second)) << rects[i].first << " leaves the window";
        for (std::size_t j = i + 1; j < rects.size(); ++j) {
            EXPECT_FALSE(rects[i].second.intersects(rects[j].second))
                << rects[i].first << " overlaps " << rects[j].first;
        }
    }
}

TEST(WindowGeometry, CalculatorControlsStayInsideAndApart) {
    for (const CatalogueEntry& row : catalogue()) {
        const auto* asked = std::get_if<QuestionInputs>(&row.inputs);
        if (asked == nullptr)
            continue;
        const QuestionInputs& definition = *asked;
        SCOPED_TRACE(std::string(row.windowName));
        const CalculatorGeometry geometry = calculatorGeometry(definition);
        NamedRects rects;
        for (std::size_t i = 0; i < geometry.labels.size(); ++i)
            rects.emplace_back("label " + std::to_string(i + 1), geometry.labels[i]);
        for (std::size_t i = 0; i < geometry.inputs.size(); ++i)
            rects.emplace_back("box " + std::to_string(i + 1), geometry.inputs[i]);
        for (std::size_t i = 0; i < geometry.buttons.size(); ++i)
            rects.emplace_back("button " + std::to_string(i + 1), geometry.buttons[i]);
        rects.emplace_back("rule", geometry.line1);
        if (geometry.line2)
            rects.emplace_back("group rule", *geometry.line2);
        rects.emplace_back("answer", geometry.answer);
        expectInsideAndApart(geometry.client, rects);

        EXPECT_EQ(geometry.inputs.size(), static_cast<std::size_t>(definition.inputCount));
        if (definition.layout != CalculatorLayout::FourfoldTable) {
            ASSERT_EQ(geometry.labels.size(), geometry.inputs.size());
            for (std::size_t i = 0; i < geometry.inputs.size(); ++i) {
                EXPECT_EQ(geometry.labels[i].center().y(), geometry.inputs[i].center().y());
                EXPECT_EQ(geometry.inputs[i].left(), geometry.inputs.front().left());
            }
        }
        EXPECT_GT(geometry.line1.top(), geometry.buttons.back().bottom());
        EXPECT_GT(geometry.answer.top(), geometry.line1.bottom());
        EXPECT_EQ(geometry.answer.left(), geometry.line1.left());
    }
}

TEST(WindowGeometry, DataSheetControlsStayInsideAndApart) {
    for (const CatalogueEntry& row : catalogue()) {
        const auto* sheet = std::get_if<SheetInputs>(&row.inputs);
        if (sheet == nullptr)
            continue;
        SCOPED_TRACE(std::string(row.windowName));
        const DataSheetGeometry geometry = dataSheetGeometry(*sheet, sheetShape(row), 300);
        NamedRects rects{{"instruction", geometry.label},
                         {"grid", geometry.sheet},
                         {"rule", geometry.line},
                         {"answer", geometry.answer}};
        for (std::size_t i = 0; i < geometry.buttons.size(); ++i)
            rects.emplace_back("button " + std::to_string(i + 1), geometry.buttons[i]);
        if (!sheet->options.empty())
            rects.emplace_back("own control", geometry.extra);
        expectInsideAndApart(geometry.client, rects);

        EXPECT_EQ(geometry.sheet.width(), 300 * 15);
        EXPECT_GT(geometry.buttons.front().left(), geometry.sheet.right());
        EXPECT_GT(geometry.line.top(), geometry.sheet.bottom());
        EXPECT_GT(geometry.answer.top(), geometry.line.bottom());
    }
}

} // namespace
} // namespace quillon
