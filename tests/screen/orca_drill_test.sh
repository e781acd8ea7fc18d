#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A blind pupil's drill with the Orca screen reader, from the keyboard alone: Start, twelve
# answers by their digit keys (a wrong one's pop-up is answered the same way), Pause. Orca
# must have said each problem as it came, the problem solved after a wrong answer, and the
# total and score at the pause. Then a blind teacher's way through the windows: a pupil added
# in Student Data, the Class Overview (its sort box with its value, and the new one when arrowed
# through; Enter on "Save as CSV..." and the file dialog cancelled leave the overview open), a
# cell of the Progress grid, and the help's outline walked to a heading and read on from it.
#   tests/screen/orca_drill_test.sh PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
for tool in orca Xvfb openbox xdotool dbus-run-session; do
    command -v "$tool" >/dev/null || { echo "skipped: $tool is not installed"; exit 77; }
done
fail=0
expect() { # what, how many at least, pattern
    local n
    n=$(grep -cE "$3" <<<"$heard")
    if [ "$n" -lt "$2" ]; then
        echo "FAILED: $1 heard $n times, expected at least $2"
        fail=1
    fi
}
heard=$(bash "$here/../../tools/orca_drill.sh" "$1" "$here/orca_drill.keys" 2>/dev/null)
echo "$heard"
expect "a problem posed" 4 '^notification (Right\. Total: [0-9]+/[0-9]+\. )?[0-9]+ plus [0-9]+\.$'
expect "the problem solved after a wrong answer" 1 'Wrong Answer !! [0-9]+ plus [0-9]+ is [0-9]+\.$'
expect "the total and score at the pause" 1 '^notification Paused\. Total: [0-9]+/[0-9]+\. Score: [0-9]+%$'
heard=$(bash "$here/../../tools/orca_drill.sh" "$1" "$here/orca_teacher.keys" 2>/dev/null)
echo "$heard"
expect "the Student Data window" 1 '^Student Data dialog\.$'
expect "the pupil added, in the list" 1 '^Ann\.$'
expect "the Class Overview, again after the file dialog" 2 '^Class Overview dialog 2 pupils'
expect "the sort box's value" 1 '^Pupil\.$'
expect "the sort box arrowed through" 1 '^notification Operation and level\.$'
expect "a cell of the Progress grid" 1 '^Row 1, column [0-9]+: Never asked\.$'
expect "the help's outline" 1 '^On this page\.$'
expect "a heading in it" 1 '^Heading: For pupils: how to play\.$'
expect "the text read on from that heading" 1 '^Your teacher or parent has chosen your numbers'
exit $fail
