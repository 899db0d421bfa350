#!/bin/bash
# What the simulator's window costs the shell while it shows the phone: the
# CPU time (user + system) drawlet-sim uses over 10 s of real time under
# Xvfb, each case with damage tracking and beside it with --full-redraw, in
# the same run:
#   idle  Clock pinned, the panel closed, nothing moving;
#   open  the panel open (a click on the grabber), Clock ticking once a second.
# Usage: bench/window/window_cpu.sh [BUILD_DIR] [SECONDS]
set -eu
build=$(cd "${1:-build}" && pwd)
seconds=${2:-10}
work=$(mktemp -d /tmp/drawlet-window-cpu-XXXXXX)
xvfb=""
shell=""
cleanup() {
    [ -n "$shell" ] && kill "$shell" 2>/dev/null && wait "$shell" 2>/dev/null
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A desktop larger than the phone at scale 2, so the window is not shrunk.
Xvfb -displayfd 3 -screen 0 1280x1600x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"

ticks=$(getconf CLK_TCK)
cpuTicks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

# measure NAME PANEL(open|closed) [OPTIONS...]: prints the shell's share of one core.
measure() {
    local name=$1 panel=$2
    shift 2
    local home="$work/home-$name"
    mkdir -p "$home"
    local settings="$build/bin/drawlet-settings --home $home"
    $settings set tweakEnabled true >/dev/null
    $settings set autoPinEnabled true >/dev/null
    $settings set --string startupApp com.drawlet.demo.clock >/dev/null
    "$build/bin/drawlet-sim" --home "$home" --log "$work/$name.log" "$@" >/dev/null 2>&1 &
    shell=$!
    local window=""
    for _ in $(seq 100); do
        window=$(xdotool search --pid "$shell" --name Drawlet 2>/dev/null | head -1) && [ -n "$window" ] && break
        sleep 0.1
    done
    sleep 2
    if [ "$panel" = open ]; then
        # The grabber, at (W - 14, H - 113) points, 2 window pixels a point.
        xdotool mousemove --window "$window" $(((375 - 14) * 2)) $(((667 - 113) * 2)) click 1
        sleep 2
    fi
    local before after
    before=$(cpuTicks "$shell")
    sleep "$seconds"
    after=$(cpuTicks "$shell")
    kill "$shell"
    wait "$shell" 2>/dev/null || true
    shell=""
    awk -v t=$((after - before)) -v hz="$ticks" -v s="$seconds" -v n="$name" 'BEGIN { printf "%-22s %6.2f%% of one core (%d ticks in %d s)\n", n, 100 * t / hz / s, t, s }'
}

measure idle closed
measure idle-full-redraw closed --full-redraw
measure open open
measure open-full-redraw open --full-redraw
