# Values of the quantities in quantities_means_test.cpp, worked out apart from the program: each
# named quantity stored as a single where the calculation keeps singles (emulated here), in double
# where a typed value has more digits than a single holds; probabilities from the true t and F
# distributions.
# Run: Rscript tests/calculations/quantities_means_values.R
single <- function(x) readBin(writeBin(as.numeric(x), raw(), size = 4), "double", size = 4, n = length(x))
exact <- identity
show <- function(what, ...) {
  values <- c(...)
  cat(what, paste(names(values), sprintf("%.9g", values), collapse = "  "), "\n")
}
two_tailed_t <- function(t, df) single(2 * pt(-abs(t), df))

describe <- function(what, x, population, store) {
  x <- store(x); n <- length(x)
  mean <- store(sum(x) / n)
  sd <- store(sqrt(store(sum((x - mean)^2)) / (n - 1)))
  corr <- if (population > n) store((population - n) / (population - 1)) else 1
  se <- store(sd / sqrt(n) * sqrt(corr))
  show(what, mean = mean, n = n, sd = sd, standard_error = se, median = store(median(x)))
}

pairs_t <- function(what, x, y, store) {
  x <- store(x); y <- store(y); d <- store(x - y); n <- length(x)
  sdd <- store(sd(d)); t <- store(abs(mean(d) / store(sdd / sqrt(n))))
  show(what, mean1 = store(mean(x)), sd1 = store(sd(x)), mean2 = store(mean(y)),
       sd2 = store(sd(y)), t = t, df = n - 1, p = two_tailed_t(t, n - 1))
}

two_groups <- function(what, m1, s1, n1, m2, s2, n2, store) {
  m1 <- store(m1); s1 <- store(s1); n1 <- store(n1)
  m2 <- store(m2); s2 <- store(s2); n2 <- store(n2)
  pooled <- store(((n1 - 1) * store(s1^2) + (n2 - 1) * store(s2^2)) / (n1 + n2 - 2))
  se <- store(sqrt((1 / n2 + 1 / n1) * pooled))
  t <- store(abs((m1 - m2) / se)); df <- n1 + n2 - 2
  show(what, t = t, df = df, p = two_tailed_t(t, df))
}

correction <- function(population, n) if (population > 0) (population - n) / (population - 1) else 1

# The critical t is the first point of the .0001 grid at or above the true quantile.
interval <- function(what, m, s, n, population, level, store) {
  m <- store(m); s <- store(s); n <- store(n)
  se <- store(s / sqrt(n) * sqrt(store(correction(population, n))))
  t <- ceiling(qt(1 - (1 - level / 100) / 2, n - 1) * 1e4) / 1e4
  half <- store(se * single(t))
  show(what, standard_error = se, df = n - 1, confidence_level = single(level), mean = m, half_width = half,
       lower = store(m - half), upper = store(m + half))
}

against_population <- function(what, m, s, n, population, mu, store) {
  m <- store(m); s <- store(s); n <- store(n); mu <- store(mu)
  se <- store(s / sqrt(n) * sqrt(store(correction(population, n))))
  t <- store((m - mu) / se)
  show(what, standard_error = se, t = t, df = n - 1, p = two_tailed_t(t, n - 1))
}

deviations <- function(what, s1, n1, s2, n2, store) {
  f <- store(store(store(s1)^2) / store(store(s2)^2))
  show(what, f = f, df1 = n1 - 1, df2 = n2 - 1,
       p = single(pf(f, n1 - 1, n2 - 1, lower.tail = FALSE)))
}

anova <- function(what, m, s, n, store) {
  m <- store(m); s <- store(s); n <- store(n); k <- length(m)
  grand <- sum(n * m) / sum(n)
  ssb <- store(sum(n * (m - grand)^2)); ssw <- store(sum(s^2 * (n - 1)))
  msb <- store(ssb / (k - 1)); msw <- store(ssw / (sum(n) - k)); f <- store(msb / msw)
  show(what, df_between = k - 1, ss_between = ssb, ms_between = msb, f = f,
       p = single(pf(f, k - 1, sum(n) - k, lower.tail = FALSE)), df_within = sum(n) - k,
       ss_within = ssw, ms_within = msw, df_total = sum(n) - 1, ss_total = store(ssb + ssw))
}

