# Expected sizes and errors of the switch-point cases in sample_size_switch_test.cpp, with values
# typed at 7 significant digits (stored as singles, as the single-precision steps keep them) and at
# 8 or more (taken as typed, in double). z is the search's grid value at 95%, 1.96, stored as a
# single; every size below is far enough from a whole number that its last bits cannot move it.
# Run: Rscript tests/calculations/sample_size/sample_size_switch_values.R
single <- function(x) readBin(writeBin(x, raw(), size = 4), "double", size = 4, n = length(x))
exact <- identity
z <- single(1.96)

size_for_mean <- function(sd, error, store) {
  size <- store(z^2 * store(sd)^2 / store(error)^2)
  cat(sprintf("Sample2 SD %.15g size %.4f floor %d\n", store(sd), size, floor(size)))
}

unlimited <- 1e36
size_for_percent <- function(population, rate, error, store) {
  rate <- store(rate / 100); error <- store(error / 100)
  n0 <- store(z^2 * rate * (1 - rate) / error^2)
  size <- store(n0 / (n0 / store(population) + 1))
  cat(sprintf("Sample1 population %.15g size %.4f floor %d\n", store(population), size,
              floor(size)))
}

# The error grid's first point (.01 steps) whose required size is at or below the sample.
error_for_size <- function(population, rate, n, store) {
  rate <- store(rate / 100); n <- store(n)
  for (e in seq(0.01, 100, by = 0.01)) {
    n0 <- z^2 * rate * (1 - rate) / (e / 100)^2
    if (n0 / (n0 / population + 1) <= n) break
  }
  cat(sprintf("Sample3 rate %.15g n %.15g error %.2f printed %.1f\n", rate, n, e, e))
}

cat("7 digits, singles; then 8 or more, as typed\n")
size_for_mean(1.234568, 0.1, single)
size_for_mean(1.2345678, 0.1, exact)
size_for_percent(1234567, 50, 1, single)
size_for_percent(12345678, 50, 1, exact)
error_for_size(unlimited, 33.33333, 1000, single)
error_for_size(unlimited, 33.333333, 1000, exact)
error_for_size(unlimited, 50, 20000001, single) # as a single the sample is 2E+07
error_for_size(unlimited, 50, 20000001, exact)
