// --batch: one calculation per line, good, refused and failing rows mixed, as text and as JSON.
#include "tests/terminal/terminal_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>

namespace quillon::terminal {
namespace {

// Headings, a good row, an empty line, a refused row, a failing row, a short row, a text no box
// takes, and a good row with tabs and CR LF.
const std::string kRows = "m1,s1,n1,m2,s2,n2\n"
                          "10,2,10,12,2,10\n"
                          "\n"
                          "10,0,10,12,2,10\n"
                          "10,2,.5,8.5,2.5,1.5\n"
                          "10,2,10,12\n"
                          "1e3,2,10,12,2,10\n"
                          "5\t1\t20\t6\t1\t20\r\n";

TEST(Batch, EachLineOneOutputLineAndTheRunGoesOn) {
    const CalcRun run = runCalc({"independent-groups", "--batch", "--header"}, kRows);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "t(18)=2.236, p=.0382\n"
              "\n"
              "refused: box 2 (Enter the unbiased standard deviation of the first group:): the "
              "standard deviation must not be 0\n"
              "error: Division by zero: the values entered cannot be calculated.\n"
              "error: 6 values needed, one per box (an empty box is \"\"), but 4 given\n"
              "refused: box 1 (Enter the mean of the first group:): \"1e3\" is not a number a "
              "box takes (digits, one point, a leading minus)\n"
              "t(38)=3.162, p=.0031\n");
}

TEST(Batch, AllAnsweredIsStatusZero) {
    const CalcRun run = runCalc({"t-critical", "--batch"}, ".05,10\n.01 5\n.05\t1\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "t(10)=2.228, p=.0500\nt(5)=4.032, p=.0100\nt(1)=12.706, p=.0500\n");
}

TEST(Batch, EmptyCellsAfterTheLastBoxAreNoValues) {
    const CalcRun run = runCalc({"t-critical", "--batch"}, ".05,10,,\n.05,10,3\n,10\n");
    EXPECT_EQ(run.out, "t(10)=2.228, p=.0500\n"
                       "error: 2 values needed, one per box (an empty box is \"\"), but 3 given\n"
                       "refused: box 1 (Enter the two-tailed probability:): this box is empty\n");
}

TEST(Batch, AnswerOnOneLineWhereTheWindowSetsNoSummary) {
    const CalcRun run = runCalc({"z-probability", "--batch"}, "1.96\n");
    EXPECT_EQ(run.status, 0);
    const CalcRun single = runCalc({"z-probability", "1.96", "--clipboard"});
    if (single.status == 1) {
        EXPECT_EQ(run.out.find('\n'), run.out.size() - 1);
        EXPECT_EQ(run.out.find("; ; "), std::string::npos);
    } else {
        EXPECT_EQ(run.out, single.out);
    }
}

TEST(Batch, JsonObjectPerRow) {
    const CalcRun run = runCalc({"independent-groups", "--batch", "--header", "--json"}, kRows);
    EXPECT_EQ(run.status, 2);
    std::vector<nlohmann::json> rows;
    std::istringstream lines(run.out);
    for (std::string line; std::getline(lines, line);)
        rows.push_back(nlohmann::json::parse(line));
    ASSERT_EQ(rows.size(), 6u); // the empty line gives no object
    EXPECT_EQ(rows[0]["line"], 2);
    EXPECT_EQ(rows[0]["name"], "independent-groups");
    EXPECT_EQ(rows[0]["inputs"], nlohmann::json({"10", "2", "10", "12", "2", "10"}));
    EXPECT_EQ(rows[0]["answer"][0], "t-statistic = 2.236");
    EXPECT_EQ(rows[0]["clipboard"], "t(18)=2.236, p=.0382");
    EXPECT_EQ(rows[1]["line"], 4);
    EXPECT_EQ(rows[1]["refusal"]["box"], 2);
    EXPECT_EQ(rows[1]["refusal"]["question"],
              "Enter the unbiased standard deviation of the first group:");
    EXPECT_EQ(rows[1]["refusal"]["reason"], "The standard deviation must not be 0.");
    EXPECT_FALSE(rows[1]["refusal"].contains("message"));
    EXPECT_FALSE(rows[1].contains("answer"));
    EXPECT_EQ(rows[2]["error"], "Division by zero: the values entered cannot be calculated.");
    EXPECT_NE(rows[3]["error"].get<std::string>().find("but 4 given"), std::string::npos);
    EXPECT_EQ(rows[4]["refusal"]["box"], 1);
    EXPECT_EQ(rows[5]["line"], 8);
    EXPECT_EQ(rows[5]["clipboard"], "t(38)=3.162, p=.0031");
}

TEST(Batch, JsonOfASingleAnswerAndOfAMessage) {
    const auto object = nlohmann::json::parse(runCalc({"Distr2b", ".05", "10", "--json"}).out);
    EXPECT_EQ(object["name"], "t-critical");
    EXPECT_EQ(object["window"], "Distr2b");
    EXPECT_EQ(object["answer"], nlohmann::json({"t value = 2.228"}));
    const CalcRun refused = runCalc({"fisher-exact", "30", "10", "10", "1", "--json"});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(nlohmann::json::parse(refused.out)["refusal"]["message"],
              "The maximum count for Fisher's exact test is 50.");
    EXPECT_EQ(nlohmann::json::parse(refused.out)["refusal"]["reason"],
              "The maximum count for Fisher's exact test is 50.");
    // Text that is not UTF-8 still gives valid JSON.
    const CalcRun bad = runCalc({"z-probability", "--batch", "--json"}, "\xff\xfe\n");
    EXPECT_TRUE(nlohmann::json::accept(bad.out));
}

TEST(Batch, BadInputNeitherStopsNorHangsTheRun) {
    // A line of 10 MB is one failing row; the rows after it are still answered.
    const std::string huge = std::string(10u << 20, '5') + "\n.05,10\n";
    const CalcRun run = runCalc({"t-critical", "--batch"}, huge);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "error: line 1 is longer than 1048576 characters\nt(10)=2.228, p=.0500\n");

    // A NUL byte marks binary input: the rows before it stand, then the run ends.
    const CalcRun binary =
        runCalc({"t-critical", "--batch"}, std::string(".05,10\n\x7f\0\x01\n", 11));
    EXPECT_EQ(binary.status, 65);
    EXPECT_EQ(binary.out, "t(10)=2.228, p=.0500\n");
    EXPECT_EQ(binary.err, "quillon-calc: standard input is not text: line 2 holds a NUL byte\n");
}

TEST(Batch, RowsFromAFile) {
    const std::string path = testing::TempDir() + "quillon_calc_batch.csv";
    std::ofstream(path) << "probability,df\n.05,10\n";
    const CalcRun run = runCalc({"t-critical", "--batch", "--header", "--file", path});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "t(10)=2.228, p=.0500\n");
}

} // namespace
} // namespace quillon::terminal
