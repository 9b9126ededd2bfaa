# The expected values of counts_effects_test.cpp, from base R and its stats package.
# Run: Rscript counts_effects_values.R   (prints the C++ rows of the test's tables)
g <- function(v) ifelse(is.finite(v), sprintf("%.17g", v), "kNone")

cat("// contingency: rows, level, chi-square, V, OR, OR lower, OR upper, RR, RR lower, RR upper\n")
tables <- list(
  matrix(c(12, 5, 7, 9), 2, byrow = TRUE),
  # Aspirin and myocardial infarction (Physicians' Health Study): placebo then aspirin.
  matrix(c(189, 10845, 104, 10933), 2, byrow = TRUE),
  matrix(c(20, 15, 10, 30, 25, 40, 12, 18, 30), 3, byrow = TRUE),
  matrix(c(8, 14, 3, 11, 6, 9), 2, byrow = TRUE),
  matrix(c(1e30, 2e30, 3e30, 1e30), 2, byrow = TRUE))
for (t in tables) for (level in c(0.95, 0.90)) {
  x2 <- unname(chisq.test(t, correct = FALSE)$statistic)
  v <- sqrt(x2 / sum(t) / (min(dim(t)) - 1))
  or <- ol <- ou <- rr <- rl <- ru <- NA
  if (all(dim(t) == 2)) {
    z <- qnorm(0.5 + level / 2)
    a <- t[1, 1]; b <- t[1, 2]; c <- t[2, 1]; d <- t[2, 2]
    or <- a * d / (b * c); se <- sqrt(1 / a + 1 / b + 1 / c + 1 / d)
    ol <- exp(log(or) - z * se); ou <- exp(log(or) + z * se)
    rr <- (a / (a + b)) / (c / (c + d)); se <- sqrt(1 / a - 1 / (a + b) + 1 / c - 1 / (c + d))
    rl <- exp(log(rr) - z * se); ru <- exp(log(rr) + z * se)
  }
  rows <- paste0("{", apply(t, 1, function(r) paste(g(r), collapse = ", ")), "}", collapse = ", ")
  cat(sprintf("    {{%s}, %s, %s, %s, %s, %s, %s, %s, %s, %s},\n", rows, level, g(x2), g(v),
              g(or), g(ol), g(ou), g(rr), g(rl), g(ru)))
}

# fisher.test's estimate and interval come from uniroot at its default tolerance (about 1e-4);
# the same inversion is repeated here at 1e-13 for a comparison to 1e-6 (an upper end found as
# 1 / t is off by up to a few percent in fisher.test: 621.93 for 3, 1, 1, 3).
fisher_tight <- function(x, m, n, k, conf.level) {
  lo <- max(0L, k - n); hi <- min(k, m); support <- lo:hi
  logdc <- dhyper(support, m, n, k, log = TRUE)
  dnhyper <- function(ncp) { d <- logdc + log(ncp) * support; d <- exp(d - max(d)); d / sum(d) }
  mnhyper <- function(ncp) { if (ncp == 0) return(lo); if (ncp == Inf) return(hi); sum(support * dnhyper(ncp)) }
  pnhyper <- function(q, ncp, upper.tail = FALSE) {
    if (ncp == 1) return(if (upper.tail) phyper(x - 1, m, n, k, lower.tail = FALSE) else phyper(x, m, n, k))
    if (ncp == 0) return(as.numeric(if (upper.tail) q <= lo else q >= lo))
    if (ncp == Inf) return(as.numeric(if (upper.tail) q <= hi else q >= hi))
    sum(dnhyper(ncp)[if (upper.tail) support >= q else support <= q])
  }
  tol <- 1e-13
  root <- function(f, int) uniroot(f, int, tol = tol)$root
  mle <- if (x == lo) 0 else if (x == hi) Inf else {
    mu <- mnhyper(1)
    if (mu > x) root(function(t) mnhyper(t) - x, c(0, 1))
    else if (mu < x) 1 / root(function(t) mnhyper(1 / t) - x, c(.Machine$double.eps, 1)) else 1 }
  alpha <- (1 - conf.level) / 2
  ncp.U <- if (x == hi) Inf else {
    p <- pnhyper(x, 1)
    if (p < alpha) root(function(t) pnhyper(x, t) - alpha, c(0, 1))
    else if (p > alpha) 1 / root(function(t) pnhyper(x, 1 / t) - alpha, c(.Machine$double.eps, 1)) else 1 }
  ncp.L <- if (x == lo) 0 else {
    p <- pnhyper(x, 1, upper.tail = TRUE)
    if (p > alpha) root(function(t) pnhyper(x, t, upper.tail = TRUE) - alpha, c(0, 1))
    else if (p < alpha) 1 / root(function(t) pnhyper(x, 1 / t, upper.tail = TRUE) - alpha, c(.Machine$double.eps, 1)) else 1 }
  c(mle, ncp.L, ncp.U)
}
cat("// fisher: a, b, c, d, level, point, less, greater, two-sided, OR, lower, upper\n")
fisher_cases <- list(c(3, 1, 1, 3), c(10, 2, 3, 15), c(1, 0, 0, 1), c(0, 5, 5, 0), c(5, 0, 0, 5),
                     c(2, 7, 8, 2), c(5, 5, 5, 5), c(2, 8, 8, 2),
                     c(120, 80, 90, 110), c(500, 480, 470, 530), c(0, 10, 3, 7))
