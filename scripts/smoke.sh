#!/usr/bin/env bash
# Starts a tessel binary on a real X server, waits for its main window "Tessel 1.0", then asks
# it to close with its own Exit button (Alt+E) and checks that it ends cleanly.
# Usage: scripts/smoke.sh PATH-TO-TESSEL
set -euo pipefail
exec xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
    QT_QPA_PLATFORM=xcb "$1" & pid=$!
    for _ in $(seq 100); do
        window=$(xdotool search --name "^Tessel 1.0\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "${window:-}" ] || { echo "no window titled Tessel 1.0"; kill $pid; exit 1; }
    echo "window $window: $(xdotool getwindowname "$window")"
    xdotool windowfocus --sync "$window" key alt+e
    for _ in $(seq 50); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
    if kill -0 $pid 2>/dev/null; then echo "still running after Exit"; kill $pid; exit 1; fi
    wait $pid && echo "ended cleanly"
' smoke "$1"
