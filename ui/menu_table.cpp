#include "menu_table.h"

#include <array>

namespace quillon {

namespace {

constexpr std::array kMenu = {
    MenuEntry{0, "File", "File", {}, {}},
    MenuEntry{1, "FileExit", "&Exit", {}, {}},
    MenuEntry{0, "Distributions", "&Distributions", {}, {}},
    MenuEntry{1, "Z", "Normal distribution", {}, {}},
    MenuEntry{2, "Distrib_Z1", "Probability of a z value", "Distr1a", {}},
    MenuEntry{2, "Distrib_Z2", "Critical z for a given probability", "Distr1b", {}},
    MenuEntry{2, "Distrib_Z3", "Probability of a defined range", "Distr1c", {}},
    MenuEntry{1, "T", "T distribution", {}, {}},
    MenuEntry{2, "Distrib_T1", "Probability of a t value", "Distr2a", {}},
    MenuEntry{2, "Distrib_T2", "Critical t for a given probability", "Distr2b", {}},
    MenuEntry{2, "Distrib_T3", "Probability of a defined range", "Distr2c", {}},
    MenuEntry{1, "F", "F distribution", {}, {}},
    MenuEntry{2, "Distrib_F1", "Probability of an F-ratio", "Distr3a", {}},
    MenuEntry{2, "Distrib_F2", "Critical F for a given probability", "Distr3b", {}},
    MenuEntry{1, "ChiSquare2", "Chi-square distribution", {}, {}},
    MenuEntry{2, "Distrib_C1", "Probability of a chi-square value", "Distr4a", {}},
    MenuEntry{2, "Distrib_C2", "Critical chi-square for a given prob.", "Distr4b", {}},
    MenuEntry{0, "Counts", "&Counts", {}, {}},
    MenuEntry{1, "Count1", "Chi-square test", "Counts1", {}},
    MenuEntry{1, "Count2", "Fisher's exact test", "Counts2", {}},
    MenuEntry{1, "Count3", "Binomial test", "Counts3", {}},
    MenuEntry{1, "Count4", "Poisson distribution events test", "Counts4", {}},
    MenuEntry{0, "Percents", "&Percents", {}, {}},
    MenuEntry{1, "Pct1", "One sample t-test beween percents", "Percent1", {}},
    MenuEntry{1, "Pct2", "Two sample t-test between percents", "Percent2", {}},
    MenuEntry{1, "Pct3", "Confidence interval around a percent", "Percent3", {}},
    MenuEntry{0, "Means", "&Means", {}, {}},
    MenuEntry{1, "Mean0", "Mean and standard deviation of a sample", "Means0", {}},
    MenuEntry{1, "Mean1", "Matched pairs t-test between means", "Means1", {}},
    MenuEntry{1, "Mean2", "Independent groups t-test between means", "Means2", {}},
    MenuEntry{1, "Mean3", "Confidence interval around a mean", "Means3", {}},
    MenuEntry{1, "Mean4", "Compare sample mean to a population mean", "Means4", {}},
    MenuEntry{1, "Mean5", "Compare two standard deviations (F-Ratio)", "Means5", {}},
    MenuEntry{1, "Mean6", "Compare three or more means (ANOVA)", "Means6", {}},
    MenuEntry{0, "Correlation", "&Correlation", "Correl", {}},
    MenuEntry{0, "Sampling", "&Sampling", {}, {}},
    MenuEntry{1, "SampleSize1", "Determine sample size for percents", "Sample1", {}},
    MenuEntry{1, "SampleSize2", "Determine sample size for means", "Sample2", {}},
    MenuEntry{1, "SampleSize3", "Determine error for a given sample size", "Sample3", {}},
    MenuEntry{0, "Help", "&Help", {}, {}},
    MenuEntry{1, "HelpContents", "Contents", {}, "F1"},
    MenuEntry{1, "HelpSearch", "Search For Help On...", {}, {}},
    MenuEntry{1, "HelpLine1", "-", {}, {}},
    MenuEntry{1, "HelpHelpAbout", "About Quillon", "Help3", {}},
    MenuEntry{1, "HelpLine2", "-", {}, {}},
    MenuEntry{1, "HelpTech", "&Technical Support", "Support", {}},
};

constexpr std::array<std::string_view, 30> kCloseOrder = {
    "Distr1a",  "Distr1b", "Distr1c", "Distr2a", "Distr2b", "Distr2c", "Distr3a",  "Distr3b",
    "Distr4a",  "Distr4b", "Counts1", "Counts2", "Counts3", "Counts4", "Percent1", "Percent2",
    "Percent3", "Means0",  "Means1",  "Means2",  "Means3",  "Means4",  "Means5",   "Means6",
    "Correl",   "Sample1", "Sample2", "Sample3", "Help3",   "Support",
};

} // namespace

std::span<const MenuEntry> menuEntries() {
    return kMenu;
}

std::span<const std::string_view> windowCloseOrder() {
    return kCloseOrder;
}

} // namespace quillon
