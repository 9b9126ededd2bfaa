# Expected texts of the switch-point cases in summary_switch_test.cpp: the four calculations on
# means from typed summaries, with values typed at 7 significant digits (stored as singles, each
# named quantity stored as a single, as the single-precision steps keep them) and at 8 (taken as
# typed, in double).
# Run: Rscript tests/calculations/means/summary_switch_values.R
single <- function(x) readBin(writeBin(x, raw(), size = 4), "double", size = 4, n = length(x))
exact <- identity

# Printed as by the program's patterns: 3 decimals, probabilities 4 without a leading 0.
general <- function(x) sprintf("%.3f", x)
prob <- function(p) sub("^0", "", sprintf("%.4f", p))

two_groups <- function(m1, s1, n1, m2, s2, n2, store) {
  m1 <- store(m1); s1 <- store(s1); n1 <- store(n1)
  m2 <- store(m2); s2 <- store(s2); n2 <- store(n2)
  pooled <- store(((n1 - 1) * store(s1^2) + (n2 - 1) * store(s2^2)) / (n1 + n2 - 2))
  se <- store(sqrt((1 / n2 + 1 / n1) * pooled))
  t <- store(abs((m1 - m2) / se)); df <- n1 + n2 - 2
  cat(sprintf("Means2 t %s df %g p %s\n", general(t), df, prob(2 * pt(-t, df))))
}

deviations <- function(s1, n1, s2, n2, store) {
  f <- store(store(store(s1)^2) / store(store(s2)^2))
  cat(sprintf("Means5 F %.15g (single %.7g) p %s\n", f, f,
              prob(pf(f, n1 - 1, n2 - 1, lower.tail = FALSE))))
}

against_population <- function(m, s, n, mu, store) {
  m <- store(m); s <- store(s); n <- store(n); mu <- store(mu)
  se <- store(s / sqrt(n)); t <- store((m - mu) / se)
  cat(sprintf("Means4 se %s t %s p %s\n", general(se), general(t), prob(2 * pt(-abs(t), n - 1))))
}

# The critical t is the first point of the .0001 grid at or above the true quantile.
interval <- function(m, s, n, level, store) {
  m <- store(m); s <- store(s); n <- store(n)
  se <- store(s / sqrt(n))
  t <- ceiling(qt(1 - (1 - level / 100) / 2, n - 1) * 1e4) / 1e4
  half <- store(se * t)
  cat(sprintf("Means3 se %s mean %.4f half %s range %s to %s\n", general(se), m,
              prob(half), general(store(m - half)), general(store(m + half))))
}

cat("7 digits, singles; then 8 digits, as typed\n")
two_groups(1000.001, .001, 10, 1000.002, .001, 10, single)
two_groups(1000.0011, .001, 10, 1000.0021, .001, 10, exact)
deviations(1000.001, 100, 1000, 100, single)
deviations(1000.0001, 100, 1000, 100, exact)
against_population(100.0001, .001, 100, 100, single)
against_population(100.00001, .0001, 100, 100, exact)
interval(1234.568, 1, 100, 95, single)
interval(1234.5678, 1, 100, 95, exact)
