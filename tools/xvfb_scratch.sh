# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by tools/startup_time.sh and tools/memory_after_drill.sh: one Xvfb for the whole run
# (display $STARTUP_DISPLAY, 62 unless set) and a scratch folder `work`, both gone at exit; and,
# asked for, a sound server of their own.

startXvfb() {
    display=:${STARTUP_DISPLAY:-62}
    Xvfb "$display" -noreset -screen 0 1366x768x24 >/dev/null 2>&1 &
    xvfb=$!
    work=$(mktemp -d)
    trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
    sleep 1
    export DISPLAY=$display
}

# A PulseAudio of the run's own, playing to a null output, for the programs started after this:
# gone at exit with the rest.
startSoundServer() {
    command -v pulseaudio >/dev/null || { echo "no pulseaudio for --sound-server" >&2; exit 2; }
    export XDG_RUNTIME_DIR=$work/xdg
    mkdir -m 700 "$XDG_RUNTIME_DIR"
    pulseaudio -n --daemonize=no --exit-idle-time=-1 --log-target=stderr \
        --load="module-null-sink sink_name=silent" --load=module-native-protocol-unix \
        2>/dev/null &
    pulse=$!
    trap 'kill $pulse $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
    for _ in $(seq 50); do
        [ -S "$XDG_RUNTIME_DIR/pulse/native" ] && return
        sleep 0.1
    done
    echo "the sound server did not start" >&2
    exit 2
}
