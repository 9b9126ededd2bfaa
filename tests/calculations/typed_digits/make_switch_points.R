# Expected figures of the switch between single and double storage for correlation, regression,
# Spearman's rho and the matched pairs t-test: the same pairs typed at 7 significant digits (a
# single holds them) and at 8 (it does not). R computes every figure in double from its own
# formulas (sums about the means, ranks by rank(), the paired test by t.test()); none of the
# program's code is used. Where the values fit a single, the program keeps the single's printed
# form of 7 significant digits: those figures are also given by signif(, 7).
# Run: Rscript tests/calculations/typed_digits/make_switch_points.R

figures <- function(label, x, y) {
  n <- length(x); mx <- mean(x); my <- mean(y)
  sxx <- sum((x - mx)^2); syy <- sum((y - my)^2); sxy <- sum((x - mx) * (y - my))
  r <- sxy / sqrt(sxx * syy)
  t <- r * sqrt(n - 2) / sqrt(1 - r^2)
  b <- sxy / sxx
  a <- my - b * mx
  se <- sqrt((syy - sxy^2 / sxx) / (n - 2))
  rho <- cor(rank(x), rank(y))
  tRho <- rho * sqrt(n - 2) / sqrt(1 - rho^2)
  paired <- t.test(x, y, paired = TRUE)
  tPaired <- abs(unname(paired$statistic))
  cat(label, "\n")
  cat(sprintf("  pearson    r %.3f  SE %.3f  t %.3f  p %.4f\n", r, (1 - r^2) / sqrt(n), t,
              2 * pt(-abs(t), n - 2)))
  cat(sprintf("  regression a %.3f (7 digits %.3f)  b %.3f  SE %.3f  t %.3f  r2 %.3f\n", a,
              signif(a, 7), b, se, b * sqrt(sxx) / se, r^2))
  cat(sprintf("  spearman   rho %.3f  t %.3f\n", rho, tRho))
  cat(sprintf("  paired     means %.3f %.3f  SDs %.3f %.3f  t %.3f (7 digits %.3f)  p %.4f\n",
              mx, my, sd(x), sd(y), tPaired, signif(tPaired, 7), paired$p.value))
}

y <- c(1, 3, 2, 5, 4)
figures("seven digits: 1000001 to 1000005", 1000000 + 1:5, y)
figures("eight digits a single holds exactly: 10000001 to 10000005", 10000000 + 1:5, y)
figures("eight digits a single rounds: 20000001 to 20000005", 20000000 + 1:5, y)
figures("one value of eight digits: 1000001 to 1000004, 1000005.5",
        c(1000000 + 1:4, 1000005.5), y)
