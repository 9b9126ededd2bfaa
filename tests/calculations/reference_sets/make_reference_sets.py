#!/usr/bin/env python3
"""Writes reference_sets.inc: NIST's Statistical Reference Datasets as the data sheets take them,
with the values every printed number is graded against.

    python3 make_reference_sets.py > reference_sets.inc

Sources, each independent of Quillon:
- the analysis of variance sets and Norris as Debian's python3-scipy ships them
  (/usr/lib/python3/dist-packages/scipy/stats/tests/data/nist_anova, nist_linregress), with the
  certified values read from the files themselves;
- Michelso, Michelson's speeds of light: R's morley data (Debian's r-base-core), whose Speed is
  the set less 299000 km/s; its mean and SD are NIST's certified values, checked here against the
  exact ones;
- NumAcc1 to NumAcc4, generated: NumAcc1 is three values; NumAcc2 to NumAcc4 are a middle value
  followed by the values one unit below and above it in turn, cut here to their first 100 rows;
- tail probabilities of the certified F and t: R's pf and pt.

The analysis of variance sets enter as group summaries: each group's mean and unbiased SD computed
exactly (fractions; the root to 40 digits) from its raw values and typed to 15 significant digits.
Means, SDs, standard errors and medians of the generated and cut sets are computed exactly here.
"""

import decimal
import fractions
import os
import subprocess
import sys

SCIPY_DATA = "/usr/lib/python3/dist-packages/scipy/stats/tests/data"
decimal.getcontext().prec = 40
D = decimal.Decimal


def typed(value, digits=15):
    """A value as a person types it: at most `digits` significant digits, no exponent."""
    d = D(value.numerator) / D(value.denominator) if isinstance(value, fractions.Fraction) else D(value)
    text = format(d, "." + str(digits) + "g")
    if "e" in text or "E" in text:
        text = format(D(text), "f")
    if "." in text:
        text = text.rstrip("0").rstrip(".")
    return text


def exact_sd(values):
    n = len(values)
    mean = sum(values, fractions.Fraction(0)) / n
    ss = sum(((v - mean) ** 2 for v in values), fractions.Fraction(0))
    variance = ss / (n - 1)
    return mean, (D(variance.numerator) / D(variance.denominator)).sqrt()


