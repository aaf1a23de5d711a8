#!/usr/bin/env bash
# End to end: the built vspace in the X server of xvfb-run -a, no window manager, typed into with
# xdotool; trains, predicts, exports, clears, undoes and redoes, and exits.
# Usage: e2e_xvfb.sh <vspace binary>
set -euo pipefail
work=$(mktemp -d)
trap 'kill $vspace 2>/dev/null || true; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; cat "$work/vspace.log"; exit 1; }
HOME="$work" XDG_CONFIG_HOME="$work/.config" XDG_RUNTIME_DIR="$work" "$1" 2>"$work/vspace.log" &
vspace=$!

wait_window() { timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -1; }
form=$(wait_window Form1)
# With no window manager to hand it over, the window takes the keyboard focus itself.
for _ in $(seq 50); do [ "$(xdotool getwindowfocus)" = "$form" ] && break; sleep 0.1; done
[ "$(xdotool getwindowfocus)" = "$form" ] || fail "the window did not take the keyboard focus"
# Types the values into the fields from the focused one on, Enter after each.
type_values() { for value in "$@"; do xdotool type --delay 15 -- "$value"; xdotool key Return; done; }
# Closes the message box titled $1 with Enter on its OK button.
close_box() {
    xdotool windowfocus --sync "$(wait_window "$1")" key Return
    for _ in $(seq 100); do xdotool search --onlyvisible --name "^$1\$" >/dev/null || break; sleep 0.05; done
    xdotool windowfocus --sync "$form"
}
gen_text() { xdotool key space; close_box "Text File"; cat "$work/Desktop/hypothesis.txt"; }

type_values Sunny Warm Normal Strong Warm Same; xdotool key Return      # Positive
type_values Sunny Warm High Strong Warm Same; xdotool key Return        # Positive
type_values Rainy Cold High Strong Warm Change; xdotool key Tab Return  # Negative
type_values Sunny Warm High Strong Cool Change; xdotool key Return      # Positive
# From Text1(1) along the tab order to Text2(1); Enter in its sixth field reaches "Predict".
xdotool key --repeat 13 Tab
type_values Sunny Warm Normal Strong Cool Change
xdotool key Return
close_box Result
# Focus is back in Text2(1): six Tabs reach "Gen Text"; Alt+C clears, and the export empties.
xdotool key --repeat 6 Tab
[ "$(gen_text | od -c)" = "$(printf '"Sunny,Warm,?,?,?,?"\r\n"Sunny,?,?,Strong,?,?"\r\n"?,Warm,?,Strong,?,?"\r\n' | od -c)" ] \
    || fail "the export file differs"
sleep 0.3; xdotool key alt+c; sleep 0.3
left=$(gen_text); [ -z "$left" ] || fail "Alt+C did not clear the version space: $left"
# Ctrl+Z takes the Clear back, Ctrl+Shift+Z does it again.
xdotool key ctrl+z; sleep 0.3
[ "$(gen_text | wc -l)" = 3 ] || fail "Ctrl+Z did not bring the version space back"
xdotool key ctrl+shift+z; sleep 0.3
left=$(gen_text); [ -z "$left" ] || fail "Ctrl+Shift+Z did not clear again: $left"
xdotool key alt+e
timeout 10 tail --pid=$vspace -f /dev/null && wait $vspace || fail "vspace did not exit on Alt+E with status 0"
echo "PASS: trained, predicted, exported, cleared, undid and redid through the real window"
