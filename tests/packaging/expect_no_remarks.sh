#!/usr/bin/env bash
# Runs a validator and fails when it fails or says anything beyond its line of success: a hint or
# a pedantic remark counts as a failure too.
set -uo pipefail
output=$("$@" 2>&1)
status=$?
remarks=$(printf '%s\n' "$output" | grep -v -e '^$' -e 'Validation was successful')
if [ $status -ne 0 ] || [ -n "$remarks" ]; then
    printf '%s\n' "$output"
    echo "FAILED: $1 (exit status $status)"
    exit 1
fi
echo "passed: $1"
