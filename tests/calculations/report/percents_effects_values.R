# Expected values of percents_effects_test.cpp, printed as rows of its tables.
# Run: Rscript tests/calculations/report/percents_effects_values.R
# Base R and stats only: prop.test (Wilson), binom.test (Clopper-Pearson), cor.test (Fisher's z),
# lm with confint and summary (regression). Newcombe's intervals are formed from prop.test's.
num <- function(x) sprintf("%.17g", x)
wilson <- function(x, n, level) {
  suppressWarnings(prop.test(x, n, correct = FALSE, conf.level = level)$conf.int)
}

cat("// percentIntervals: proportion, size, level, Wilson, exact\n")
intervals <- function(p, n, level) {
  w <- wilson(p * n, n, level)
  e <- binom.test(round(p * n), n, conf.level = level)$conf.int
  cat(sprintf("{%s, %s, %s, %s, %s, %s, %s},\n", num(p), num(n), num(level),
              num(w[1]), num(w[2]), num(e[1]), num(e[2])))
}
intervals(0.3, 10, 0.95)
intervals(0, 20, 0.95)
intervals(1, 20, 0.95)
intervals(0.5, 100, 0.99)
intervals(0.05, 1000, 0.90)
intervals(0.81, 263, 0.95)
intervals(0.5, 1, 0.95)

cat("// independentPercentDifference: p1, n1, p2, n2, level, lower, upper, h\n")
independent <- function(x1, n1, x2, n2, level) {
  p1 <- x1 / n1; p2 <- x2 / n2
  w1 <- wilson(x1, n1, level); w2 <- wilson(x2, n2, level)
  lower <- p1 - p2 - sqrt((p1 - w1[1])^2 + (w2[2] - p2)^2)
  upper <- p1 - p2 + sqrt((w1[2] - p1)^2 + (p2 - w2[1])^2)
  h <- 2 * asin(sqrt(p1)) - 2 * asin(sqrt(p2))
  cat(sprintf("{%s, %s, %s, %s, %s, %s, %s, %s},\n", num(p1), num(n1), num(p2), num(n2),
              num(level), num(lower), num(upper), num(h)))
}
independent(56, 70, 48, 80, 0.95)
independent(9, 10, 3, 10, 0.95)
independent(5, 56, 0, 29, 0.95)
independent(0, 10, 0, 20, 0.95)
independent(60, 100, 50, 100, 0.99)
independent(10, 10, 0, 10, 0.95)

cat("// sameSamplePercentDifference: p1, p2, n, level, lower, upper, h\n")
# Paired table a = 0, b = p1 n, c = p2 n, d = n - b - c (Newcombe's method 10 for paired data).
same <- function(p1, p2, n, level) {
  w1 <- wilson(p1 * n, n, level); w2 <- wilson(p2 * n, n, level)
  b <- p1 * n; c <- p2 * n; d <- n - b - c
  den <- sqrt(b * (c + d) * c * (b + d))
  phi <- if (den == 0) 0 else (0 * d - b * c) / den
  dl <- sqrt((p1 - w1[1])^2 - 2 * phi * (p1 - w1[1]) * (w2[2] - p2) + (w2[2] - p2)^2)
  du <- sqrt((w1[2] - p1)^2 - 2 * phi * (w1[2] - p1) * (p2 - w2[1]) + (p2 - w2[1])^2)
  h <- 2 * asin(sqrt(p1)) - 2 * asin(sqrt(p2))
  cat(sprintf("{%s, %s, %s, %s, %s, %s, %s},\n", num(p1), num(p2), num(n), num(level),
              num(p1 - p2 - dl), num(p1 - p2 + du), num(h)))
}
same(0.6, 0.3, 100, 0.95)
same(0.2, 0.1, 50, 0.95)
same(0.5, 0.5, 10, 0.95)
same(0.05, 0.9, 40, 0.99)
same(0.35, 0, 20, 0.95)

cat("// correlationInterval: r, n, level, lower, upper\n")
correl <- function(x, y, level) {
  ct <- cor.test(x, y, conf.level = level)
  cat(sprintf("{%s, %d, %s, %s, %s},\n", num(ct$estimate), length(x), num(level),
              num(ct$conf.int[1]), num(ct$conf.int[2])))
}
x1 <- c(1, 2, 3, 4, 5); y1 <- c(1, 3, 2, 5, 4)
x2 <- c(4.2, 5.1, 6.3, 7.7, 8.0, 9.4, 10.1, 11.6, 12.2, 13.9)
y2 <- c(30.1, 28.4, 33.0, 31.2, 36.5, 35.9, 40.2, 38.8, 44.1, 43.0)
x3 <- c(1990, 1991, 1992, 1993, 1994, 1995, 1996, 1997, 1998, 1999)
y3 <- c(12, 9, 15, 11, 14, 10, 16, 13, 18, 12)
correl(x1, y1, 0.95)
correl(x2, y2, 0.95)
correl(x2, -y2, 0.99)
correl(x3, y3, 0.90)

cat("// rankCorrelationInterval: rho, n, level, lower, upper\n")
# Bonett and Wright (2000): Fisher's z of Spearman's rho with the variance (1 + rho^2 / 2) / (n - 3).
rank_correl <- function(x, y, level) {
  rho <- cor(x, y, method = "spearman"); n <- length(x)
  half <- qnorm((1 + level) / 2) * sqrt((1 + rho^2 / 2) / (n - 3))
  cat(sprintf("{%s, %d, %s, %s, %s},\n", num(rho), n, num(level), num(tanh(atanh(rho) - half)),
              num(tanh(atanh(rho) + half))))
}
rank_correl(x2, y2, 0.95)
rank_correl(x3, y3, 0.90)

cat("// regressionIntervals: data set, level, slope, its bounds, intercept, its bounds, r2, adj\n")
regress <- function(name, x, y, level) {
  fit <- lm(y ~ x); ci <- confint(fit, level = level); s <- summary(fit)
  cat(sprintf("{%s, %s, %s, %s, %s, %s, %s, %s, %s, %s},\n", name, num(level),
              num(coef(fit)[2]), num(ci[2, 1]), num(ci[2, 2]), num(coef(fit)[1]),
              num(ci[1, 1]), num(ci[1, 2]), num(s$r.squared), num(s$adj.r.squared)))
}
regress("small", x1, y1, 0.95)
regress("tenPairs", x2, y2, 0.95)
regress("tenPairs", x2, y2, 0.8)
regress("years", x3, y3, 0.95)
regress("threePairs", c(1, 2, 3), c(2, 5, 4), 0.95)
