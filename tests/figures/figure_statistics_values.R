# Values of figure_statistics_test.cpp, worked out apart from the program: each group's mean with
# its 95% interval from the t quantile on n - 1 degrees of freedom, and the least-squares line of
# y on x (lm).
# Run: Rscript tests/figures/figure_statistics_values.R
interval <- function(mean, sd, n, level = 0.95) {
  half <- qt(0.5 + level / 2, n - 1) * sd / sqrt(n)
  cat(sprintf("{%.17g, %.17g, %.17g, %.17g, %.2f, {%.17g, %.17g}},\n", mean, sd, n, level * 100,
              level, mean - half, mean + half))
}
interval(10, 2, 10)
interval(12, 2, 10)
interval(-3.5, 0.25, 2)
interval(1e6, 1234.5, 250)
interval(7.25, 3, 3.5)
interval(50, 10, 30, 0.99)

line <- function(x, y) {
  fit <- coef(lm(y ~ x))
  cat(sprintf("{{%s}, {%s}, %.17g, %.17g},\n", paste(x, collapse = ", "),
              paste(y, collapse = ", "), fit[[2]], fit[[1]]))
}
line(c(1, 2, 3, 4, 5), c(2, 4, 3, 8, 9))
line(c(10.5, 11.25, 9.75, 12), c(-3, -4.5, -1.25, -6))
line(c(1e6 + 1, 1e6 + 2, 1e6 + 4), c(3, 5, 9))
