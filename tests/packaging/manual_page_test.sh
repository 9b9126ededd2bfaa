#!/usr/bin/env bash
# The manual page formats without a warning from groff or man, and holds the texts given after
# its path (its name line, the options that --help lists, its sections).
# Usage: manual_page_test.sh PAGE EXPECTED...
set -uo pipefail
page=$1
shift
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    printf '%s\n' "$warnings"
    echo "FAILED: the manual page gives warnings"
    exit 1
fi
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$page" 2>/dev/null)
for expected in "$@"; do
    if ! grep -qF -- "$expected" <<<"$text"; then
        echo "FAILED: the manual page lacks \"$expected\""
        exit 1
    fi
done
echo "passed: manual page"
