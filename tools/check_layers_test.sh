#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs check_layers.sh on small scratch trees: a clean one passes, and include loops between
# files (through a file's own header, or through a folder-local include) are found and named.
#   tools/check_layers_test.sh
set -euo pipefail

check=$(cd "$(dirname "$0")" && pwd)/check_layers.sh
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
failures=0

# put FILE LINE...: writes the file under the scratch tree, one argument a line.
put() {
    local file=$tree/$1
    shift
    mkdir -p "$(dirname "$file")"
    printf '%s\n' "$@" >"$file"
}

# expect NAME STATUS [LINE]: the check ends with STATUS and, when LINE is given, prints it.
expect() {
    local name=$1 want=$2 line=${3:-} out got=0
    out=$(bash "$check" "$tree" 2>&1) || got=$?
    if [ "$got" -ne "$want" ] || { [ -n "$line" ] && ! grep -qxF "$line" <<<"$out"; }; then
        printf 'FAIL %s: exit %s (wanted %s)\n%s\n' "$name" "$got" "$want" "$out"
        failures=$((failures + 1))
    fi
}

put src/records/r.h '#pragma once'
put src/flow/a.h '#pragma once' '#include "records/r.h"'
put src/flow/a.cpp '#include "flow/a.h"' '#include "flow/b.h"'
put src/flow/b.h '#pragma once'
put src/flow/b.cpp '#include "flow/b.h"' '#include "records/r.h"'
expect "a tree without loops" 0

put src/flow/b.cpp '#include "flow/b.h"' '#include "flow/a.h"'
expect "a.cpp includes b.h, b.cpp includes a.h" 1 \
    "include loop: src/flow/a.cpp -> src/flow/b.h, src/flow/b.cpp -> src/flow/a.h"

put src/flow/b.cpp '#include "flow/b.h"' '#include "c.h"'
put src/flow/c.h '#pragma once' '#include "a.h"'
expect "a loop of three through folder-local includes" 1 \
    "include loop: src/flow/a.cpp -> src/flow/b.h, src/flow/b.cpp -> src/flow/c.h, src/flow/c.h -> src/flow/a.h"

if [ "$failures" -ne 0 ]; then
    exit 1
fi
echo "check_layers_test: every case passed"
