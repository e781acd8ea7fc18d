#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the AppStream screenshots: starts the program under its own Xvfb with a window manager,
# at 1366 x 768, in English with a fresh data folder, and saves the main window between drills
# (main.png) and during a drill (drill.png).
#   tools/screenshots.sh <sumblitz> <output folder>
# Needs xvfb, openbox, xdotool and imagemagick (tools/sumblitz.sh screenshots installs them).
set -euo pipefail
program=$(realpath "$1")
out=$(realpath -m "$2")
mkdir -p "$out"
work=$(mktemp -d)
display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1366x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() {
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
export DISPLAY=$display
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
sleep 1
# A fresh home: no remembered window place, no pupils.
HOME=$work XDG_CONFIG_HOME=$work/config LANG=C.UTF-8 LANGUAGE= \
    "$program" --data-dir "$work/data" >/dev/null 2>&1 &
app=$!
window=$(xdotool search --sync --onlyvisible --name Step1 | head -1)
sleep 2
xdotool windowmove "$window" 0 0
sleep 1
import -window "$window" -frame "$out/main.png"
# Start a drill (Alt+S is not bound: the Start button is clicked where it is drawn).
read -r x y w h < <(xdotool getwindowgeometry --shell "$window" |
    awk -F= '/^X=/{x=$2} /^Y=/{y=$2} /^WIDTH=/{w=$2} /^HEIGHT=/{h=$2} END{print x, y, w, h}')
xdotool mousemove --window "$window" $((w - 90)) 65 click 1
sleep 3
import -window "$window" -frame "$out/drill.png"
echo "screenshots in $out"
