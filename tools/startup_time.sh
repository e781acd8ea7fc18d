#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Measures the time from launching the program to its main window being shown, under Xvfb,
# over several runs. Usage: tools/startup_time.sh [path/to/sumblitz] [runs]
set -euo pipefail
exe=$(realpath "${1:-build/test/sumblitz}")
runs=${2:-10}
display=:97
Xvfb $display -noreset -screen 0 1280x1024x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
sleep 1
work=$(mktemp -d)
cd "$work"
for i in $(seq "$runs"); do
    start=$(date +%s.%N)
    DISPLAY=$display "$exe" >/dev/null 2>&1 &
    pid=$!
    until DISPLAY=$display xdotool search --onlyvisible --name 'Step1' >/dev/null 2>&1; do
        sleep 0.005
    done
    end=$(date +%s.%N)
    kill "$pid"; wait "$pid" 2>/dev/null || true
    while DISPLAY=$display xdotool search --onlyvisible --name 'Step1' >/dev/null 2>&1; do
        sleep 0.01
    done
    echo "run $i: $(echo "($end - $start) * 1000" | bc) ms"
done
rm -rf "$work"
