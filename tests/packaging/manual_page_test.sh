#!/usr/bin/env bash
# The manual page formats without a warning from groff or man, and documents every option that
# --help lists.
set -uo pipefail
page=$1
warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
if [ -n "$warnings" ]; then
    printf '%s\n' "$warnings"
    echo "FAILED: the manual page gives warnings"
    exit 1
fi
text=$(LC_ALL=C.UTF-8 MANWIDTH=200 man -E UTF-8 -l "$page" 2>/dev/null)
for expected in 'quillon - statistical calculators' '-h, --help' '-v, --version' 'EXIT STATUS'; do
    if ! grep -qF -- "$expected" <<<"$text"; then
        echo "FAILED: the manual page lacks \"$expected\""
        exit 1
    fi
done
echo "passed: manual page"
