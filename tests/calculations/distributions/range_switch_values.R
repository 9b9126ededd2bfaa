# Expected probabilities of the switch-point cases in range_switch_test.cpp: the probability of a
# range of a normal and of a t distribution, with values typed at 7 significant digits (stored as
# singles, as the single-precision steps keep them) and at 8 (taken as typed, in double). The
# deviates go to the routines as singles either way.
# Run: Rscript tests/calculations/distributions/range_switch_values.R
single <- function(x) readBin(writeBin(x, raw(), size = 4), "double", size = 4, n = length(x))
exact <- identity
prob <- function(p) sub("^0", "", sprintf("%.4f", p))

range <- function(mean, sd, lower, upper, store, tail) {
  mean <- store(mean); sd <- store(sd)
  lo <- single((store(lower) - mean) / sd); hi <- single((store(upper) - mean) / sd)
  area <- function(d) abs(tail(abs(d)) - 0.5)
  within <- if (sign(lo) == sign(hi)) abs(area(lo) - area(hi)) else area(lo) + area(hi)
  cat(sprintf("deviates %.7g %.7g within %s outside %s\n", lo, hi, prob(within),
              prob(1 - within)))
}

normal <- function(x) pnorm(x)
t9 <- function(x) pt(x, 9)
cat("normal: 7 digits, singles; then 8, as typed\n")
range(999999.5, .2, 999999.4, 999999.6, single, normal)
range(1000000.5, .1, 1000000.4, 1000000.6, exact, normal)
cat("t with N = 10: 7 digits, singles; then 8, as typed\n")
range(999999.5, .2, 999999.4, 999999.6, single, t9)
range(1000000.5, .1, 1000000.4, 1000000.6, exact, t9)
