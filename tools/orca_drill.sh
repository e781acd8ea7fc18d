#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# What the Orca screen reader says while the program runs, as a blind pupil would hear it.
#   tools/orca_drill.sh PROGRAM KEYS [LOG]
# Starts a private X display, D-Bus session and accessibility bus, Orca (package orca) with
# nothing sent to a sound card, and PROGRAM on a fresh data folder; then runs KEYS, a file of
# shell lines (xdotool ... and sleep ...), and prints each line Orca would have spoken, in order.
# Orca's whole debug log is left in LOG (default: orca-debug.out in a temporary folder).
# Needs: Xvfb, openbox, dbus-x11 (dbus-run-session), at-spi2-core, orca, xdotool.
set -uo pipefail

program=$(realpath "$1")
keys=$(realpath "$2")
work=$(mktemp -d)
log=${3:-$work/orca-debug.out}
n=70
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
display=:$n

# Orca's own preferences, in a folder of this run: the speech server gets nothing to say (there
# is no sound card), so that Orca never waits on it; what it would say stays in the debug log.
mkdir -p "$work/prefs"
cat >"$work/prefs/orca-customizations.py" <<'PY'
import orca.speechdispatcherfactory as _sd
_sd.SpeechServer._send_command = lambda self, command, *args, **kwargs: None
PY

Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
DISPLAY=$display openbox >/dev/null 2>&1 &
wm=$!
DISPLAY=$display HOME=$work dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
  sleep 1
  orca --replace -d braille -d braille-monitor -u "$1/prefs" --debug-file="$2" >/dev/null 2>&1 &
  orca=$!
  sleep 6
  mkdir -p "$1/data"
  QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$3" --data-dir "$1/data" >/dev/null 2>&1 &
  app=$!
  sleep 4
  while read -r line; do eval "$line"; done <"$4"
  sleep 3
  kill $app; sleep 1; kill $orca; sleep 2; kill -9 $orca 2>/dev/null
  pkill -P $$ 2>/dev/null
' _ "$work" "$log" "$program" "$keys"
pkill -f "speech-dispatcher.*$work" 2>/dev/null
kill "$wm" "$xvfb" 2>/dev/null
grep "SPEECH OUTPUT" "$log" | sed -e "s/^[0-9:.]* - SPEECH OUTPUT: '//" -e "s/' *{.*//" -e "s/' *$//"
[ -n "${3:-}" ] || rm -rf "$work"