for (cells in fisher_cases) for (level in c(0.95, 0.99)) {
  t <- matrix(cells, 2, byrow = TRUE)
  two <- fisher.test(t, conf.level = level)
  less <- fisher.test(t, alternative = "less")$p.value
  greater <- fisher.test(t, alternative = "greater")$p.value
  m <- sum(t[, 1]); n <- sum(t[, 2]); k <- sum(t[1, ])
  point <- dhyper(t[1, 1], m, n, k)
  tight <- fisher_tight(t[1, 1], m, n, k, level)
  r <- c(unname(two$estimate), two$conf.int); ok <- is.finite(r)
  stopifnot(all(abs(tight[ok] - r[ok]) <= 0.1 * abs(r[ok]) + 1e-4), all(tight[!ok] == r[!ok]))
  cat(sprintf("    {%s, %s, %s, %s, %s, %s, %s, %s, %s},\n", paste(g(cells), collapse = ", "),
              level, g(point), g(less), g(greater), g(two$p.value), g(tight[1]), g(tight[2]),
              g(tight[3])))
}

cat("// binomial: n, x, p, level, lower, upper, two-sided p\n")
binomial_cases <- list(c(10, 8, 0.5), c(10, 5, 0.5), c(925, 682, 0.75), c(20, 0, 0.3),
                       c(20, 20, 0.3), c(2000, 1100, 0.5), c(50, 3, 0.2), c(1e6, 3e5, 0.3001),
                       c(37, 9, 0.1234), c(10, 3, 0.5))
for (cs in binomial_cases) for (level in c(0.95, 0.90)) {
  b <- binom.test(cs[2], cs[1], cs[3], conf.level = level)
  cat(sprintf("    {%s, %s, %s, %s},\n", paste(g(cs), collapse = ", "), level,
              paste(g(b$conf.int), collapse = ", "), g(b$p.value)))
}

cat("// poisson: x, expected, level, lower, upper, two-sided p\n")
poisson_cases <- list(c(137, 24.19893), c(2, 5), c(10, 5), c(0, 3), c(5, 5), c(1100, 1000),
                      c(3, 0.5), c(40, 61.7), c(1e6, 1.001e6))
for (cs in poisson_cases) for (level in c(0.95, 0.99)) {
  p <- poisson.test(cs[1], 1, cs[2], conf.level = level)
  cat(sprintf("    {%s, %s, %s, %s},\n", paste(g(cs), collapse = ", "), level,
              paste(g(p$conf.int), collapse = ", "), g(p$p.value)))
}
