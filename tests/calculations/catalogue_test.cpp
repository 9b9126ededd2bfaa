#include "calculations/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillon {
namespace {

TEST(CalculatorDefinitions, NamesAreUniqueAndQuestionsFitTheBoxes) {
    std::set<std::string_view> names;
    for (const auto& definition : calculatorDefinitions()) {
        EXPECT_TRUE(names.insert(definition.name).second) << definition.name;
        EXPECT_GE(definition.inputCount, 1) << definition.name;
        EXPECT_LE(definition.inputCount, 6) << definition.name;
        if (definition.layout != CalculatorLayout::FourfoldTable) {
            EXPECT_EQ(definition.questions.size(), std::size_t(definition.inputCount))
                << definition.name;
        }
        EXPECT_EQ(findCalculator(definition.name), &definition);
    }
    EXPECT_EQ(findCalculator("NoSuchWindow"), nullptr);
}

} // namespace
} // namespace quillon
