#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Read Aloud through the real voice, as a pupil who cannot read yet hears it.
#   tools/read_aloud_check.sh PROGRAM [LANGUAGE] [ANSWERS]
# Starts a private X display, a PulseAudio server whose only output is a null sink (nothing
# reaches a sound card), speech-dispatcher with its log on, and PROGRAM on a fresh data folder
# in LANGUAGE (default en). Read Aloud is switched on from the keyboard (Alt+R), a drill is
# started and ANSWERS problems (default 3) are answered, each once it has been read. Prints:
#   said: <line>        each line speech-dispatcher was given, in order
#   voice: <n> ms       for each line, from the program giving it to the voice beginning it
#   clock: waited       for each problem whose drill clock started only after its reading
# Exits 1 when nothing was said. Needs Xvfb, openbox, xdotool, pulseaudio,
# speech-dispatcher-espeak-ng and qt6-speech-speechd-plugin.
set -uo pipefail

program=$(realpath "$1")
language=${2:-en}
answers=${3:-3}
work=$(mktemp -d)
n=90
while [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
display=:$n
export HOME=$work XDG_RUNTIME_DIR=$work/run
mkdir -m 700 -p "$XDG_RUNTIME_DIR" "$work/speechd" "$work/data"

Xvfb "$display" -screen 0 1280x900x24 >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display QT_QPA_PLATFORM=xcb # the private display, whatever the caller uses
openbox >/dev/null 2>&1 &
wm=$!
pulseaudio --daemonize=yes --exit-idle-time=-1 -n --load=module-null-sink \
    --load=module-native-protocol-unix --log-target=file:"$work/pulse.log" 2>/dev/null
speech-dispatcher -d -l 5 -L "$work/speechd" -t 0 -P "$work/speechd.pid" >/dev/null 2>&1

SUMBLITZ_TRACE=1 SUMBLITZ_PROBE=1 "$program" --data-dir "$work/data" --lang "$language" \
    >"$work/probe" 2>"$work/trace" &
app=$!
targets() { grep -c '^target ' "$work/probe"; }
for _ in $(seq 100); do grep -q '^start ' "$work/probe" && break; sleep 0.1; done
sleep 1
case $language in de) xdotool key alt+v ;; fr | es) xdotool key alt+l ;; *) xdotool key alt+r ;; esac
sleep 4 # the voice is loaded and speech-dispatcher's module started
read -r x y _ < <(grep '^start ' "$work/probe" | tail -n 1 | cut -d' ' -f2-)
xdotool mousemove "$x" "$y" click 1
for n in $(seq "$answers"); do
    for _ in $(seq 100); do [ "$(targets)" -ge "$n" ] && break; sleep 0.1; done
    sleep 4 # the problem is read
    read -r x y _ < <(grep '^target ' "$work/probe" | sed -n "${n}p" | cut -d' ' -f2-)
    xdotool mousemove "$x" "$y" sleep 0.3 click 1
done
sleep 4
kill "$app" 2>/dev/null
sleep 1
kill "$(cat "$work/speechd.pid" 2>/dev/null)" 2>/dev/null
pulseaudio --kill 2>/dev/null
kill "$wm" "$xvfb" 2>/dev/null

grep -a 'Queueing message |' "$work/speechd/speech-dispatcher.log" |
    sed -e 's/.*Queueing message |/said: /' -e 's/| with priority.*//'
awk '/read aloud: line given/ { given = $2 }
     /read aloud: started/ { if (given != "") printf "voice: %d ms\n", $2 - given; given = "" }
     /read aloud: said|problem read, drill clock started/ { print "clock: waited" }' "$work/trace"
status=0
grep -aq 'Queueing message |' "$work/speechd/speech-dispatcher.log" || status=1
rm -rf "$work"
exit $status