line_fit <- function(x, y, store) {
  x <- store(x); y <- store(y); n <- length(x)
  sxx <- sum((x - mean(x))^2); syy <- sum((y - mean(y))^2); sxy <- sum((x - mean(x)) * (y - mean(y)))
  b <- store(sxy / sxx); a <- store(mean(y) - mean(x) * b)
  r <- store(sxy / sqrt(sxx * syy))
  list(n = n, sxx = sxx, syy = syy, sxy = sxy, a = a, b = b, r = r, r2 = store(r * r))
}

pearson <- function(what, x, y, store) {
  f <- line_fit(x, y, store); n <- f$n
  t <- store(f$r * sqrt(n - 2) / sqrt(1 - f$r^2))
  show(what, r = f$r, standard_error_r = store((1 - f$r^2) / sqrt(n)), t = t, df = n - 2,
       p = two_tailed_t(t, n - 2))
}

regression <- function(what, x, y, store) {
  f <- line_fit(x, y, store); n <- f$n
  se <- store(sqrt((f$syy - f$sxy^2 / f$sxx) / (n - 2)))
  tb <- store(f$b * sqrt(f$sxx) / se)
  show(what, intercept = f$a, slope = f$b, standard_error_estimate = se, t_slope = tb, df = n - 2,
       p = two_tailed_t(tb, n - 2), r_squared = f$r2)
}

spearman <- function(what, x, y, store) {
  n <- length(x)
  rho <- store(1 - 6 * sum((rank(store(x)) - rank(store(y)))^2) / (n^3 - n))
  t <- store(rho * sqrt(n - 2) / sqrt(1 - rho^2))
  if (n >= 25) show(what, rho = rho, t = t, df = n - 2, p = two_tailed_t(t, n - 2))
  else show(what, rho = rho, t = t, n = n)
}

eight <- c(2, 4, 4, 4, 5, 5, 7, 9)
describe("Means0 eight", eight, 0, single)
describe("Means0 eight of 100", eight, 100, single)
describe("Means0 8 digits", c(12345678, 12345680), 0, exact)

pairs_t("Means1 four", c(10, 12, 9, 14), c(8, 9, 9, 10), single)
pairs_t("Means1 8 digits", c(1000001:1000004, 1000005.5), c(1, 3, 2, 5, 4), exact)

two_groups("Means2", 10, 2, 15, 8.5, 2.5, 15, single)
two_groups("Means2 8 digits", 1000.0011, .001, 10, 1000.0021, .001, 10, exact)

interval("Means3", 10.5, 3, 25, 0, 95, single)
interval("Means3 of 200", 100, 15, 30, 200, 99, single)
interval("Means3 8 digits", 1234.5678, 1, 100, 0, 95, exact)

against_population("Means4 below", 48, 2, 16, 0, 50, single)
against_population("Means4 of 100", 52, 2, 16, 100, 50, single)
against_population("Means4 8 digits", 100.00001, .0001, 100, 0, 100, exact)

deviations("Means5 swapped", 4, 15, 3, 10, single)
deviations("Means5 8 digits", 1000.0001, 100, 1000, 100, exact)

anova("Means6 F 10", c(10, 12, 14), c(2, 2, 2), c(10, 10, 10), single)
anova("Means6 fractional", c(1, 2, 3), c(1, 1, 1), c(2.5, 2.5, 2.5), single)
anova("Means6 8 digits", c(1000.0011, 1000.0021, 1000.0041), rep(.001, 3), rep(10, 3), exact)

point8 <- list(x = 1:5, y = c(1, 3, 2, 5, 4))
long <- c(1000001:1000004, 1000005.5)
pearson("Correl Pearson", point8$x, point8$y, single)
pearson("Correl Pearson 8 digits", long, point8$y, exact)
regression("Correl regression", point8$x, point8$y, single)
regression("Correl regression falling", 1:5, c(5, 3, 4, 1, 2), single)
regression("Correl regression 8 digits", long, point8$y, exact)
spearman("Correl Spearman", point8$x, point8$y, single)
spearman("Correl Spearman 25", 1:25, ((1:25) * 12) %% 25 + 1, single)
spearman("Correl Spearman 8 digits", 20000000 + 1:5, point8$y, exact)
