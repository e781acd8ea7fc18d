#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a function of the program's own libraries (the Qt-free core, the common views) is
# defined both in the program and in one of its modules: the modules take those from the
# program when they are loaded, so that each exists once at run time. A function counts when an
# ARCHIVE defines it outside a header (not weak); inline functions from the headers may be
# compiled into both. Reads the symbol tables, so the files must not be stripped.
#   tools/check_core_once.sh PROGRAM MODULE... -- ARCHIVE...
set -euo pipefail

files=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    files+=("$1")
    shift
done
[ $# -ge 2 ] && [ ${#files[@]} -ge 2 ] ||
    { sed -n '3,8p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
shift

# The functions each file defines, local ones included (a module's copies are hidden).
functions() {
    local list
    list=$(nm --defined-only --format=posix "$1" | awk '$2 == "t" || $2 == "T" {print $1}' |
           sort -u)
    [ -n "$list" ] || { echo "check_core_once: no symbols in $1 (stripped?)" >&2; exit 2; }
    echo "$list"
}

core=$(nm --defined-only -g --format=posix "$@" | awk 'NF >= 2 && $2 == "T" {print $1}' | sort -u)
defined=$(functions "${files[0]}")
program=$(comm -12 <(echo "$core") <(echo "$defined"))
status=0
for module in "${files[@]:1}"; do
    defined=$(functions "$module")
    both=$(comm -12 <(echo "$program") <(echo "$defined"))
    if [ -n "$both" ]; then
        echo "${module##*/}: $(echo "$both" | wc -l) functions of the program's libraries" \
             "defined in the module too, as in the program ${files[0]##*/}:"
        echo "$both" | c++filt | sed 's/^/  /' | head -n 20
        status=1
    else
        echo "${module##*/}: none of the program's $(echo "$program" | wc -l) functions" \
             "of its libraries"
    fi
done
exit $status
