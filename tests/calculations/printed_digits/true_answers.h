// Answers that the routines' own steps printed off the truth, each named by what went wrong there,
// with the text each prints now. Every number was checked against Boost.Math's distributions in
// long double to the digits printed.
#pragma once

#include <string>
#include <vector>

namespace quillon::testing {

struct TrueAnswer {
    const char* name;
    const char* calculation;         // its short name, as quillon-calc takes it
    std::vector<std::string> inputs; // box texts; for a data sheet its rows, cells split by commas
    bool pearson;                    // the correlation window's method: Pearson's r
    // A calculator's clipboard text; for a data sheet, a line of its answer or clipboard text.
    std::string expected;
};

inline const std::vector<TrueAnswer>& trueAnswers() {
    static const std::vector<TrueAnswer> answers = {
        // The F approximation where the series fails: 1 and 70,000 degrees of freedom at the true
        // .05, .001 and .0001 points printed .0470, .0014 and .0003.
        {"F at its .05 point with 1 and 70000",
         "f-probability",
         {"3.8416", "1", "70000"},
         false,
         "F(1,70000)=3.8416, p=.0500"},
        {"F at its .001 point with 1 and 70000",
         "f-probability",
         {"10.8285", "1", "70000"},
         false,
         "F(1,70000)=10.8285, p=.0010"},
        {"F at its .0001 point with 1 and 70000",
         "f-probability",
         {"15.1385", "1", "70000"},
         false,
         "F(1,70000)=15.1385, p=.0001"},
        {"F at its .05 point with 2 and 74997",
         "f-probability",
         {"2.9959", "2", "74997"},
         false,
         "F(2,74997)=2.9959, p=.0500"},
        {"three groups of 25000 at the .05 point",
         "anova",
         {"0,1,25000", "0.010947,1,25000", "-0.010947,1,25000"},
         false,
         "F(2,74997)=2.99592, p=.0500"},
        {"F 1.25 with 1000 and 1000",
         "f-probability",
         {"1.25", "1000", "1000"},
         false,
         "F(1000,1000)=1.25, p=.0002"},
        {"F 1.35 with 500 and 500",
         "f-probability",
         {"1.35", "500", "500"},
         false,
         "F(500,500)=1.35, p=.0004"},
        // Just below 1 the approximation gave the other tail: .5083.
        {"F .99 with 46 and 7927",
         "f-probability",
         {".99", "46", "7927"},
         false,
         "F(46,7927)=.99, p=.4916"},
        // The series' noise just above its rounding error.
        {"critical t with 1 at .0002",
         "t-critical",
         {".0002", "1"},
         false,
         "t(1)=3183.099, p=.0002"},
        {"critical t with 1 at .0003",
         "t-critical",
         {".0003", "1"},
         false,
         "t(1)=2122.066, p=.0003"},
        {"critical F with 1000 and 2 at .0001",
         "f-critical",
         {".0001", "1000", "2"},
         false,
         "F(1000,2)=9999.499, p=.0001"},
        {"critical F with 1000 and 2 at .0002",
         "f-critical",
         {".0002", "1000", "2"},
         false,
         "F(1000,2)=4999.499, p=.0002"},
        // Beside it, what the probability window prints at 1999.5: the true .00049999.
        {"critical F with 5000 and 2 at .0005",
         "f-critical",
         {".0005", "5000", "2"},
         false,
         "F(5000,2)=1999.500, p=.0005"},
        // The chi-square approximation above 30 degrees of freedom.
        {"critical chi-square with 40 at .001",
         "chi-square-critical",
         {".001", "40"},
         false,
         "X2(40)=73.402, p=.0010"},
        {"chi-square 40 with 31",
         "chi-square-probability",
         {"40", "31"},
         false,
         "X2(31)=40, p=.1290"},
        {"chi-square 77.131 with 54.79",
         "chi-square-probability",
         {"77.131", "54.79"},
         false,
         "X2(54.79)=77.131, p=.0250"},
        {"a table of 33 degrees of freedom",
         "chi-square-test",
         {"138,123,170,288,289,228,83,214,93,146,212,262",
          "221,198,297,397,444,361,127,321,146,251,371,428",
          "309,271,359,548,610,517,212,443,255,378,505,669",
          "329,245,471,654,664,541,200,521,222,355,592,698"},
         false,
         "Probability of chance = .0435"},
        // t beyond the cap of 999 degrees of freedom.
        {"critical t with 3542 at .0007",
         "t-critical",
         {".0007", "3542"},
         false,
         "t(3542)=3.393, p=.0007"},
        {"t 1.357 with 97930",
         "t-probability",
         {"1.357", "97930"},
         false,
         "t(97930)=1.357, p=.1748"},
        // Values whose squares fall below the single range.
        {"correlation of x near 1E-23",
         "correlation",
         {"1E-23,1", "2E-23,2", "3E-23,4"},
         true,
         "Correlation coefficient = 0.982"},
        {"matched pairs near 1E-23",
         "matched-pairs",
         {"1E-23,0", "2E-23,0", "3E-23,0"},
         false,
         "t-statistic = 3.464"},
    };
    return answers;
}

} // namespace quillon::testing
