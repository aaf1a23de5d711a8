#!/usr/bin/env bash
# End to end: the built vspace in a real X server with no window manager, typed into from
# outside with xdotool; trains, predicts, exports and exits, then checks the export's bytes.
# Usage: e2e_xvfb.sh <vspace binary>
set -euo pipefail
vspace=$1
for tool in Xvfb xdotool; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done

work=$(mktemp -d)
pids=()
cleanup() {
    local status=$?
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    if [ "$status" -ne 0 ] && [ -s "$work/vspace.log" ]; then
        echo "--- vspace's standard error:"
        grep -v -E "^  0x|^ +(Addressable|Partially|Heap|Freed|Stack|Global|Poisoned|Container|Array|Intra|ASan|Left|Right)" "$work/vspace.log" | head -60
    fi
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(head -1 "$work/display")"

mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work" \
    "$vspace" 2>"$work/vspace.log" &
vspace_pid=$!
pids+=("$vspace_pid")

wait_window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
form=$(wait_window Form1)
# With no window manager to hand it over, the window takes the keyboard focus itself.
focused=
for _ in $(seq 50); do
    focused=$(xdotool getwindowfocus 2>/dev/null || true)
    [ "$focused" = "$form" ] && break
    sleep 0.1
done
if [ "$focused" != "$form" ]; then
    echo "FAIL: the window did not take the keyboard focus (focus: $focused, window: $form)"
    exit 1
fi
xdotool windowfocus --sync "$form"

# Types the values into the fields from the focused one on, Enter after each.
type_values() {
    for value in "$@"; do
        xdotool type --delay 15 -- "$value"
        xdotool key Return
    done
}
# Closes the message box titled $1 with Enter on its OK button.
close_box() {
    local box
    box=$(wait_window "$1")
    xdotool windowfocus --sync "$box"
    xdotool key Return
    for _ in $(seq 100); do xdotool search --onlyvisible --name "^$1\$" >/dev/null || break; sleep 0.05; done
    xdotool windowfocus --sync "$form"
}

type_values Sunny Warm Normal Strong Warm Same; xdotool key Return      # Positive
type_values Sunny Warm High Strong Warm Same; xdotool key Return        # Positive
type_values Rainy Cold High Strong Warm Change; xdotool key Tab Return  # Negative
type_values Sunny Warm High Strong Cool Change; xdotool key Return      # Positive

# From Text1(1) along the tab order to Text2(1); Enter in its sixth field reaches "Predict".
for _ in $(seq 13); do xdotool key Tab; done
type_values Sunny Warm Normal Strong Cool Change
xdotool key Return
close_box Result

# Focus is back in Text2(1): six Tabs reach "Gen Text".
for _ in $(seq 6); do xdotool key Tab; done
xdotool key space
close_box "Text File"
xdotool key alt+e

for _ in $(seq 100); do kill -0 "$vspace_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$vspace_pid" 2>/dev/null; then
    echo "FAIL: vspace did not exit on Alt+E"
    exit 1
fi
wait "$vspace_pid" || { echo "FAIL: vspace exited with status $?"; cat "$work/vspace.log"; exit 1; }

expected=$(printf '"Sunny,Warm,?,?,?,?"\r\n"Sunny,?,?,Strong,?,?"\r\n"?,Warm,?,Strong,?,?"\r\nEND')
actual=$(cat "$work/home/Desktop/hypothesis.txt"; printf END)
if [ "$actual" != "$expected" ]; then
    echo "FAIL: the export file differs:"
    od -c "$work/home/Desktop/hypothesis.txt" | head -20
    exit 1
fi
echo "PASS: trained, predicted and exported through the real window"
