#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the program against the floor (bench/floor: the barest Qt window of the same kind)
# under one Xvfb, launching them in turn so both meet the same load, and prints the medians
# and the program's ratio to the floor for: exec to first window mapped, CPU time to it, peak
# RSS one second after it, shared libraries mapped; with --input, also an X click on the right
# answer to the next problem's first changed pixel, against the floor's click to its label,
# and the click on Start to its first problem (when the first sound is due). --first-sound
# also runs each program "warm", a press on the empty problem area before Start, so that the
# sound module is loaded before the first sound: cold minus warm is what the first sound costs.
# --sound-server runs a PulseAudio of the run's own (a null output, needs pulseaudio), so that
# sounds are played as on a desktop; without it the program finds no sound server.
#   tools/startup_time.sh [--input] [--first-sound] [--sound-server] [--runs N] BUILD_DIR
#                         [SUMBLITZ ...]
# BUILD_DIR holds floor and startup_probe (built with the tests, best as Release), and the
# sumblitz measured unless others are named (say a build of an earlier commit: each is compared
# with the floor of the same run). Each program runs in a scratch folder of its own, once
# before counting so that its record files exist. Needs Xvfb.
set -euo pipefail

input=0
runs=8
warmToo=0
soundServer=0
while [ $# -gt 0 ]; do
    case "$1" in
    --input) input=10; shift ;;
    --first-sound) input=10; warmToo=1; shift ;;
    --sound-server) soundServer=1; shift ;;
    --runs) runs=$2; shift 2 ;;
    *) break ;;
    esac
done
[ $# -ge 1 ] || { sed -n '3,18p' "$0" | sed 's/^# \{0,1\}//'; exit 2; }
build=$(realpath "$1")
shift
programs=("$build/floor")
warm=(0)
[ $# -eq 0 ] && set -- "$build/sumblitz"
for p in "$@"; do
    programs+=("$(realpath "$p")")
    warm+=(0)
    if [ "$warmToo" = 1 ]; then
        programs+=("$(realpath "$p")")
        warm+=(1)
    fi
done
probe=$build/startup_probe
for f in "$probe" "${programs[@]}"; do
    [ -x "$f" ] || { echo "startup_time: no $f" >&2; exit 2; }
done

# shellcheck source=tools/xvfb_scratch.sh
. "$(dirname "$0")/xvfb_scratch.sh"
startXvfb
[ "$soundServer" = 1 ] && startSoundServer

launch() { # index, counted
    local dir=$work/p$1 line
    mkdir -p "$dir"
    local how=()
    [ "${warm[$1]}" = 1 ] && how=(--warm)
    line=$(cd "$dir" && "$probe" --input "$input" "${how[@]}" -- "${programs[$1]}" 2>/dev/null) ||
        true
    [ "$2" = 1 ] && echo "$1 $line" >>"$work/results"
    echo "${programs[$1]##*/}[$1] $line" >&2
}

for i in "${!programs[@]}"; do launch "$i" 0; done
for r in $(seq "$runs"); do
    for i in "${!programs[@]}"; do launch "$i" 1; done
done

echo "load: $(uptime | sed 's/.*load average/load average/')"
echo "runs: $runs launches of each, alternating$([ "$input" -gt 0 ] && echo "; $input clicks a launch")"
awk -v n="${#programs[@]}" -v input="$input" '
function median(list,   a, k, t) {
    k = split(list, a, " ")
    if (k == 0) return -1
    for (i = 1; i <= k; i++) for (j = i + 1; j <= k; j++) if (a[j] < a[i]) { t = a[i]; a[i] = a[j]; a[j] = t }
    return k % 2 ? a[(k + 1) / 2] : (a[k / 2] + a[k / 2 + 1]) / 2
}
{
    p = $1
    for (f = 2; f <= NF; f++) {
        split($f, kv, "=")
        if (kv[1] == "clicks") {
            c = split(kv[2], cs, ",")
            for (x = 1; x <= c; x++) if (cs[x] < 5000) vals[p, "click"] = vals[p, "click"] " " cs[x]
        } else {
            vals[p, kv[1]] = vals[p, kv[1]] " " kv[2]
        }
    }
}
END {
    split("map cpu rss libs" (input > 0 ? " click start" : ""), keys, " ")
    name["map"] = "exec to first window mapped, ms"
    name["cpu"] = "CPU time to the first window, ms"
    name["rss"] = "peak RSS 1 s after the map, MiB"
    name["libs"] = "shared libraries mapped"
    name["click"] = "click to first changed pixel, ms"
    name["start"] = "Start click to its first problem, ms"
    printf "%-34s %9s", "median", "floor"
    for (p = 1; p < n; p++) printf " %9s %7s", "prog" p, "ratio"
    printf "\n"
    for (k = 1; k in keys; k++) {
        key = keys[k]
        base = median(vals[0, key]); if (key == "rss") base /= 1024
        if (key == "start") printf "%-34s %9s", name[key], "-" # the floor has no Start
        else printf "%-34s %9.1f", name[key], base
        for (p = 1; p < n; p++) {
            m = median(vals[p, key]); if (key == "rss") m /= 1024
            if (key == "start") printf " %9.1f %7s", m, "-"
            else if (key == "libs") printf " %9d %+7d", m, m - base
            else printf " %9.1f %7.2f", m, (base > 0 ? m / base : 0)
        }
        printf "\n"
    }
}' "$work/results"
for i in "${!programs[@]}"; do
    [ "$i" -gt 0 ] && echo "prog$i: ${programs[$i]}$([ "${warm[$i]}" = 1 ] && echo " (warm)")"
done
