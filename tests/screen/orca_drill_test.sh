#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind pupil's drill with the Orca screen reader, from the keyboard alone: Start, twelve
# answers by their digit keys (a wrong one's pop-up is answered the same way), Pause. Orca
# must have said each problem as it came, the problem solved after a wrong answer, and the
# total and score at the pause. Then a blind teacher's way through the windows: a pupil added
# in Student Data, the Class Overview (its sort box with its value, and the new one when arrowed
# through; Enter on "Save as CSV..." and the file dialog cancelled leave the overview open), a
# cell of the Progress grid, and the help's outline walked to a heading and read on from it.
# Each half is tried a second time when the first heard too little: on a busy machine Orca now
# and then is not yet listening when the program starts, and then hears nothing at all.
#   tests/screen/orca_drill_test.sh PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in orca Xvfb openbox xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
missed=0
expect() { # what, how many at least, pattern
    local n
    n=$(grep -cE "$3" <<<"$heard")
    if [ "$n" -lt "$2" ]; then
        echo "FAILED: $1 heard $n times, expected at least $2"
        missed=1
    fi
}
drill() {
    expect "a problem posed" 4 '^notification (Right\. Total: [0-9]+/[0-9]+\. )?[0-9]+ plus [0-9]+\.$'
    expect "the problem solved after a wrong answer" 1 'Wrong Answer !! [0-9]+ plus [0-9]+ is [0-9]+\.$'
    expect "the total and score at the pause" 1 '^notification Paused\. Total: [0-9]+/[0-9]+\. Score: [0-9]+%$'
}
teacher() {
    expect "the Student Data window" 1 '^Student Data dialog\.$'
    expect "the pupil added, in the list" 1 '^Ann\.$'
    expect "the Class Overview, again after the file dialog" 2 '^Class Overview dialog 2 pupils'
    expect "the sort box's value" 1 '^Pupil\.$'
    expect "the sort box arrowed through" 1 '^notification Operation and level\.$'
    expect "a cell of the Progress grid" 1 '^Row 1, column [0-9]+: Never asked\.$'
    expect "the help's outline" 1 '^On this page\.$'
    expect "a heading in it" 1 '^Heading: For pupils: how to play\.$'
    expect "the text read on from that heading" 1 '^Your teacher or parent has chosen your numbers'
}
fail=0
for half in drill teacher; do
    for attempt in 1 2; do
        heard=$(bash "$here/../../tools/orca_drill.sh" "$1" "$here/orca_$half.keys" 2>/dev/null)
        echo "$heard"
        missed=0
        "$half"
        [ "$missed" -eq 0 ] && break
        [ "$attempt" -eq 1 ] && echo "($half: heard too little; once more)"
    done
    [ "$missed" -eq 0 ] || fail=1
done
exit $fail
