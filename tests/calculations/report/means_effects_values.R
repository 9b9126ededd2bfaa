# Expected values of means_effects_test.cpp, worked out with base R apart from the program. Each
# sample is built with exactly the mean and SD given, so that t.test, var.test and oneway.test
# answer from the same summaries the functions take. Intervals of d and eta squared invert pt and
# pf with their noncentrality by uniroot.
# Run: Rscript tests/calculations/report/means_effects_values.R
sample_of <- function(mean, sd, n) {
  z <- seq_len(n) - (n + 1) / 2
  mean + sd * z / sd(z)
}
show <- function(...) cat(paste(sprintf("%.10g", c(...)), collapse = ", "), "\n")
level <- 0.95
tails <- c((1 + level) / 2, (1 - level) / 2)

# pt warns of lost precision at the far ends of the bracket, not at the roots.
ncp_t <- function(t, df) sapply(tails, function(p) suppressWarnings(
  uniroot(function(ncp) pt(t, df, ncp) - p, c(t - 8, t + 8), tol = 1e-13)$root))
ncp_f <- function(f, df1, df2) sapply(tails, function(p) {
  g <- function(lambda) pf(f, df1, df2, lambda) - p
  if (g(0) <= 0) 0 else uniroot(g, c(0, 10 * df1 * f + 100), tol = 1e-13)$root
})
hedges_j <- function(df) exp(lgamma(df / 2) - lgamma((df - 1) / 2)) / sqrt(df / 2)

cat("# two groups: m1 s1 n1 m2 s2 n2 | diff lo hi | d lo hi | g | welch t df p\n")
two <- function(m1, s1, n1, m2, s2, n2) {
  x <- sample_of(m1, s1, n1); y <- sample_of(m2, s2, n2)
  pooled <- t.test(y, x, var.equal = TRUE, conf.level = level)
  welch <- t.test(y, x, var.equal = FALSE, conf.level = level)
  df <- n1 + n2 - 2
  sp <- sqrt(((n1 - 1) * s1^2 + (n2 - 1) * s2^2) / df)
  d <- (m2 - m1) / sp
  factor <- sqrt(1 / n1 + 1 / n2)
  show(m1, s1, n1, m2, s2, n2, m2 - m1, pooled$conf.int, d, ncp_t(d / factor, df) * factor,
       hedges_j(df) * d, welch$statistic, welch$parameter, welch$p.value)
}
two(10, 2, 10, 12, 2, 10)
two(10, 2, 15, 8.5, 2.5, 15)
two(5.2, 1.1, 7, 6.8, 2.3, 12)
two(100, 15, 200, 105, 16, 180)
two(0, 1, 3, 1, 1, 2)

cat("# one sample: mean sd n mu N | diff lo hi | d lo hi\n")
one <- function(m, s, n, mu, N) {
  x <- sample_of(m, s, n)
  test <- t.test(x, mu = mu, conf.level = level)
  ci <- test$conf.int
  if (N > 0) {
    half <- qt(tails[1], n - 1) * s / sqrt(n) * sqrt((N - n) / (N - 1))
    ci <- c(m - mu - half, m - mu + half)
  } else ci <- ci - mu
  d <- (m - mu) / s
  show(m, s, n, mu, N, m - mu, ci, d, ncp_t(d * sqrt(n), n - 1) / sqrt(n))
}
one(10.5, 2, 25, 10, 0)
one(10.5, 2, 25, 10, 100)
one(3.1, 4.2, 6, 5, 0)
one(0.4, 1, 2, 0, 0)

cat("# variance ratio: s1 n1 s2 n2 | ratio lo hi\n")
ratio <- function(s1, n1, s2, n2) {
  test <- var.test(sample_of(0, s1, n1), sample_of(0, s2, n2), conf.level = level)
  show(s1, n1, s2, n2, test$estimate, test$conf.int)
}
ratio(3, 10, 2, 15)
ratio(2.5, 15, 2, 15)
ratio(1, 2, 7, 40)

cat("# anova: groups | eta lo hi | omega | welch F df1 df2 p\n")
anova_case <- function(means, sds, ns) {
  values <- unlist(Map(sample_of, means, sds, ns))
  group <- factor(rep(seq_along(ns), ns))
  table <- anova(lm(values ~ group))
  between <- table[1, "Sum Sq"]; within <- table[2, "Sum Sq"]
  df1 <- table[1, "Df"]; df2 <- table[2, "Df"]; f <- table[1, "F value"]
  lambda <- ncp_f(f, df1, df2)
  total <- sum(ns)
  welch <- oneway.test(values ~ group, var.equal = FALSE)
  msw <- within / df2
  show(between / (between + within), lambda / (lambda + total),
       (between - df1 * msw) / (between + within + msw),
       welch$statistic, welch$parameter, welch$p.value)
}
anova_case(c(10, 12, 11), c(2, 2.5, 3), c(8, 10, 9))
anova_case(c(10, 10.2, 9.9), c(2, 2, 2), c(8, 8, 8))
anova_case(c(3, 7, 5, 9), c(1, 1.5, 2, 1.2), c(5, 6, 7, 5))
