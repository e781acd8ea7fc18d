#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Read Aloud through the real voice, in English and German: speech-dispatcher (on a null sink of
# its own) must have been given each problem in the program's language, in order, and "Right."
# with the problem solved before the next; the voice must begin a line within 100 ms (the
# median); and the drill clock must have started only once each problem was read.
#   tests/screen/read_aloud_test.sh PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in pulseaudio speech-dispatcher Xvfb openbox xdotool; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
fail=0
check() { # language, the word for right, the word for "is"
    local out n median
    out=$(bash "$here/../../tools/read_aloud_check.sh" "$1" "$2" 3 2>/dev/null)
    echo "$out"
    n=$(grep -cE '^said: [0-9]+ plus [0-9]+$' <<<"$out")
    [ "$n" -ge 1 ] || { echo "FAILED ($2): no problem said"; fail=1; }
    n=$(grep -cE "^said: $3\. [0-9]+ plus [0-9]+ $4 [0-9]+\. [0-9]+ plus [0-9]+$" <<<"$out")
    [ "$n" -ge 2 ] || { echo "FAILED ($2): $n right answers said, expected 2 or more"; fail=1; }
    n=$(grep -c '^clock: waited$' <<<"$out")
    [ "$n" -ge 2 ] || { echo "FAILED ($2): the clock waited for $n readings"; fail=1; }
    median=$(grep '^voice:' <<<"$out" | awk '{ print $2 }' | sort -n |
        awk '{ v[NR] = $1 } END { print (NR ? v[int((NR + 1) / 2)] : 999) }')
    [ "$median" -le 100 ] || { echo "FAILED ($2): the voice began after $median ms"; fail=1; }
}
check "$1" en Right is
check "$1" de Richtig ist
exit $fail
