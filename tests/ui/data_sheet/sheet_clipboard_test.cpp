// How the data sheet words a first line of headings that a paste left out.
#include "ui/data_sheet/sheet_clipboard.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillon {
namespace {

struct NoticeCase {
    std::string name;
    std::vector<std::string> headings;
    std::string expected;
};

TEST(SheetClipboard, NamesTheHeadingsLeftOutOnOneShortLine) {
    const std::string start = "The first line was taken as headings and left out: ";
    const std::vector<NoticeCase> cases = {
        {"one", {"Weight"}, "Weight."},
        {"several, empty cells skipped", {"", "Var. 1", " ", "Var. 2"}, "Var. 1, Var. 2."},
        {"blanks inside and around a name", {"  Body\tweight  "}, "Body weight."},
        {"a long name cut short",
         {"Weight of the newborn calves in kilograms"},
         "Weight of the newborn..."},
        {"a name cut short ends the list",
         {"x", std::string(30, 'y')},
         "x, " + std::string(21, 'y') + "..."},
        {"names beyond the line counted",
         {"Group", "Mean", "SD", "N", "Median", "Minimum", "Maximum", "Range", "Skewness",
          "Kurtosis", "Comment"},
         "Group, Mean, SD, N, Median, Minimum, Maximum, Range and 3 more."},
        {"a first name longer than the line is still named",
         {std::string(80, 'x'), "y"},
         std::string(21, 'x') + "..., y."},
        {"not cut inside a character",
         {std::string(20, 'a') + "\xf0\x9d\x91\xa5" + "bcdef"},
         std::string(20, 'a') + "..."},
    };
    for (const NoticeCase& row : cases) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(headingsLeftOutNotice(row.headings).toStdString(), start + row.expected);
    }
}

} // namespace
} // namespace quillon
