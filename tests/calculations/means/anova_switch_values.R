# Expected F and first t of the analysis of variance switch-point cases in one_way_anova_test.cpp.
# Run: Rscript tests/calculations/means/anova_switch_values.R
# Values that fit a single are stored as singles and each sum is stored as a single, as the
# single-precision steps keep them; values that do not are taken exactly as typed, the means less
# their common level of 1000 or 1E12 (an F is the same for any level, and a double read of
# 1000.0011 would lose the digits the case is about).
single <- function(x) readBin(writeBin(x, raw(), size = 4), "double", size = 4, n = length(x))

anova <- function(mean, sd, n, store) {
  mean <- store(mean); sd <- store(sd); n <- store(n)
  grand <- sum(mean * n) / sum(n)
  between <- store(sum(n * (mean - grand)^2))
  within <- store(sum(sd^2 * (n - 1)))
  k <- length(mean)
  msw <- store(within / (sum(n) - k))
  f <- store(store(between / (k - 1)) / msw)
  t12 <- store((mean[1] - mean[2]) / sqrt((1 / n[1] + 1 / n[2]) * msw))
  cat(sprintf("F %.15g (7 digits %.7g)  t12 %.15g  p %.6f\n", f, f, t12,
              pf(f, k - 1, sum(n) - k, lower.tail = FALSE)))
}

cat("means typed at 7 digits: singles\n")
anova(c(1000.001, 1000.002, 1000.004), c(0.001, 0.001, 0.001), c(10, 10, 10), single)
cat("means typed at 8 digits: as typed\n")
anova(c(0.0011, 0.0021, 0.0041), c(0.001, 0.001, 0.001), c(10, 10, 10), identity)
cat("an SD typed at 8 digits: as typed\n")
anova(c(0.001, 0.002, 0.004), c(0.001, 0.0012345678, 0.001), c(10, 10, 10), identity)
cat("means typed at 8 digits at a level of 1E12: as typed (the spread exactly)\n")
anova(c(0.0011, 0.0021, 0.0041), c(0.001, 0.001, 0.001), c(10, 10, 10), identity)
