// The one evaluation every front end calls: what it makes of box texts, of a grid with its options'
// values, of a refusal, of values that cannot be calculated, and of the quantities a calculation
// publishes.
#include "calculations/evaluation.h"

#include "calculations/common/box_text.h"
#include "calculations/correlation/correlate.h"
#include "core/arithmetic.h"

#include <gtest/gtest.h>

#include <cmath>

namespace quillon {
namespace {

// A stand-in calculation: "0" overflows, "r" refuses box 2, anything else answers with two
// quantities, one of them not declared by the row.
Outcome standIn(InputTexts inputs) {
    if (inputs[0] == "0")
        throw ArithmeticError(ArithmeticFault::Overflow);
    if (inputs[0] == "9")
        return Refusal{.focus = 2, .reason = "The second box is refused."};
    return Answer{.text = "t = " + inputs[0] + " and " + inputs[1],
                  .quantities = {{"t", 2.5, "2.500"}, {"extra", 1.0, "1"}}};
}

const QuestionInputs kBoxes{
    .questions = {"First?", "Second?"}, .inputCount = 2, .calculate = &standIn};
const std::vector<QuantityName> kDeclared = {{"t", "t-statistic"}};

TEST(Evaluation, BoxTextsGiveAnAnswerARefusalOrAnError) {
    struct Case {
        std::string name;
        std::vector<std::string> texts;
        Evaluation::Kind kind;
        std::optional<int> box;
        std::string question;
        std::string reason;
        std::string windowReason; // the refusal's own reason, as a window shows it
        std::string message;
    };
    const std::vector<Case> cases = {
        {"answered, blanks around a text dropped", {" 1.5 ", "2"}, Evaluation::Kind::Answered},
        {"the calculation's refusal",
         {"9", "2"},
         Evaluation::Kind::Refused,
         2,
         "Second?",
         "The second box is refused.",
         "The second box is refused.",
         ""},
        {"a text no box takes",
         {"1e3", "2"},
         Evaluation::Kind::Refused,
         1,
         "First?",
         "\"1e3\" is not a number a box takes (digits, one point, a leading minus)",
         "A box takes only digits, one point and a leading minus.",
         "\"1e3\" is not a number a box takes (digits, one point, a leading minus)"},
        {"a minus after the first character",
         {"1", "2-"},
         Evaluation::Kind::Refused,
         2,
         "Second?",
         "\"2-\" is not a number a box takes (digits, one point, a leading minus)",
         "A box takes only digits, one point and a leading minus.",
         "\"2-\" is not a number a box takes (digits, one point, a leading minus)"},
        {"a text longer than a box holds",
         {std::string(kMaxBoxLength + 1, '1'), "2"},
         Evaluation::Kind::Refused,
         1,
         "First?",
         "is longer than the 32767 characters a box holds",
         "A box holds at most 32767 characters.",
         "is longer than the 32767 characters a box holds"},
        {"values that cannot be calculated", {"0", "2"}, Evaluation::Kind::Failed},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const Evaluation got = evaluateBoxes(kBoxes, row.texts, kDeclared);
        ASSERT_EQ(got.kind, row.kind);
        if (row.kind == Evaluation::Kind::Answered) {
            EXPECT_EQ(got.answer.text, "t = 1.5 and 2");
            continue;
        }
        if (row.kind == Evaluation::Kind::Failed) {
            EXPECT_FALSE(got.message.empty());
            EXPECT_EQ(got.message, "Overflow: the values entered cannot be calculated.");
            continue;
        }
        EXPECT_EQ(got.box, row.box);
        EXPECT_EQ(got.refusal.focus, *row.box);
        EXPECT_EQ(got.question, row.question);
        EXPECT_EQ(got.reason, row.reason);
        EXPECT_EQ(got.refusal.reason, row.windowReason);
        EXPECT_EQ(got.message, row.message);
        EXPECT_TRUE(got.refusal.message.empty()) << "a refused text beeps, it opens no box";
    }
}

TEST(Evaluation, MissingBoxesAreEmptyForTheCalculation) {
    // A front end that gives fewer texts than boxes never makes the calculation read past them.
    const Evaluation got = evaluateBoxes(kBoxes, std::vector<std::string>{"1"}, kDeclared);
    ASSERT_EQ(got.kind, Evaluation::Kind::Answered);
    EXPECT_EQ(got.answer.text, "t = 1 and ");
}

TEST(Evaluation, PublishedQuantitiesCarryTheRowsLabels) {
    const Evaluation got = evaluateBoxes(kBoxes, std::vector<std::string>{"1", "2"}, kDeclared);
    ASSERT_EQ(got.kind, Evaluation::Kind::Answered);
    const std::vector<LabelledQuantity> expected = {{"t", "t-statistic", 2.5, "2.500"},
                                                    {"extra", "extra", 1.0, "1"}};
    EXPECT_EQ(got.quantities, expected);
}

TEST(Evaluation, QuestionsOfAFourfoldTableNameTheirPlace) {
    const QuestionInputs table{.questions = {"Enter the counts:"},
                               .inputCount = 4,
                               .layout = CalculatorLayout::FourfoldTable};
    EXPECT_EQ(boxQuestion(table, 1), "Enter the counts: row 1, column 1");
    EXPECT_EQ(boxQuestion(table, 4), "Enter the counts: row 2, column 2");
    EXPECT_EQ(boxQuestion(kBoxes, 3), "");
    EXPECT_EQ(valueCountProblem(kBoxes, 2), std::nullopt);
    EXPECT_EQ(valueCountProblem(kBoxes, 1),
              "2 values needed, one per box (an empty box is \"\"), but 1 given");
}

DataSheetInput columns(const std::vector<std::pair<std::string, std::string>>& rows,
                       OptionValues options = {}) {
    DataSheetInput input{.options = std::move(options)};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        input.sheet.setText(static_cast<int>(i + 1), 1, rows[i].first);
        input.sheet.setText(static_cast<int>(i + 1), 2, rows[i].second);
    }
    return input;
}

TEST(Evaluation, SheetRefusalsNameTheOptionOrTheCellWithItsHeading) {
    const CatalogueEntry& sample = *findByWindow("Means0");
    const CatalogueEntry& correlation = *findByWindow("Correl");
    struct Case {
        std::string name;
        const CatalogueEntry* row;
        DataSheetInput input;
        std::string option;
        std::optional<CellPosition> cell;
        std::string heading;
        bool firstRowNotANumber = false;
    };
    const std::vector<Case> cases = {
        {"the population size", &sample, columns({{"1", ""}, {"2", ""}}, {{"population", "many"}}),
         "population"},
        {"a heading in the first row", &sample, columns({{"Weight", ""}, {"2", ""}, {"3", ""}}), "",
         CellPosition{1, 1}, "Data", true},
        {"a word further down", &sample, columns({{"1", ""}, {"x", ""}, {"3", ""}}), "",
         CellPosition{2, 1}, "Data", false},
        {"the regression's heading", &correlation, columns({{"1", "2"}, {"2", "y"}, {"3", "4"}}),
         "", CellPosition{2, 2}, "DV"},
        {"the heading the chosen method shows", &correlation,
         columns({{"1", "2"}, {"2", "y"}, {"3", "4"}}, {{"method", "spearman"}}), "",
         CellPosition{2, 2}, "Var. 2"},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const Evaluation got = evaluate(*row.row, row.input);
        ASSERT_EQ(got.kind, Evaluation::Kind::Refused);
        EXPECT_EQ(got.box, std::nullopt);
        EXPECT_EQ(got.option, row.option);
        EXPECT_EQ(got.cell, row.cell);
        EXPECT_EQ(got.heading, row.heading);
        EXPECT_EQ(got.firstRowNotANumber, row.firstRowNotANumber);
    }
}

TEST(Evaluation, SheetOptionsAreReadByKey) {
    const CatalogueEntry& correlation = *findByWindow("Correl");
    const auto answer = [&](OptionValues options) {
        const Evaluation got =
            evaluate(correlation,
                     columns({{"1", "2"}, {"2", "4"}, {"3", "7"}, {"4", "8"}}, std::move(options)));
        EXPECT_EQ(got.kind, Evaluation::Kind::Answered);
        return got.answer.text;
    };
    const std::string regression = answer({});
    EXPECT_EQ(answer({{"method", "regression"}}), regression);
    EXPECT_NE(answer({{"method", "pearson"}}), regression);
    EXPECT_NE(answer({{"method", "spearman"}}), answer({{"method", "pearson"}}));
}

} // namespace
} // namespace quillon
