#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Writes the linker options with which a program carries and exports what a module of its takes
# from the program's own static libraries, so that the module, linked without them, finds them
# in the program when it is loaded. For each function or datum the MODULE leaves undefined and
# one of the ARCHIVEs defines: --undefined (its archive member is linked in, and --gc-sections
# keeps it) and --export-dynamic-symbol (it goes into the program's dynamic symbol table).
# OUT is a response file for the linker (-Wl,@OUT), rewritten only when the list changes.
#   tools/module_imports.sh OUT MODULE ARCHIVE...
set -euo pipefail

[ $# -ge 3 ] || { sed -n '3,9p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
out=$1 module=$2
shift 2

undefined=$(nm -D --undefined-only --format=posix "$module" | awk '{print $1}' | sort -u)
# Every global the archives define, weak ones (an instantiation a core file makes) included.
defined=$(nm --defined-only -g --format=posix "$@" |
          awk 'NF >= 2 && $2 ~ /^[A-TV-Zu]$/ {print $1}' | sort -u)
imports=$(comm -12 <(echo "$undefined") <(echo "$defined"))

new=$(mktemp "$out.XXXXXX")
trap 'rm -f "$new"' EXIT
for symbol in $imports; do
    printf -- '--undefined=%s\n--export-dynamic-symbol=%s\n' "$symbol" "$symbol"
done >"$new"
if ! cmp -s "$new" "$out"; then
    mv "$new" "$out"
fi
