#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the program's memory after a day's use against the floor (bench/floor) under one
# Xvfb: a drill of 200 problems answered right, then every other window opened once (Smart
# Repeat, Student Data with its class overview, the Results table, Progress, the help), then a
# wrong answer's pop-up; the program's peak resident set (VmHWM) one second after that, against
# the floor's one second after its window is mapped. Launches alternate, so that both meet the
# same load; each program runs in a scratch folder of its own.
#   tools/memory_after_drill.sh [--runs N] BUILD_DIR [SUMBLITZ ...]
# BUILD_DIR holds floor and startup_probe, and the sumblitz measured unless others are named.
set -euo pipefail

runs=3
if [ "${1:-}" = --runs ]; then
    runs=$2
    shift 2
fi
[ $# -ge 1 ] || { sed -n '3,10p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
build=$(realpath "$1")
shift
[ $# -eq 0 ] && set -- "$build/sumblitz"
programs=()
for p in "$@"; do programs+=("$(realpath "$p")"); done
for f in "$build/floor" "$build/startup_probe" "${programs[@]}"; do
    [ -x "$f" ] || { echo "memory_after_drill: no $f" >&2; exit 2; }
done

# shellcheck source=tools/xvfb_scratch.sh
. "$(dirname "$0")/xvfb_scratch.sh"
startXvfb
actions="start$(printf ',right%.0s' $(seq 200)),windows,start,wrong"

floorRss() {
    local line
    line=$(cd "$work" && "$build/startup_probe" -- "$build/floor" 2>/dev/null) || true
    sed -n 's/.* rss=\([0-9]*\).*/\1/p' <<<"$line"
}

# Peak RSS in KiB and libraries mapped, after the day's use.
programRss() { # index
    local dir=$work/p$1 pid hwm libs
    rm -rf "$dir" && mkdir -p "$dir"
    (cd "$dir" && exec "${programs[$1]}" --script "$actions" >out 2>/dev/null) &
    pid=$!
    for _ in $(seq 600); do
        grep -q ready "$dir/out" 2>/dev/null && break
        sleep 0.1
    done
    sleep 1
    hwm=$(awk '/^VmHWM:/ {print $2}' "/proc/$pid/status")
    libs=$(grep -o '/[^ ]*\.so[^ ]*' "/proc/$pid/maps" | sort -u | wc -l)
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    grep -q ready "$dir/out" || { echo "memory_after_drill: ${programs[$1]} never got ready" >&2; }
    echo "$hwm $libs"
}

floors=()
declare -A peaks libsOf
for r in $(seq "$runs"); do
    floors+=("$(floorRss)")
    for i in "${!programs[@]}"; do
        read -r hwm libs <<<"$(programRss "$i")"
        peaks[$i]="${peaks[$i]:-} $hwm"
        libsOf[$i]=$libs
        echo "run $r: floor ${floors[-1]} KiB, prog$((i + 1)) $hwm KiB, $libs libraries" >&2
    done
done

median() { tr ' ' '\n' | grep . | sort -n | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'; }
base=$(echo "${floors[*]}" | median)
echo "load: $(uptime | sed 's/.*load average/load average/')"
echo "runs: $runs of each, alternating; the program after 200 problems and every window once"
printf '%-34s %9.1f\n' "floor peak RSS 1 s after the map, MiB" "$(awk -v k="$base" 'BEGIN {print k / 1024}')"
for i in "${!programs[@]}"; do
    m=$(echo "${peaks[$i]}" | median)
    awk -v m="$m" -v b="$base" -v i=$((i + 1)) -v l="${libsOf[$i]}" 'BEGIN {
        printf "%-34s %9.1f %7.2f   (%d libraries)\n", "prog" i " peak RSS after the day, MiB", m / 1024, m / b, l }'
done
for i in "${!programs[@]}"; do echo "prog$((i + 1)): ${programs[$i]}"; done
