# Expected probabilities of the switch-point cases in count_switch_test.cpp: the binomial and
# Poisson events tests with a value typed at 8 or more significant digits, taken as typed (in
# double). The 7-digit rows next to them print the same digits from the single-precision steps,
# whose texts the existing tests hold.
# Run: Rscript tests/calculations/counts/count_switch_values.R
prob <- function(p) sub("^0", "", sprintf("%.4f", p))
cat("binomial, 9900 or fewer of 100000001 at .0001:", prob(pbinom(9900, 100000001, 1e-4)), "\n")
cat("binomial, 9900 or fewer of 10000001 at .001:", prob(pbinom(9900, 10000001, 1e-3)), "\n")
cat("Poisson, twice 20 or more at 12.345678:",
    prob(2 * ppois(19, 12.345678, lower.tail = FALSE)), "\n")
cat("Poisson, twice 5 or fewer at 12.345678:", prob(2 * ppois(5, 12.345678)), "\n")
