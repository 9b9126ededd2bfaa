#!/usr/bin/env bash
# quillon-calc's manual page names every calculation that `quillon-calc list` prints and every
# option that the program's and the calculations' --help print.
# Usage: calc_manual_page_test.sh PAGE PROGRAM
set -uo pipefail
page=$1
program=$2
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$page" 2>/dev/null | sed 's/\xe2\x80\x90/-/g')
names=$("$program" list --json | sed -e 's/^{"name":"\([^"]*\)".*/\1/')
options=$({ "$program" --help; for name in $names; do "$program" "$name" --help; done; } |
          grep -o -e '--[a-z]*' | sort -u)
for expected in $names $options; do
    if ! grep -qF -- "$expected" <<<"$text"; then
        echo "FAILED: the manual page lacks \"$expected\""
        exit 1
    fi
done
echo "passed: $(wc -w <<<"$names") calculations and $(wc -w <<<"$options") options documented"
