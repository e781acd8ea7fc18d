#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that every text of the program has a finished translation in every shipped language:
# lupdate brings a copy of each .ts file up to date with the source, and a text it adds (new) or
# one a translator has not finished is reported.
#   tools/check_translations.sh <lupdate> <source-root> <file.ts>...
set -euo pipefail
lupdate=$1
root=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -I "$root/src" -locations none -no-obsolete "$root/src/views" -ts "$copy" >/dev/null
    missing=$(grep -c 'type="unfinished"' "$copy" || true)
    if [ "$missing" -ne 0 ]; then
        echo "$(basename "$ts"): $missing text(s) without a translation:"
        grep -B3 'type="unfinished"' "$copy" | grep '<source>' | sed 's/^ */    /'
        status=1
    fi
done
exit $status
