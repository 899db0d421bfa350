#!/bin/bash
# Run inside a fresh X server (xvfb-run): starts drawlet-sim in a window,
# turns the phone with the arrow keys and prints the window's size after each
# turn as "NAME WIDTHxHEIGHT". Arguments: the simulator, a home folder.
simulator=$1
home=$2
"$simulator" --home "$home" &
pid=$!
trap 'kill $pid 2>/dev/null; wait $pid 2>/dev/null' EXIT
window=$(timeout 60 xdotool search --sync --name '^Drawlet$' | head -1)
[ -n "$window" ] || { echo "no window"; exit 1; }
size() { xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: //p'; }
# Waits (a hang guard) until the window's size differs from $1.
changed() {
    for _ in $(seq 200); do
        now=$(size)
        [ "$now" != "$1" ] && { echo "$now"; return; }
        sleep 0.1
    done
    echo "$1"
}
upright=$(size)
echo "upright $upright"
xdotool key --window "$window" Right
turned=$(changed "$upright")
echo "turned $turned"
xdotool key --window "$window" Left
echo "back $(changed "$turned")"
