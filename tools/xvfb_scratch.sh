# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by tools/startup_time.sh and tools/memory_after_drill.sh: one Xvfb for the whole run
# (display $STARTUP_DISPLAY, 62 unless set) and a scratch folder `work`, both gone at exit.

startXvfb() {
    display=:${STARTUP_DISPLAY:-62}
    Xvfb "$display" -noreset -screen 0 1366x768x24 >/dev/null 2>&1 &
    xvfb=$!
    work=$(mktemp -d)
    trap 'kill $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT
    sleep 1
    export DISPLAY=$display
}
