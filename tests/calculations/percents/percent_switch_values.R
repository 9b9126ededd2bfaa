# Expected texts of the switch-point cases in percent_switch_test.cpp: the three calculations on
# percents, with values typed at 7 significant digits (stored as singles, each named quantity
# stored as a single, as the single-precision steps keep them) and at 8 or more (taken as typed,
# in double).
# Run: Rscript tests/calculations/percents/percent_switch_values.R
single <- function(x) readBin(writeBin(x, raw(), size = 4), "double", size = 4, n = length(x))
exact <- identity

general <- function(x) sprintf("%.3f", x)
prob <- function(p) sub("^0", "", sprintf("%.4f", p))

one_sample <- function(pc1, pc2, n, store) {
  p1 <- store(store(pc1) / 100); p2 <- store(store(pc2) / 100); n <- store(n)
  se <- store(sqrt((p1 + p2 - (p1 - p2)^2) / n))
  t <- store(abs(store(p1 - p2) / se)); df <- store(n - 1)
  cat(sprintf("Percent1 t %s df %.15g p %s\n", general(t), df, prob(2 * pt(-t, df))))
}

two_samples <- function(pc1, n1, pc2, n2, store) {
  p1 <- store(store(pc1) / 100); p2 <- store(store(pc2) / 100)
  n1 <- store(n1); n2 <- store(n2)
  pooled <- store((n1 * p1 + n2 * p2) / (n1 + n2))
  se <- store(sqrt(pooled * store(1 - pooled) * (1 / n1 + 1 / n2)))
  t <- store(abs(store(p1 - p2) / se)); df <- store(n1 + n2 - 2)
  cat(sprintf("Percent2 t %s df %.15g p %s\n", general(t), df, prob(2 * pt(-t, df))))
}

# The critical t is the first point of the .0001 grid at or above the true quantile; the
# continuity term 1 / (2n) is added to the half-width in percentage points.
interval <- function(pc, n, level, store) {
  n <- store(n); p <- store(store(pc) / 100); q <- store(1 - p)
  se <- store(sqrt(p * q / (n - 1)))
  t <- ceiling(qt(1 - (1 - level / 100) / 2, n - 1) * 1e4) / 1e4
  half <- store(100 * se * t + 1 / (2 * n)); centre <- store(100 * p)
  cat(sprintf("Percent3 se %s centre %s half %s range %s to %s\n", general(se), general(centre),
              general(half), general(store(centre - half)), general(store(centre + half))))
}

cat("7 digits, singles; then 8 or more, as typed\n")
one_sample(50.1, 50, 1234567, single)
one_sample(50.1, 50, 123456789, exact)
two_samples(50.1, 1000000, 50, 1000000, single)
two_samples(50.1, 10000001, 50, 10000001, exact)
interval(99.99999, 100, 95, single)
interval(99.999999, 100, 95, exact)