def median(values):
    s = sorted(values)
    n = len(s)
    return s[n // 2] if n % 2 else (s[n // 2 - 1] + s[n // 2]) / 2


def r_number(expression):
    out = subprocess.run(["Rscript", "-e", "cat(sprintf('%.17g', " + expression + "))"],
                         check=True, capture_output=True, text=True).stdout
    return D(out)


def data_lines(path):
    lines = open(path).read().splitlines()
    start = next(i for i, line in enumerate(lines) if line.strip().startswith("Data:") and i > 40)
    return lines, lines[start + 1:]


def certified_anova(lines):
    values = {}
    for line in lines:
        words = line.split()
        if line.strip().startswith("Between"):
            values["df1"], values["ssb"], values["msb"], values["f"] = words[-4:]
        elif line.strip().startswith("Within"):
            values["df2"], values["ssw"], values["msw"] = words[-3:]
    return {k: D(v) for k, v in values.items()}


# Where each printed number stands, as a regular expression whose first group is the number.
ANOVA_CELLS = {
    "between SS": r"Between\s+\S+\s+(\S+)",
    "between MS": r"Between\s+\S+\s+\S+\s+(\S+)",
    "F": r"Between\s+\S+\s+\S+\s+\S+\s+(\S+)",
    "p": r"Between\s+\S+\s+\S+\s+\S+\s+\S+\s+(\S+)",
    "within SS": r"Within\s+\S+\s+(\S+)",
    "within MS": r"Within\s+\S+\s+\S+\s+(\S+)",
    "total SS": r"Total\s+\S+\s+(\S+)",
    "F (clipboard)": r"\)=(\S+),",
}

DESCRIPTION_LINES = {
    "mean": r"Mean = (\S+)",
    "SD": r"Unbiased standard deviation = (\S+)",
    "SE": r"Standard error of the mean = (\S+)",
    "median": r"Median = (\S+)",
}


def anova_set(name):
    lines, data = data_lines(os.path.join(SCIPY_DATA, "nist_anova", name + ".dat"))
    groups = {}
    for line in data:
        words = line.split()
        if len(words) == 2:
            groups.setdefault(int(words[0]), []).append(fractions.Fraction(words[1]))
    rows = []
    for key in sorted(groups):
        mean, sd = exact_sd(groups[key])
        rows.append(",".join([typed(mean), typed(sd), str(len(groups[key]))]))
    c = certified_anova(lines)
    p = r_number("pf(%s, %s, %s, lower.tail = FALSE)" % (c["f"], c["df1"], c["df2"]))
    truth = {"between SS": c["ssb"], "between MS": c["msb"], "F": c["f"], "p": p,
             "within SS": c["ssw"], "within MS": c["msw"], "total SS": c["ssb"] + c["ssw"],
             "F (clipboard)": c["f"]}
    return name, "anova", "", rows, [(k, ANOVA_CELLS[k], truth[k]) for k in ANOVA_CELLS]


def description_set(name, values, mean=None, sd=None):
    exact_mean, exact = exact_sd(values)
    if mean is not None:
        assert exact_mean == fractions.Fraction(mean), name
        assert abs(exact - D(sd)) < D("1E-14") * D(sd), (name, exact, sd)
    else:
        mean, sd = exact_mean, exact
    mean = D(fractions.Fraction(mean).numerator) / D(fractions.Fraction(mean).denominator)
    sd = D(sd)
    med = median(values)
    truth = {"mean": mean, "SD": sd, "SE": sd / D(len(values)).sqrt(),
             "median": D(med.numerator) / D(med.denominator)}
    rows = [typed(v) for v in values]
    return name, "describe-sample", "", rows, [(k, DESCRIPTION_LINES[k], truth[k])
                                               for k in DESCRIPTION_LINES]


def alternating(middle, unit, rows=100):
    values = [fractions.Fraction(middle)]
    while len(values) < rows:
        values.append(fractions.Fraction(middle) - fractions.Fraction(unit))
        if len(values) < rows:
            values.append(fractions.Fraction(middle) + fractions.Fraction(unit))
    return values


def norris_sets():
    path = os.path.join(SCIPY_DATA, "nist_linregress", "Norris.dat")
    lines, data = data_lines(path)
    rows = []
    for line in data:
        words = line.split()
        if len(words) == 2:
            rows.append(words[1] + "," + words[0])  # x, then y
    certified = {}
    for line in lines:
        words = line.split()
        if words[:1] == ["B0"]:
            certified["a"] = D(words[1])
        elif words[:1] == ["B1"]:
            certified["b"], certified["sd b"] = D(words[1]), D(words[2].replace("E", "e"))
        elif words[:2] == ["Standard", "Deviation"] and len(words) == 3:
            certified["se"] = D(words[2])
        elif words[:1] == ["R-Squared"]:
            certified["r2"] = D(words[1])
    n = len(rows)
    df = n - 2
    tb = certified["b"] / certified["sd b"]
    r2 = certified["r2"]
    r = r2.sqrt()
    t = r * D(df).sqrt() / (1 - r2).sqrt()
    regression = [
        ("intercept", r"Model:  y = (\S+) \+", certified["a"]),
        ("slope", r"\+ (\S+) x \+ Error", certified["b"]),
        ("SE of estimate", r"estimate = (\S+)", certified["se"]),
        ("slope t", r"slope = (\S+)", tb),
        ("slope p", r"probability = (\S+)", r_number("2 * pt(%s, %d, lower.tail = FALSE)" % (tb, df))),
        ("r squared", r"r-squared = (\S+)", r2),
    ]
    pearson = [
        ("r", r"Correlation coefficient = (\S+)", r),
        ("SE of r", r"error of the coefficient = (\S+)", (1 - r2) / D(n).sqrt()),
        ("t", r"coefficient = (\S+)\s+Degrees", t),
        ("p", r"probability = (\S+)", r_number("2 * pt(%s, %d, lower.tail = FALSE)" % (t, df))),
    ]
    return [("Norris", "correlation", "regression", rows, regression),
            ("Norris", "correlation", "pearson", rows, pearson)]


def michelson_speeds():
    out = subprocess.run(["Rscript", "-e", "cat(morley$Speed)"], check=True, capture_output=True,
                         text=True).stdout
    return [fractions.Fraction(299000 + int(s), 1000) for s in out.split()]


def all_sets():
    sets = [anova_set(name) for name in
            ["SiRstv", "SmLs01", "SmLs02", "SmLs03", "AtmWtAg", "SmLs04", "SmLs05", "SmLs06",
             "SmLs07", "SmLs08", "SmLs09"]]
    sets += norris_sets()
    sets.append(description_set("Michelso", michelson_speeds(), "299.8524",
                                "0.0790105478190518"))
    sets.append(description_set("NumAcc1", [fractions.Fraction(v) for v in
                                            ["10000001", "10000003", "10000002"]], "10000002", "1"))
    sets.append(description_set("NumAcc2", alternating("1.2", "0.1")))
    sets.append(description_set("NumAcc3", alternating("1000000.2", "0.1")))
    sets.append(description_set("NumAcc4", alternating("10000000.2", "0.1")))
    return sets


def main():
    out = sys.stdout
    out.write("// Written by make_reference_sets.py; do not edit.\n")
    out.write("// name, calculation, method, rows (cells separated by commas), graded values.\n")
    for name, calculation, method, rows, values in all_sets():
        out.write("{\"%s\", \"%s\", \"%s\",\n R\"(%s)\",\n {\n" %
                  (name, calculation, method, "\n".join(rows)))
        for what, where, truth in values:
            out.write("  {\"%s\", R\"(%s)\", %s},\n" % (what, where, format(D(truth), ".17g")))
        out.write(" }},\n")


if __name__ == "__main__":
    main()
