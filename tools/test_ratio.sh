#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Size of the tests against the program: non-blank lines that do not start with // in the
# C++ files (.cpp, .h) of tests/ against those of src/ and app/, and their ratio.
#   tools/test_ratio.sh [source-root]
# Counts the files git tracks; outside a git tree, every file found.
set -euo pipefail

root=${1:-$(cd "$(dirname "$0")/.." && pwd)}
cd "$root"

list() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files -- "$@"
    else
        find "$@" -type f 2>/dev/null
    fi | grep -E '\.(cpp|cc|cxx|h|hpp)$' || true
}

count() {
    list "$@" | xargs -r cat | grep -c -v -E '^\s*($|//)' || true
}

code=$(count src app)
tests=$(count tests)
ratio=$(awk -v t="$tests" -v c="$code" 'BEGIN { if (c > 0) printf "%.2f", t / c; else print "n/a" }')
echo "code (src/ + app/): $code lines"
echo "tests (tests/):     $tests lines"
echo "tests/code:         $ratio"
