// Option values read by key: given, defaulted, and checked against the option's kind.
#include "calculations/common/sheet_option.h"

#include "calculations/common/box_text.h"

#include <gtest/gtest.h>

namespace quillon {
namespace {

const SheetOption kMethod{.key = "method",
                          .kind = OptionKind::Choice,
                          .choices = {{"a", "A"}, {"b", "B"}, {"c", "C"}},
                          .defaultValue = "c"};
const SheetOption kTick{.key = "tick", .kind = OptionKind::CheckBox, .defaultValue = kOptionOff};
const SheetOption kSize{.key = "size", .kind = OptionKind::TextBox, .defaultValue = ""};

TEST(SheetOption, ValuesAreGivenOrDefault) {
    struct Case {
        std::string name;
        OptionValues values;
        std::string_view size;
        bool ticked;
        std::size_t choice;
    };
    const std::vector<Case> cases = {
        {"nothing given", {}, "", false, 2},
        {"all given", {{"size", "12"}, {"tick", "on"}, {"method", "a"}}, "12", true, 0},
        {"a choice that names none falls back to the default", {{"method", "z"}}, "", false, 2},
        {"a check box ticks only with on", {{"tick", "1"}}, "", false, 2},
        {"other keys are not read", {{"sizes", "3"}, {"method", "b"}}, "", false, 1},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(optionValue(row.values, kSize), row.size);
        EXPECT_EQ(optionIsOn(row.values, kTick), row.ticked);
        EXPECT_EQ(choiceIndex(row.values, kMethod), row.choice);
    }
}

TEST(SheetOption, OnlyValuesOfTheKindAreTaken) {
    struct Case {
        const SheetOption* option;
        std::string value;
        bool taken;
    };
    const std::vector<Case> cases = {
        {&kMethod, "b", true},      {&kMethod, "B", false}, {&kMethod, "", false},
        {&kTick, "on", true},       {&kTick, "off", true},  {&kTick, "yes", false},
        {&kSize, "any text", true},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(std::string(row.option->key) + "=" + row.value);
        EXPECT_EQ(optionValueProblem(*row.option, row.value).empty(), row.taken);
    }
}

TEST(BoxText, ABoxTakesDigitsOnePointAndALeadingMinus) {
    struct Case {
        std::string text;
        bool typable;
    };
    const std::vector<Case> cases = {
        {"", true},       {"-", true},    {"-.5", true},       {"12.5", true}, {".", true},
        {"1.2.3", false}, {"--1", false}, {"1-", false},       {"1e3", false}, {" 1", false},
        {"12,5", false},  {"+1", false},  {"\xC2\xB2", false},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.text);
        EXPECT_EQ(isTypableBoxText(row.text), row.typable);
        EXPECT_EQ(!boxTextProblem(row.text), row.typable);
    }
    // Character by character, as the key filter asks.
    EXPECT_TRUE(boxTakesCharacter(U'-', true, false));
    EXPECT_FALSE(boxTakesCharacter(U'-', false, false));
    EXPECT_TRUE(boxTakesCharacter(U'.', false, false));
    EXPECT_FALSE(boxTakesCharacter(U'.', false, true));
    EXPECT_FALSE(boxTakesCharacter(U'\u0662', true, false)); // an Arabic-Indic two
    EXPECT_EQ(boxTextProblem(std::string(kMaxBoxLength, '1')), std::nullopt);
    EXPECT_NE(boxTextProblem(std::string(kMaxBoxLength + 1, '1')), std::nullopt);
}

} // namespace
} // namespace quillon
