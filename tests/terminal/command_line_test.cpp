// Exit statuses and their messages, the options, the names, help and the list.
#include "calculations/catalogue.h"
#include "tests/terminal/terminal_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace quillon::terminal {
namespace {

struct StatusCase {
    std::string what;
    std::vector<std::string> arguments;
    std::string input;
    int status;
    std::string err; // a part of the message on standard error
};

TEST(CommandLine, EveryExitStatusWithItsMessage) {
    const std::string pairs = "1 2\n2 4\n3 7\n4 8\n";
    const std::vector<StatusCase> cases = {
        {"a box refused",
         {"t-critical", "2", "10"},
         "",
         2,
         "quillon-calc: refused: box 1 (Enter the two-tailed probability:): the probability must "
         "be from .0001 to .9999\n"},
        {"the window's message",
         {"fisher-exact", "30", "10", "10", "1"},
         "",
         2,
         "refused: box 1 (Enter the observed cell frequencies: row 1, column 1): The maximum "
         "count for Fisher's exact test is 50."},
        {"a text no box takes",
         {"t-critical", "1e-3", "10"},
         "",
         2,
         "box 1 (Enter the two-tailed probability:): \"1e-3\" is not a number a box takes"},
        {"a cell refused",
         {"anova"},
         "10,2,10\n12,,10\n",
         2,
         "quillon-calc: refused: row 2 column B (SD) is empty\n"},
        {"too few rows",
         {"describe-sample"},
         "5\n",
         2,
         "quillon-calc: refused: at least 2 values are needed\n"},
        {"the chi-square test's message", {"chi-square-test"}, "10,5\n5,\n", 2, "has no data."},
        {"division by zero",
         {"independent-groups", "10", "2", ".5", "8.5", "2.5", "1.5"},
         "",
         3,
         "quillon-calc: Division by zero: the values entered cannot be calculated.\n"},
        {"overflow",
         {"sd-ratio", "1000000000000000000000000000000", "10", "4", "15"},
         "",
         3,
         "Overflow: the values entered cannot be calculated."},
        {"no clipboard summary",
         {"correlation", "--method", "pearson", "--clipboard"},
         pairs,
         1,
         "correlation sets no clipboard summary"},
        {"too few values",
         {"t-critical", ".05"},
         "",
         64,
         "2 values needed, one per box (an empty box is \"\"), but 1 given"},
        {"too many values", {"z-critical", ".05", "10"}, "", 64, "1 value needed"},
        {"an unknown name",
         {"t-critcal", ".05", "10"},
         "",
         64,
         "no calculation is named \"t-critcal\""},
        {"no name", {}, "", 64, "a calculation's name or 'list' is needed"},
        {"an option of another calculation", {"t-critical", ".05", "10", "--tsv"}, "", 64, "--tsv"},
        {"an unknown method", {"correlation", "--method", "kendall"}, pairs, 64, "kendall"},
        {"a population no box takes",
         {"describe-sample", "--population", "1e5"},
         "1\n2\n",
         64,
         "not a number a box takes"},
        {"values with --batch",
         {"t-critical", "--batch", ".05", "10"},
         "",
         64,
         "--batch reads its values from the input lines"},
        {"--file without --batch",
         {"t-critical", ".05", "10", "--file", "x"},
         "",
         64,
         "--file and --header go with --batch"},
        {"--clipboard with --json",
         {"t-critical", ".05", "10", "--clipboard", "--json"},
         "",
         64,
         "excludes"},
        {"a binary file",
         {"describe-sample"},
         std::string("1\n\0\x7f"
                     "ELF\n",
                     7),
         65,
         "standard input is not text: it holds a NUL byte"},
        {"a row beyond the sheet",
         {"describe-sample"},
         std::string(101 * 2, '\n') + "7\n",
         65,
         "the data sheet holds 100 rows of 1 column; line 203 is beyond its last row (1 cell "
         "beyond the sheet)"},
        {"a column beyond the sheet",
         {"matched-pairs"},
         "1,2\n3,4,5\n",
         65,
         "the data sheet holds 100 rows of 2 columns; line 2 has a value in column 3 (1 cell "
         "beyond the sheet)"},
        {"a 10 MB line of data",
         {"anova"},
         std::string(10u << 20, '1'),
         65,
         "standard input is larger than 4 MiB"},
        {"a missing file",
         {"anova", "--file", "/nonexistent/groups.csv"},
         "",
         66,
         "cannot open /nonexistent/groups.csv: No such file or directory"},
        {"a folder",
         {"t-critical", "--batch", "--file", "/"},
         "",
         66,
         "cannot read /: it is a folder"},
    };
    for (const StatusCase& row : cases) {
        SCOPED_TRACE(row.what);
        const CalcRun run = runCalc(row.arguments, row.input);
        EXPECT_EQ(run.status, row.status) << run.err;
        EXPECT_NE(run.err.find(row.err), std::string::npos) << run.err;
        if (row.status == 64)
            EXPECT_NE(run.err.find("usage: quillon-calc"), std::string::npos);
        if (row.status != 0)
            EXPECT_EQ(run.out, "");
    }
}

TEST(CommandLine, ValuesAsABoxTakesThem) {
    // A value may start with a minus and a point, be blank around, or be an empty box.
    EXPECT_EQ(runCalc({"z-probability", "-.5"}).out, runCalc({"z-probability", "-0.5"}).out);
    EXPECT_EQ(runCalc({"z-probability", " 1.5 "}).out, runCalc({"z-probability", "1.5"}).out);
    EXPECT_EQ(runCalc({"z-probability", "--", "-1.5"}).out, runCalc({"z-probability", "-1.5"}).out);
    EXPECT_EQ(runCalc({"t-critical", ".05", ""}).err,
              "quillon-calc: refused: box 2 (Enter the degrees of freedom:): this box is empty\n");
    // Longer than a box holds: refused at once, whatever its length.
    const CalcRun long_value = runCalc({"z-probability", std::string(10u << 20, '1')});
    EXPECT_EQ(long_value.status, 2);
    EXPECT_NE(long_value.err.find("longer than the 32767 characters a box holds"),
              std::string::npos);
}

// A word read as a value is refused by name, never read as 0; on the first line, --header is
// suggested, and with it a column under a heading answers.
TEST(CommandLine, WordsInTheDataAreRefusedByName) {
    const std::string weights = "Weight\n12\n14\n10\n15.5\n";
    const std::string hint = "; --header skips a first line of headings\n";
    const struct {
        std::string what;
        std::vector<std::string> arguments;
        std::string input;
        std::string err;
    } cases[] = {
        {"a heading",
         {"describe-sample"},
         weights,
         "quillon-calc: refused: row 1 column A (Data) is not a number: Weight" + hint},
        {"a word further down",
         {"describe-sample"},
         "12\n14\nn/a\n",
         "quillon-calc: refused: row 3 column A (Data) is not a number: n/a\n"},
        {"a second line of headings",
         {"describe-sample", "--header"},
         "Weight\nkg\n12\n14\n",
         "quillon-calc: refused: row 1 column A (Data) is not a number: kg\n"},
        {"headings over pairs",
         {"matched-pairs"},
         "Before,After\n1,2\n2,4\n",
         "quillon-calc: refused: row 1 column A (Var. 1) is not a number: Before" + hint},
        {"a column named by its letter",
         {"chi-square-test"},
         "10\t5\n4\t1,5\n",
         "quillon-calc: refused: row 2 column B is not a number: 1,5\n"},
        {"an empty first cell is no heading",
         {"anova"},
         "10,,10\n12,2,10\n",
         "quillon-calc: refused: row 1 column B (SD) is empty\n"},
        {"a population size of a minus alone",
         {"describe-sample", "--population=-"},
         "12\n14\n",
         "quillon-calc: refused: --population: the population size is not a number: -\n"},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        const CalcRun run = runCalc(row.arguments, row.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, row.err);
    }

    const CalcRun headed = runCalc({"describe-sample", "--header"}, weights);
    EXPECT_EQ(headed.status, 0) << headed.err;
    EXPECT_TRUE(headed.out.starts_with("Mean = 12.875     N = 4\n")) << headed.out;

    const auto json = nlohmann::json::parse(runCalc({"describe-sample", "--json"}, weights).out);
    EXPECT_EQ(json["refusal"]["row"], 1);
    EXPECT_EQ(json["refusal"]["column"], 1);
    EXPECT_EQ(json["refusal"]["heading"], "Data");
    EXPECT_EQ(json["refusal"]["reason"], "Row 1 Column A is not a number: Weight");
    EXPECT_FALSE(json["refusal"].contains("message"));
}

TEST(CommandLine, OptionsOfTheDataSheets) {
    const std::string table = "12,5\n4,11\n";
    const CalcRun plain = runCalc({"chi-square-test"}, table);
    const CalcRun yates = runCalc({"chi-square-test", "--yates"}, table);
    EXPECT_EQ(plain.status, 0);
    EXPECT_EQ(yates.status, 0);

    const std::string pairs = "1 2\n2 4\n3 7\n4 8\n";
    const CalcRun regression = runCalc({"correlation"}, pairs);
    EXPECT_EQ(regression.out, runCalc({"correlation", "--method", "regression"}, pairs).out);
    EXPECT_NE(regression.out.find("Model:"), std::string::npos);
    EXPECT_NE(runCalc({"correlation", "--method", "PEARSON"}, pairs).out,
              runCalc({"correlation", "--method", "spearman"}, pairs).out);

    const std::string sample = "1\n2\n3\n4\n";
    EXPECT_NE(runCalc({"describe-sample", "--population", "10"}, sample).out,
              runCalc({"describe-sample"}, sample).out);
}

TEST(CommandLine, OutputThatCannotBeWrittenIsAnError) {
    std::istringstream in;
    std::ostringstream out;
    std::ostringstream err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(runQuillonCalc({"t-critical", ".05", "10"}, {.in = in, .out = out, .err = err}), 74);
    EXPECT_EQ(err.str(), "quillon-calc: cannot write the output\n");
}

TEST(CommandLine, TheYatesCorrectionSwitchedOnShowsInJson) {
    const auto object =
        nlohmann::json::parse(runCalc({"chi-square-test", "--json"}, "12,5\n4,11\n").out);
    EXPECT_EQ(object["inputs"]["yates"], false);
    EXPECT_EQ(object["yatesSwitchedOn"], true);
    EXPECT_EQ(object["answer"][0], "Corrected chi-square statistic = 4.518");
}

TEST(CommandLine, AnalysisOfVarianceTableAlignedAndTabSeparated) {
    const std::string groups = "10,2,10\n12,2,10\n14,2,10\n";
    const CalcRun aligned = runCalc({"anova"}, groups);
    EXPECT_EQ(aligned.status, 0);
    EXPECT_EQ(aligned.out.substr(0, aligned.out.find("\n\n")),
              "Source of                         Sum of          Mean\n"
              "Variation               DF       Squares       Squares       F-ratio         Prob.\n"
              "------------  ------------  ------------  ------------  ------------  ------------\n"
              "Between                  2          80.0          40.0        10.000         .0006\n"
              "Within                  27         108.0           4.0\n"
              "Total                   29         188.0");
    const CalcRun tsv = runCalc({"anova", "--tsv"}, groups);
    EXPECT_NE(tsv.out.find("Between\t 2\t80.0\t40.0\t10.000\t.0006\n"), std::string::npos);
    EXPECT_EQ(runCalc({"anova", "--clipboard"}, groups).out, "F(2,27)=10, p=.0006\n");
}

TEST(CommandLine, HelpVersionAndList) {
    const CalcRun help = runCalc({"--help"});
    EXPECT_EQ(help.status, 0);
    const CalcRun list = runCalc({"list"});
    EXPECT_EQ(list.status, 0);
    const CalcRun listJson = runCalc({"list", "--json"});
    std::istringstream lines(listJson.out);
    std::size_t count = 0;
    for (std::string line; std::getline(lines, line); ++count) {
        const auto object = nlohmann::json::parse(line);
        const CatalogueEntry& entry = catalogue()[count];
        EXPECT_EQ(object["name"], entry.commandName);
        EXPECT_EQ(object["window"], entry.windowName);
        EXPECT_EQ(object["title"], entry.title);
    }
    EXPECT_EQ(count, catalogue().size());
    for (const CatalogueEntry& entry : catalogue()) {
        SCOPED_TRACE(std::string(entry.commandName));
        EXPECT_NE(help.out.find(std::string(entry.commandName)), std::string::npos);
        EXPECT_NE(list.out.find(std::string(entry.commandName) + "  (" +
                                std::string(entry.windowName) + ")  " + std::string(entry.title)),
                  std::string::npos);
        const CalcRun own = runCalc({std::string(entry.windowName), "--help"});
        EXPECT_EQ(own.status, 0);
        if (const auto* asked = std::get_if<QuestionInputs>(&entry.inputs)) {
            EXPECT_NE(own.out.find(std::to_string(asked->inputCount) + ". "), std::string::npos);
            EXPECT_NE(own.out.find(std::string(asked->questions.back())), std::string::npos);
        } else {
            EXPECT_NE(own.out.find("standard input or --file"), std::string::npos);
        }
    }
    EXPECT_NE(runCalc({"--version"}).out.find("quillon-calc "), std::string::npos);
}

} // namespace
} // namespace quillon::terminal
